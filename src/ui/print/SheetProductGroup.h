// The print dialog's sheet and lengths: the printer's papers, the search for a sheet product by
// the part number on its box, the predefined page layouts from the abctmp folder, the card size,
// pitches and margins in inches, cm or mm, and "Save As Template". It keeps the layout and the
// paper in use and tells the dialog each time they change.
#pragma once

#include <array>
#include <vector>

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

// What the group has chosen: the paper the sheet is printed on (while the paper list shows no
// selection, the one selected before) and the layout of the cards on it.
struct SheetProductChoice {
  Paper paper;
  PageLayout layout;
};

class SheetProductGroup : public QWidget {
  Q_OBJECT

 public:
  // The controls' identifiers, kept as their object names.
  enum Control : int {
    kSaveAsTemplate = 1000,
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

  // Starts from the default layout on the printer's current paper, centred on it, and shows the
  // lengths in inches as they are (not truncated). Connect the signals first.
  void Open();

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
  // Takes the layout (a predefined one or a product's) with its unit and its paper.
  void ApplyLayout(const PageLayout& layout);
  void OnSaveAsTemplate();

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
  QPushButton* saveAsTemplate_ = nullptr;
};

}  // namespace tavolo
