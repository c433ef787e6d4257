// The print dialog's sheet and lengths: the printer's papers, the search for a sheet product by
// the part number on its box, the predefined page layouts from the abctmp folder, the card size,
// pitches and margins in inches, cm or mm, and "Save As Template". It keeps the layout and the
// paper in use and tells the dialog each time they change.
#pragma once

#include <array>
#include <vector>

#include <QSizeF>
#include <QString>
#include <QWidget>

#include "core/base/ProgramFolder.h"
#include "core/print/LengthDisplay.h"
#include "core/print/PageLayout.h"
#include "core/print/PaperCatalogue.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tavolo {

class PrinterChoice;
class Prompts;
class SheetProductSearch;
struct SheetProduct;

// Where the layout comes from: typed or centred on the paper (it follows the card), a sheet
// product found by the search, or a predefined layout.
enum class LayoutOrigin { kCustom, kSheetProduct, kPredefined };

// What the group has chosen: the paper the sheet is printed on (while the paper list shows no
// selection, the one selected before) and the layout of the cards on it, in its unit.
struct SheetProductChoice {
  Paper paper;
  PageLayout layout;
  LayoutOrigin origin = LayoutOrigin::kCustom;
  QString product;  // the sheet product's key (ProductKey) or the predefined layout's name
};

class SheetProductGroup : public QWidget {
  Q_OBJECT

 public:
  // The controls' identifiers, kept as their object names.
  enum Control : int {
    kSaveSheetProduct = 1000,
    kPaperList = 1007,
    kUsePredefined = 1064,
    kLayoutList = 1065,
    kVerticalPitch = 1066,
    kHorizontalPitch = 1067,
    kLeftMargin = 1068,
    kInches = 1069,
    kCm = 1070,
    kMm = 1071,
    kTopMargin = 1072,
    kCardWidth = 1073,
    kCardHeight = 1074,
    kSheetSearch = 1090,  // the search for a sheet product by its maker, part number or size
  };

  // `dpi` is the card's resolution, in which the layout's lengths are print pixels.
  SheetProductGroup(int dpi, PrinterChoice& printer, Prompts& prompts, DataFolder layoutsFolder,
                    QWidget* parent);

  // Opens on `remembered`: its paper when the printer offers it (else the printer's current
  // one), its sheet product or predefined layout while that exists (else, without a word, the
  // default layout centred on the paper) and its unit, the lengths shown as they are (not
  // truncated). Connect the signals first.
  void Open(const SheetProductChoice& remembered);
  // A custom layout takes the card's size (print pixels) and is centred on the paper anew; a
  // product's or a predefined layout stays as it is.
  void FollowCard(QSizeF cardSize);

  const SheetProductChoice& Choice() const { return choice_; }
  const ShownLengths& Shown() const { return shown_; }
  const std::vector<Paper>& Papers() const { return papers_; }
  const std::vector<PageLayout>& Predefined() const { return predefined_; }
  LengthUnit Unit() const;
  // What the message line says about the six edits; empty while each holds a number from 0 to
  // 1000.
  QString EditMessage() const;
  // Moves the focus to the first edit holding a refused value, its text selected.
  void FocusRefusedEdit();

 Q_SIGNALS:
  // The paper in use is settled (step by step as the printer's list is read): the card preview
  // shows the print image anew.
  void paperSettled(const Paper& paper);
  // The layout or the paper changed.
  void changed(const SheetProductChoice& choice);

 private:
  QWidget* BuildLayoutBox();
  QWidget* BuildLengthsBox();

  // Fills the paper list from the current printer; `selection` -1 selects the printer's current
  // paper and applies the paper change. Settles the paper in use.
  bool PopulatePaperSizes(int selection);
  void OnPaperChosen();
  void OnUnitChosen();
  void OnEditChanged(LayoutLength which);
  void OnUsePredefined(bool checked);
  void OnLayoutChosen(int index);
  void OnProductPicked(const SheetProduct& product);
  // Lists `layouts` as the predefined ones and takes the one at `index`.
  void TakePredefined(std::vector<PageLayout> layouts, int index);
  // Takes the remembered sheet product or predefined layout; false when it no longer exists.
  bool RestoreProduct(const SheetProductChoice& remembered);
  // The lengths rounded in the unit chosen, as on opening.
  void ShowLengthsAsOpened();
  // Takes the layout (a predefined one or a product's) with its unit and its paper.
  void ApplyLayout(const PageLayout& layout, LayoutOrigin origin, const QString& product);
  void OnSaveSheetProduct();

  void SelectUnit(LengthUnit unit);
  void ShowLengthsInEdits();
  void ShowEditMessage();
  void SetManualControlsEnabled(bool enabled);
  void Tell(const QString& text);

  const int dpi_;
  PrinterChoice& printer_;
  Prompts& prompts_;
  const DataFolder layoutsFolder_;

  SheetProductChoice choice_;
  ShownLengths shown_{};
  std::array<QString, kLayoutLengthCount> editErrors_;
  std::vector<Paper> papers_;
  std::vector<PageLayout> predefined_;

  QCheckBox* usePredefined_ = nullptr;
  QComboBox* layoutList_ = nullptr;
  SheetProductSearch* sheetSearch_ = nullptr;
  QComboBox* paperList_ = nullptr;
  std::array<QLineEdit*, kLayoutLengthCount> edits_{};
  QButtonGroup* units_ = nullptr;
  QLabel* message_ = nullptr;
  QPushButton* saveSheetProduct_ = nullptr;
};

}  // namespace tavolo
