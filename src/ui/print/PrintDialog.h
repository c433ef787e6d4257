// "Print Preview": how the cards lie on a sheet, and printing them. The user picks the paper of
// the current printer, sets the card size, the pitches and the margins in inches, cm or mm, finds
// a sheet product by the part number on its box, or takes a predefined page layout from the abctmp
// folder, stores the layout as a new one ("Save As Template"), and prints a number of sheets. The
// card preview shows the print image; the page preview shows the sheet as the layout places the
// cards on it. Each opening starts as the last one closed (PrintDialogMemory) with one copy, on
// the paper chosen in this session if any; a layout not taken from a product follows the card's
// size. Below the lengths, the print
// shop's options (how a card of another size than the layout's fits, bleed, crop marks) and the
// printer's calibration, kept per printer in the user's settings; for a card with a back, "Both
// sides" and the edge the sheet is turned over.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include <QDialog>
#include <QString>

#include "core/base/ProgramFolder.h"
#include "core/card/CardState.h"
#include "core/imaging/RasterImage.h"
#include "core/print/LengthDisplay.h"
#include "core/print/PageLayout.h"
#include "core/print/PaperCatalogue.h"
#include "core/print/SheetJob.h"
#include "ui/print/BothSidesGroup.h"
#include "ui/print/PrintShopGroup.h"
#include "ui/print/SheetProductGroup.h"

class QPushButton;
class QSpinBox;

namespace tavolo {

class DraftCardPreview;
class DraftPagePreview;
class PrinterChoice;
class Prompts;

class PrintDialog : public QDialog {
  Q_OBJECT

 public:
  // The controls' identifiers, kept as their object names; the groups' own among them.
  enum Control : int {
    kCancel = 2,
    kSaveSheetProduct = SheetProductGroup::kSaveSheetProduct,
    kPrint = 1001,
    kPaperList = SheetProductGroup::kPaperList,
    kCardPreview = 1008,
    kPagePreview = 1009,
    kCopies = 1043,  // the copies edit with its spin buttons
    kUsePredefined = SheetProductGroup::kUsePredefined,
    kLayoutList = SheetProductGroup::kLayoutList,
    kVerticalPitch = SheetProductGroup::kVerticalPitch,
    kHorizontalPitch = SheetProductGroup::kHorizontalPitch,
    kLeftMargin = SheetProductGroup::kLeftMargin,
    kInches = SheetProductGroup::kInches,
    kCm = SheetProductGroup::kCm,
    kMm = SheetProductGroup::kMm,
    kTopMargin = SheetProductGroup::kTopMargin,
    kCardWidth = SheetProductGroup::kCardWidth,
    kCardHeight = SheetProductGroup::kCardHeight,
    kUseSheetSize = PrintShopGroup::kUseSheetSize,
    kPrintAtCardSize = PrintShopGroup::kPrintAtCardSize,
    kBleed = PrintShopGroup::kBleed,
    kCropMarks = PrintShopGroup::kCropMarks,
    kOffsetX = PrintShopGroup::kOffsetX,
    kOffsetY = PrintShopGroup::kOffsetY,
    kScale = PrintShopGroup::kScale,
    kPrintCalibrationPage = PrintShopGroup::kPrintCalibrationPage,
    kPdfX = PrintShopGroup::kPdfX,
    kBothSides = BothSidesGroup::kBothSides,
    kDuplexFlip = BothSidesGroup::kDuplexFlip,
    kSheetSearch = SheetProductGroup::kSheetSearch,
  };
  static constexpr int kMaxCopies = 1000;

  // `printImage` is the card's print image (a null one is reported); `dpi` the card's
  // resolution. `prompts` asks the user (messages, the template's name, the PDF file). Predefined
  // layouts are read from `layoutsFolder` and saved to its user's folder.
  PrintDialog(const RasterImage* printImage, int dpi, PrinterChoice& printer, Prompts& prompts,
              QWidget* parent = nullptr, DataFolder layoutsFolder = PageLayoutsFolder());
  ~PrintDialog() override;

  // The PDF file offered when printing to the PDF printer, unless Print Setup named one.
  void SetPdfFileSuggestion(const QString& file) { pdfSuggestion_ = file; }
  // The card at (sheet, cell) when a sheet holds `cardsPerSheet` cards.
  using LaidOutCards = std::function<QImage(int sheet, int cell, int cardsPerSheet)>;
  // Prints `count` cards from `cards` (one per record of a merge) instead of the card in every
  // cell: they fill as many sheets as the layout needs, so the copies box is disabled.
  void PrintCards(LaidOutCards cards, size_t count);
  // Paints the card at (sheet, cell), as shapes and text, into the target rectangle as PaintCard
  // does with `options`.
  using LaidOutPainting =
      std::function<void(QPainter& painter, const QRectF& target, int sheet, int cell,
                         int cardsPerSheet, const CardPaintOptions& options)>;
  // The preview, a printer and a PDF in colour are painted with `painting` (text stays text); a
  // PDF in grey keeps the print images.
  void PaintCardsWith(LaidOutPainting painting);
  // The card has a back: "Both sides" is offered, and when it is checked each sheet is followed
  // by a page of backs mirrored for the chosen edge. `backImage` gives the back's print image as
  // the card stands when it is called (again after "Use the sheet's card size"); a PDF in colour
  // paints the backs with `painting`.
  using BackImage = std::function<QImage()>;
  void PrintBacks(BackImage backImage, LaidOutPainting painting);
  // Gives the card the sheet's card size: records the resized card as one step and returns its
  // new print image.
  using TakeSheetSize = std::function<QImage(const CardState& resized)>;
  // The card printed, so that the dialog can tell when its size differs from the layout's and
  // offer the choice; without `takeSheetSize` (a merge) only its own size is offered.
  void SetCard(const CardState& card, TakeSheetSize takeSheetSize);
  // What the fit line says; empty while the card has the layout's size.
  QString FitMessage() const;

  // What Print prints: the card everywhere, the layout, the paper in use and the copies.
  const SheetJob& Job() const { return job_; }
  const PageLayout& Layout() const { return job_.layout; }
  const ShownLengths& Shown() const;
  const std::vector<Paper>& Papers() const;
  // The paper the preview and the printing use: the selected one, or while the list shows no
  // selection the one selected before.
  const Paper& PaperInUse() const { return job_.paper; }
  const std::vector<PageLayout>& Predefined() const;
  LengthUnit Unit() const;
  // What the message line says about the six edits; empty while each holds a number from 0 to
  // 1000.
  QString EditMessage() const;

  // Keeps the choices for the next opening, whether the dialog printed or not.
  void done(int result) override;

 private:
  void BuildControls();
  QWidget* BuildCardPreviewGroup();
  QWidget* BuildPagePreviewGroup();

  void OnPaperSettled(const Paper& paper);
  void OnSheetProductChanged(const SheetProductChoice& choice);
  void OnPrintShopChanged(const PrintShopChoice& choice);
  void OnPrint();
  void OnUseSheetSize();
  void OnPrintCalibrationPage();
  // The job's backs as the two-sided choice says.
  void TakeBackChoice();
  // Shows or hides the fit choice and the bleed's room as the layout stands now.
  void ShowPrintShopState();
  // The PDF file to write into, asked for; empty when the user cancels.
  QString AskPdfFile(const QString& title);
  // Asks for the PDF file and prints into it; cancelled when no file is given.
  PrintOutcome PrintToPdfFile();

  void RedrawPagePreview();
  void Tell(const QString& text);
  // The cards the grid places on a sheet.
  int CardsPerSheet() const;

  PrinterChoice& printer_;
  Prompts& prompts_;
  QImage printImage_;
  std::optional<CardState> card_;
  TakeSheetSize takeSheetSize_;
  BackImage backImage_;
  QImage backPrintImage_;
  CardPainting backPainting_;
  QString pdfSuggestion_;

  SheetJob job_;
  bool printAtCardSize_ = false;
  bool pdfx_ = false;

  SheetProductGroup* product_ = nullptr;
  PrintShopGroup* shop_ = nullptr;
  BothSidesGroup* bothSides_ = nullptr;
  QSpinBox* copies_ = nullptr;
  QPushButton* print_ = nullptr;
  DraftCardPreview* cardPreview_ = nullptr;
  DraftPagePreview* pagePreview_ = nullptr;
};

}  // namespace tavolo
