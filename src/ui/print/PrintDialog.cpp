#include "ui/print/PrintDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/base/CheckedCall.h"
#include "core/base/Translation.h"
#include "core/pictures/ImageBridge.h"
#include "core/merge/MergedCardSource.h"
#include "core/print/CardFit.h"
#include "core/print/PageLayoutFile.h"
#include "core/print/PageLayoutLibrary.h"
#include "core/print/PaperChange.h"
#include "core/print/SheetCatalogue.h"
#include "core/print/SheetGrid.h"
#include "core/print/SheetPrinting.h"
#include "ui/base/Prompts.h"
#include "ui/controls/ControlPainting.h"
#include "ui/print/CalibrationSettings.h"
#include "ui/print/DraftCardPreview.h"
#include "ui/print/DraftPagePreview.h"
#include "ui/print/SheetProductNameDialog.h"
#include "ui/print/PrintJob.h"
#include "ui/print/PrinterChoice.h"
#include "ui/print/SheetProductSearch.h"

namespace tavolo {

namespace {

struct LengthEdit {
  LayoutLength which;
  int id;
  const char* label;  // with its mnemonic
  int row;
  int column;
};

// The six edits as the dialog lays them out, width beside height.
constexpr std::array<LengthEdit, kLayoutLengthCount> kLengthEdits = {{
    {LayoutLength::kCardWidth, PrintDialog::kCardWidth, QT_TRANSLATE_NOOP("Tavolo", "Card &Width"),
     0, 0},
    {LayoutLength::kCardHeight, PrintDialog::kCardHeight,
     QT_TRANSLATE_NOOP("Tavolo", "Card &Height"), 0, 1},
    {LayoutLength::kHorizontalPitch, PrintDialog::kHorizontalPitch,
     QT_TRANSLATE_NOOP("Tavolo", "Hori&zontal Pitch"), 1, 0},
    {LayoutLength::kVerticalPitch, PrintDialog::kVerticalPitch,
     QT_TRANSLATE_NOOP("Tavolo", "&Vertical Pitch"), 1, 1},
    {LayoutLength::kLeftMargin, PrintDialog::kLeftMargin,
     QT_TRANSLATE_NOOP("Tavolo", "&Left Margin"), 2, 0},
    {LayoutLength::kTopMargin, PrintDialog::kTopMargin, QT_TRANSLATE_NOOP("Tavolo", "&Top Margin"),
     2, 1},
}};

struct UnitButton {
  LengthUnit unit;
  int id;
  const char* label;
};

constexpr std::array<UnitButton, 3> kUnitButtons = {{
    {LengthUnit::kInches, PrintDialog::kInches, QT_TRANSLATE_NOOP("Tavolo", "&inches")},
    {LengthUnit::kCm, PrintDialog::kCm, QT_TRANSLATE_NOOP("Tavolo", "&cm")},
    {LengthUnit::kMm, PrintDialog::kMm, QT_TRANSLATE_NOOP("Tavolo", "m&m")},
}};

// The card preview keeps the print image's proportions, 1062 × 615.
constexpr QSize kCardPreviewSize(266, 154);
// Small enough that, with the print-shop settings below it, the dialog fits 800 pixels.
constexpr QSize kPagePreviewMinimum(380, 380);

QString ControlName(int id) {
  return QString::number(id);
}

QString PlainLabel(const char* label) {
  return Tr(label).remove(QLatin1Char('&'));
}

int Index(LayoutLength which) {
  return static_cast<int>(which);
}

}  // namespace

PrintDialog::PrintDialog(const RasterImage* printImage, int dpi, PrinterChoice& printer,
                         Prompts& prompts, QWidget* parent, DataFolder layoutsFolder)
    : QDialog(parent),
      printer_(printer),
      prompts_(prompts),
      layoutsFolder_(std::move(layoutsFolder)),
      printImage_(printImage ? ToQImage(*printImage) : QImage()) {
  TAVOLO_CHECK_AS("0", printImage != nullptr);
  job_.dpi = dpi;
  job_.cards = SameCardEverywhere(printImage_);
  job_.calibration = LoadCalibration(printer_.PrinterName());
  setWindowTitle(Tr("Print Preview"));
  BuildControls();

  SelectUnit(LengthUnit::kInches);
  shown_ = ShowLengthsUntruncated(job_.layout, job_.dpi);
  ShowLengthsInEdits();
  TAVOLO_CHECK_AS("PopulatePaperSizes()", PopulatePaperSizes(-1));
  // The paper change above shows every length truncated, and an exact 3.54 × 2.05 in card lies
  // just below that as floats; on opening the card's own lengths read as they are.
  shown_ = ShowLengthsUntruncated(job_.layout, job_.dpi);
  ShowLengthsInEdits();

  cardPreview_->SetReady(true);
  pagePreview_->SetReady(true);
  RedrawPagePreview();
}

PrintDialog::~PrintDialog() = default;

void PrintDialog::BuildControls() {
  auto* left = new QVBoxLayout;
  left->addWidget(BuildLayoutGroup());
  left->addWidget(BuildLengthsGroup());
  left->addWidget(BuildCardPreviewGroup());
  left->addStretch(1);

  // The print-shop settings go under the page preview, so that the dialog fits a screen 800
  // pixels high.
  auto* right = new QVBoxLayout;
  right->addWidget(BuildPagePreviewGroup(), 1);
  right->addWidget(BuildPrintShopGroup());

  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right, 1);

  copies_ = new QSpinBox(this);
  copies_->setObjectName(ControlName(kCopies));
  copies_->setRange(1, kMaxCopies);
  copies_->setValue(1);
  copies_->setAccelerated(true);
  copies_->setToolTip(Tr("The number of sheets to print"));
  connect(copies_, &QSpinBox::valueChanged, this, [this](int copies) { job_.sheets = copies; });
  auto* copiesLabel = new QLabel(Tr("C&opies:"), this);
  copiesLabel->setBuddy(copies_);

  auto* buttons = new QDialogButtonBox(this);
  print_ = buttons->addButton(Tr("&Print "), QDialogButtonBox::AcceptRole);
  print_->setObjectName(ControlName(kPrint));
  print_->setDefault(true);
  QPushButton* cancel = buttons->addButton(Tr("Cancel"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(ControlName(kCancel));
  connect(print_, &QPushButton::clicked, this, &PrintDialog::OnPrint);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(copiesLabel);
  bottom->addWidget(copies_);
  bottom->addStretch(1);
  bottom->addWidget(buttons);

  auto* whole = new QVBoxLayout(this);
  whole->addLayout(columns, 1);
  whole->addLayout(bottom);
}

QWidget* PrintDialog::BuildLayoutGroup() {
  auto* group = new QGroupBox(Tr("Sheet"), this);
  usePredefined_ = new QCheckBox(Tr("&Use Predefined Page Layouts"), group);
  usePredefined_->setObjectName(ControlName(kUsePredefined));
  layoutList_ = new QComboBox(group);
  layoutList_->setObjectName(ControlName(kLayoutList));
  layoutList_->setEnabled(false);
  layoutList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  layoutList_->setMinimumContentsLength(24);
  paperList_ = new QComboBox(group);
  paperList_->setObjectName(ControlName(kPaperList));
  paperList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  paperList_->setMinimumContentsLength(24);
  paperList_->setMaxVisibleItems(20);

  auto* layoutLabel = new QLabel(Tr("L&ayout:"), group);
  layoutLabel->setBuddy(layoutList_);
  auto* paperLabel = new QLabel(Tr("Pape&r:"), group);
  paperLabel->setBuddy(paperList_);

  printerName_ = new QLabel(printer_.Description(), group);
  printerName_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  SheetProductSources sources = InstalledSheetProductSources();
  sources.layouts = layoutsFolder_;
  const SheetCatalogue catalogue = LoadSheetCatalogue(sources);
  sheetSearch_ = new SheetProductSearch(catalogue.products, catalogue.errors, group);
  sheetSearch_->setObjectName(ControlName(kSheetSearch));
  auto* searchLabel = new QLabel(Tr("Fin&d sheet:"), group);
  searchLabel->setBuddy(sheetSearch_->Field());

  auto* grid = new QGridLayout(group);
  grid->addWidget(new QLabel(Tr("Printer:"), group), 0, 0);
  grid->addWidget(printerName_, 0, 1);
  grid->addWidget(searchLabel, 1, 0, Qt::AlignTop | Qt::AlignLeft);
  grid->addWidget(sheetSearch_, 1, 1);
  grid->addWidget(usePredefined_, 2, 0, 1, 2);
  grid->addWidget(layoutLabel, 3, 0);
  grid->addWidget(layoutList_, 3, 1);
  grid->addWidget(paperLabel, 4, 0);
  grid->addWidget(paperList_, 4, 1);
  grid->setColumnStretch(1, 1);

  connect(usePredefined_, &QCheckBox::clicked, this, &PrintDialog::OnUsePredefined);
  connect(layoutList_, &QComboBox::activated, this, &PrintDialog::OnLayoutChosen);
  connect(paperList_, &QComboBox::activated, this, &PrintDialog::OnPaperChosen);
  connect(sheetSearch_, &SheetProductSearch::productPicked, this, &PrintDialog::OnProductPicked);
  return group;
}

QWidget* PrintDialog::BuildLengthsGroup() {
  auto* group = new QGroupBox(Tr("Card size and spacing"), this);
  auto* grid = new QGridLayout(group);

  auto* unitRow = new QHBoxLayout;
  unitRow->addWidget(new QLabel(Tr("Units:"), group));
  units_ = new QButtonGroup(group);
  for (const UnitButton& button : kUnitButtons) {
    auto* radio = new QRadioButton(Tr(button.label), group);
    radio->setObjectName(ControlName(button.id));
    units_->addButton(radio, static_cast<int>(button.unit));
    unitRow->addWidget(radio);
  }
  unitRow->addStretch(1);
  grid->addLayout(unitRow, 0, 0, 1, 4);
  connect(units_, &QButtonGroup::idClicked, this, &PrintDialog::OnUnitChosen);

  for (const LengthEdit& entry : kLengthEdits) {
    auto* edit = new QLineEdit(group);
    edit->setObjectName(ControlName(entry.id));
    edit->setAccessibleName(PlainLabel(entry.label));
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000.000")) + 16);
    auto* label = new QLabel(Tr(entry.label), group);
    label->setBuddy(edit);
    grid->addWidget(label, 1 + entry.row, entry.column * 2);
    grid->addWidget(edit, 1 + entry.row, entry.column * 2 + 1);
    edits_[Index(entry.which)] = edit;
    connect(edit, &QLineEdit::textEdited, this,
            [this, which = entry.which] { OnEditChanged(which); });
  }
  grid->setColumnMinimumWidth(2, 80);

  message_ = new QLabel(group);
  message_->setWordWrap(true);
  QPalette warning = message_->palette();
  warning.setColor(QPalette::WindowText, QColor(0xB0, 0x00, 0x20));
  message_->setPalette(warning);
  grid->addWidget(message_, 4, 0, 1, 4);

  saveAsTemplate_ = new QPushButton(Tr("&Save As Template"), group);
  saveAsTemplate_->setObjectName(ControlName(kSaveAsTemplate));
  saveAsTemplate_->setAutoDefault(false);
  connect(saveAsTemplate_, &QPushButton::clicked, this, &PrintDialog::OnSaveAsTemplate);
  grid->addWidget(saveAsTemplate_, 5, 2, 1, 2, Qt::AlignRight);
  return group;
}

QWidget* PrintDialog::BuildCardPreviewGroup() {
  auto* group = new QGroupBox(Tr("Draft Card preview"), this);
  cardPreview_ = new DraftCardPreview(group);
  cardPreview_->setObjectName(ControlName(kCardPreview));
  cardPreview_->setFixedSize(kCardPreviewSize);
  auto* layout = new QHBoxLayout(group);
  layout->addWidget(cardPreview_, 0, Qt::AlignCenter);
  return group;
}

QWidget* PrintDialog::BuildPagePreviewGroup() {
  auto* group = new QGroupBox(Tr("Draft Page Preview"), this);
  pagePreview_ = new DraftPagePreview(job_, group);
  pagePreview_->setObjectName(ControlName(kPagePreview));
  pagePreview_->setMinimumSize(kPagePreviewMinimum);
  auto* layout = new QHBoxLayout(group);
  layout->addWidget(pagePreview_);
  return group;
}

QWidget* PrintDialog::BuildPrintShopGroup() {
  auto* group = new QGroupBox(Tr("Print shop and printer calibration"), this);
  auto* grid = new QGridLayout(group);
  const auto spin = [group](int id, double low, double high, double step, const QString& suffix,
                            double value) {
    auto* box = new QDoubleSpinBox(group);
    box->setObjectName(ControlName(id));
    box->setRange(low, high);
    box->setSingleStep(step);
    box->setDecimals(1);
    box->setSuffix(suffix);
    box->setValue(value);
    return box;
  };
  const auto labelled = [group](const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, group);
    label->setBuddy(buddy);
    return label;
  };

  // Each message takes up to two lines; the group keeps room for them.
  const int twoLines = 2 * fontMetrics().lineSpacing();
  fitMessage_ = new QLabel(group);
  fitMessage_->setWordWrap(true);
  fitMessage_->setMinimumHeight(twoLines);
  // Taking the sheet's size changes the card (one step to undo); printing at the card's own
  // size is a choice for this printing only.
  useSheetSize_ = new QPushButton(Tr("Use the sheet's card size"), group);
  useSheetSize_->setObjectName(ControlName(kUseSheetSize));
  useSheetSize_->setAutoDefault(false);
  printAtCardSize_ = new QCheckBox(Tr("Print at the card's size"), group);
  printAtCardSize_->setObjectName(ControlName(kPrintAtCardSize));
  grid->addWidget(fitMessage_, 0, 0, 1, 4);
  grid->addWidget(useSheetSize_, 1, 0, 1, 2);
  grid->addWidget(printAtCardSize_, 1, 2, 1, 2);
  connect(useSheetSize_, &QPushButton::clicked, this, &PrintDialog::OnUseSheetSize);

  bleed_ = spin(kBleed, 0.0, kMaxBleedMm, 0.5, QStringLiteral(" mm"), 0.0);
  bleed_->setToolTip(Tr("How far the card's edges are printed past the cut"));
  cropMarks_ = new QCheckBox(Tr("Crop mar&ks"), group);
  cropMarks_->setObjectName(ControlName(kCropMarks));
  grid->addWidget(labelled(Tr("&Bleed:"), bleed_), 2, 0);
  grid->addWidget(bleed_, 2, 1);
  grid->addWidget(cropMarks_, 2, 2, 1, 2);
  connect(bleed_, &QDoubleSpinBox::valueChanged, this, [this](double mm) {
    job_.shop.bleedMm = mm;
    RedrawPagePreview();
  });
  connect(cropMarks_, &QCheckBox::toggled, this, [this](bool on) {
    job_.shop.cropMarks = on;
    RedrawPagePreview();
  });

  const PrinterCalibration& calibration = job_.calibration;
  offsetX_ = spin(kOffsetX, -kMaxCalibrationOffsetMm, kMaxCalibrationOffsetMm, 0.1,
                  QStringLiteral(" mm"), calibration.offsetXMm);
  offsetY_ = spin(kOffsetY, -kMaxCalibrationOffsetMm, kMaxCalibrationOffsetMm, 0.1,
                  QStringLiteral(" mm"), calibration.offsetYMm);
  scale_ = spin(kScale, kMinCalibrationScalePercent, kMaxCalibrationScalePercent, 0.1,
                QStringLiteral(" %"), calibration.scalePercent);
  grid->addWidget(labelled(Tr("Offset &X:"), offsetX_), 3, 0);
  grid->addWidget(offsetX_, 3, 1);
  grid->addWidget(labelled(Tr("Offset &Y:"), offsetY_), 3, 2);
  grid->addWidget(offsetY_, 3, 3);
  grid->addWidget(labelled(Tr("Scal&e:"), scale_), 4, 0);
  grid->addWidget(scale_, 4, 1);
  for (QDoubleSpinBox* box : {offsetX_, offsetY_, scale_}) {
    connect(box, &QDoubleSpinBox::valueChanged, this, &PrintDialog::OnCalibrationChanged);
  }
  auto* calibrationPage = new QPushButton(Tr("Print Calibration Pa&ge"), group);
  calibrationPage->setObjectName(ControlName(kPrintCalibrationPage));
  calibrationPage->setAutoDefault(false);
  connect(calibrationPage, &QPushButton::clicked, this, &PrintDialog::OnPrintCalibrationPage);
  grid->addWidget(calibrationPage, 4, 2, 1, 2, Qt::AlignRight);

  bothSides_ = new QCheckBox(Tr("Both sides"), group);
  bothSides_->setObjectName(ControlName(kBothSides));
  bothSides_->setEnabled(false);
  bothSides_->setToolTip(Tr("Each sheet is followed by a page of the cards' backs"));
  duplexFlip_ = new QComboBox(group);
  duplexFlip_->setObjectName(ControlName(kDuplexFlip));
  duplexFlip_->addItem(Tr("Long edge"), static_cast<int>(DuplexFlip::kLongEdge));
  duplexFlip_->addItem(Tr("Short edge"), static_cast<int>(DuplexFlip::kShortEdge));
  duplexFlip_->setToolTip(Tr("The edge the printer turns the sheet over"));
  duplexFlip_->setEnabled(false);
  grid->addWidget(bothSides_, 5, 0, 1, 2);
  grid->addWidget(duplexFlip_, 5, 2, 1, 2);
  connect(bothSides_, &QCheckBox::toggled, this, &PrintDialog::TakeBackChoice);
  connect(duplexFlip_, &QComboBox::currentIndexChanged, this, &PrintDialog::TakeBackChoice);

  shopMessage_ = new QLabel(group);
  shopMessage_->setWordWrap(true);
  shopMessage_->setMinimumHeight(twoLines);
  shopMessage_->setPalette(message_->palette());
  grid->addWidget(shopMessage_, 6, 0, 1, 4);
  return group;
}

LengthUnit PrintDialog::Unit() const {
  const int sel = units_->checkedId();
  TAVOLO_CHECK_AS("sel>=0 && sel<=2", sel >= 0 && sel <= 2);
  return LengthUnitFromStored(sel);
}

QString PrintDialog::EditMessage() const {
  for (const LengthEdit& entry : kLengthEdits) {
    const QString& error = editErrors_[Index(entry.which)];
    if (!error.isEmpty()) return PlainLabel(entry.label) + QStringLiteral(": ") + error;
  }
  return {};
}

bool PrintDialog::PopulatePaperSizes(int selection) {
  papers_ = printer_.Papers();
  const bool hasPapers = TAVOLO_CHECK_AS("numberOfSizes > 0", !papers_.empty());
  // After Retry the standard sizes stand in for the printer's, so that the dialog stays usable.
  if (!hasPapers) papers_ = PaperCatalogue();

  const QSignalBlocker blocker(paperList_);
  paperList_->clear();
  for (const Paper& paper : papers_) paperList_->addItem(paper.name);
  const bool selected = selection >= 0 && selection < paperList_->count();
  paperList_->setCurrentIndex(selected ? selection : 0);
  TAVOLO_CHECK_AS("m_PaperSelection.SetCurSel(0) != (-1)", paperList_->currentIndex() != -1);
  if (!selected) {
    // A printer whose current paper is missing from its own list keeps the first one.
    const int curSel = FindPaperMatching(papers_, printer_.CurrentPageSize());
    if (curSel >= 0) paperList_->setCurrentIndex(curSel);
    OnPaperChosen();
    return true;
  }

  job_.paper = papers_[static_cast<size_t>(paperList_->currentIndex())];
  paperList_->setPlaceholderText(QString());
  paperList_->setToolTip(QString());
  cardPreview_->SetImage(printImage_);
  TAVOLO_CHECK_AS("m_imprv.RedrawWindow()!=0", RedrawNow(*cardPreview_));
  return true;
}

void PrintDialog::OnPaperChosen() {
  TAVOLO_CHECK_AS("PopulatePaperSizes(m_PaperSelection.GetCurSel())",
                  PopulatePaperSizes(paperList_->currentIndex()));
  shown_ = ApplyPaperChange(job_.layout, job_.paper.id, job_.paper.WholeMm(), job_.dpi);
  SelectUnit(LengthUnit::kInches);
  RedrawPagePreview();
  ShowLengthsInEdits();
}

void PrintDialog::OnUnitChosen() {
  const LengthUnit unit = Unit();
  shown_ = ShowLengths(job_.layout, job_.dpi, unit);
  job_.layout.unit = static_cast<int32_t>(unit);
  ShowLengthsInEdits();
}

void PrintDialog::OnEditChanged(LayoutLength which) {
  for (const LayoutLength length : kLayoutLengths) {
    const ParsedLength parsed = ParseShownLength(edits_[Index(length)]->text(), locale());
    editErrors_[Index(length)] = parsed.message;
    if (parsed.value) At(shown_, length) = *parsed.value;
  }
  // A refused value leaves the layout's length as it was.
  if (editErrors_[Index(which)].isEmpty()) {
    LengthOf(job_.layout, which) = FromDisplay(At(shown_, which), job_.dpi, Unit());
  }
  ShowEditMessage();
  RedrawPagePreview();
}

void PrintDialog::OnUsePredefined(bool checked) {
  layoutList_->clear();
  predefined_.clear();
  if (!checked) {
    layoutList_->setEnabled(false);
    SetManualControlsEnabled(true);
    return;
  }
  const PageLayoutListing listing = ReadPageLayouts(layoutsFolder_);
  predefined_ = PredefinedListOrder(listing.layouts);
  for (const PageLayout& layout : predefined_) layoutList_->addItem(layout.name);
  const int i = static_cast<int>(predefined_.size());
  const int i2 = layoutList_->count();
  TAVOLO_CHECK_AS("i2==i", i2 == i);
  if (!listing.errors.empty()) {
    QString text = Tr("Some page layouts could not be read:");
    for (const std::string& error : listing.errors) {
      text += QLatin1Char('\n') + QString::fromStdString(error);
    }
    Tell(text);
  }
  if (predefined_.empty()) {
    // Nothing to choose from: the layout stays as it is and can still be set by hand.
    usePredefined_->setChecked(false);
    Tell(Tr("No page layouts were found in %1.")
             .arg(QDir::toNativeSeparators(
                 QString::fromStdString(layoutsFolder_.shipped.string()))));
    return;
  }
  layoutList_->setCurrentIndex(0);
  OnLayoutChosen(0);
  layoutList_->setEnabled(true);
  SetManualControlsEnabled(false);
}

void PrintDialog::OnLayoutChosen(int index) {
  const int n = index;
  TAVOLO_CHECK_AS("n != -1", n != -1);
  if (n < 0 || n >= static_cast<int>(predefined_.size())) return;
  ApplyLayout(predefined_[static_cast<size_t>(n)]);
}

void PrintDialog::OnProductPicked(const SheetProduct& product) {
  const PageLayout layout = LayoutOf(product, job_.dpi);
  if (usePredefined_->isChecked()) {
    layoutList_->setCurrentIndex(FindPageLayout(predefined_, layout.name));
  }
  ApplyLayout(layout);
}

void PrintDialog::ApplyLayout(const PageLayout& layout) {
  job_.layout = layout;
  const int paper = FindPaperById(papers_, job_.layout.paper);
  const LengthUnit unit = LengthUnitFromStored(job_.layout.unit);
  SelectUnit(unit);
  shown_ = ShowLengths(job_.layout, job_.dpi, unit);
  ShowLengthsInEdits();
  if (paper >= 0) {
    paperList_->setCurrentIndex(paper);
    TAVOLO_CHECK_AS("PopulatePaperSizes(m_PaperSelection.GetCurSel())",
                    PopulatePaperSizes(paperList_->currentIndex()));
  } else {
    // The sheet stays on the paper selected before.
    const QSignalBlocker blocker(paperList_);
    paperList_->setCurrentIndex(-1);
    const QString inUse = Tr("%1 (the layout's paper is not offered)").arg(job_.paper.name);
    paperList_->setPlaceholderText(inUse);
    paperList_->setToolTip(inUse);
  }
  RedrawPagePreview();
}

void PrintDialog::OnSaveAsTemplate() {
  SheetProductNameDialog ask(this);
  if (prompts_.Run(ask) != QDialog::Accepted) return;
  job_.layout.name = ask.Name();
  if (IsLayoutFileName(job_.layout.name)) {
    const std::filesystem::path file =
        layoutsFolder_.user /
        (job_.layout.name + QString::fromLatin1(kPageLayoutExtension)).toStdString();
    std::error_code ignored;
    if (std::filesystem::exists(file, ignored) &&
        prompts_.AskYesNoCancel(
            this,
            Tr("A page layout named \"%1\" exists already. Replace it?").arg(job_.layout.name)) !=
            QMessageBox::Yes) {
      return;
    }
  }
  const Outcome<std::filesystem::path> written =
      SaveSheetProduct(layoutsFolder_.user, job_.layout);
  if (!written) Tell(QString::fromStdString(written.Message()));
}

int PrintDialog::CardsPerSheet() const {
  return ComputeGrid(job_.layout, job_.paper.WholeMm(), job_.dpi).CardCount();
}

void PrintDialog::PrintCards(LaidOutCards cards, size_t count) {
  // The layout can change while the dialog is open: each cell asks for the count it has now.
  job_.cards = [this, cards = std::move(cards)](int sheet, int cell) {
    return cards(sheet, cell, CardsPerSheet());
  };
  cardCount_ = count;
  copies_->setEnabled(false);
  RedrawPagePreview();
}

void PrintDialog::PaintCardsWith(LaidOutPainting painting) {
  job_.paintedCards = [this, painting = std::move(painting)](
                          QPainter& painter, const QRectF& target, int sheet, int cell) {
    painting(painter, target, sheet, cell, CardsPerSheet());
  };
}

void PrintDialog::PrintBacks(BackImage backImage, LaidOutPainting painting) {
  backImage_ = std::move(backImage);
  backPrintImage_ = backImage_();
  backPainting_ = [this, painting = std::move(painting)](QPainter& painter, const QRectF& target,
                                                         int sheet, int cell) {
    painting(painter, target, sheet, cell, CardsPerSheet());
  };
  bothSides_->setEnabled(true);
  TakeBackChoice();
}

void PrintDialog::TakeBackChoice() {
  const bool both = bothSides_->isChecked() && backImage_;
  duplexFlip_->setEnabled(both);
  job_.backs = {};
  if (both) {
    job_.backs = {static_cast<DuplexFlip>(duplexFlip_->currentData().toInt()),
                  SameCardEverywhere(backPrintImage_), backPainting_};
  }
  RedrawPagePreview();
}

void PrintDialog::SetCard(const CardState& card, TakeSheetSize takeSheetSize) {
  card_ = card;
  takeSheetSize_ = std::move(takeSheetSize);
  job_.cardSize = QSizeF(card.cardWidth, card.cardHeight);
  RedrawPagePreview();
}

QString PrintDialog::FitMessage() const {
  if (!card_ || !CardDiffersFromLayout(*card_, job_.layout)) return {};
  const QString sizes = QString::fromStdString(CardAndLayoutSizes(*card_, job_.layout));
  return sizes.left(1).toUpper() + sizes.mid(1) + QLatin1Char('.');
}

void PrintDialog::OnUseSheetSize() {
  if (!card_ || !takeSheetSize_) return;
  card_ = FittedToLayout(*card_, job_.layout);
  printImage_ = takeSheetSize_(*card_);
  job_.cardSize = QSizeF(card_->cardWidth, card_->cardHeight);
  if (cardCount_ == 0) job_.cards = SameCardEverywhere(printImage_);
  if (backImage_) {
    backPrintImage_ = backImage_();
    TakeBackChoice();
  }
  cardPreview_->SetImage(printImage_);
  cardPreview_->update();
  RedrawPagePreview();
}

void PrintDialog::OnCalibrationChanged() {
  job_.calibration = Clamped({offsetX_->value(), offsetY_->value(), scale_->value()});
  SaveCalibration(printer_.PrinterName(), job_.calibration);
  RedrawPagePreview();
}

void PrintDialog::OnPrintCalibrationPage() {
  QString file;
  if (printer_.IsPdf()) {
    file = AskPdfFile(Tr("Print Calibration Page to PDF"));
    if (file.isEmpty()) return;
  }
  const PrintOutcome printed =
      PrintCalibrationPageOn(printer_, file, job_.paper, job_.calibration);
  if (!printed) Tell(QString::fromStdString(printed.Message()));
}

void PrintDialog::ShowPrintShopState() {
  const QString fit = FitMessage();
  fitMessage_->setText(fit);
  for (QWidget* widget : {static_cast<QWidget*>(fitMessage_), static_cast<QWidget*>(useSheetSize_),
                          static_cast<QWidget*>(printAtCardSize_)}) {
    widget->setVisible(!fit.isEmpty());
  }
  useSheetSize_->setEnabled(static_cast<bool>(takeSheetSize_));
  const Outcome<> room = CheckBleedRoom(job_);
  shopMessage_->setText(room ? QString() : QString::fromStdString(room.Message()));
}

void PrintDialog::OnPrint() {
  const QString refused = EditMessage();
  if (!refused.isEmpty()) {
    Tell(refused);
    for (const LayoutLength length : kLayoutLengths) {
      if (!editErrors_[Index(length)].isEmpty()) {
        edits_[Index(length)]->setFocus();
        edits_[Index(length)]->selectAll();
        break;
      }
    }
    return;
  }
  if (!FitMessage().isEmpty() && !printAtCardSize_->isChecked()) {
    Tell(Tr("The card and the sheet's cards differ in size: choose \"Use the sheet's "
                        "card size\" or \"Print at the card's size\"."));
    return;
  }
  if (cardCount_ > 0) {
    job_.sheets = MergeSheetCount(cardCount_, CardsPerSheet());
  }
  // A job that cannot print is told before a PDF's name is asked for.
  if (const Outcome<> possible = CheckSheetJob(job_); !possible) {
    Tell(QString::fromStdString(possible.Message()));
    return;
  }
  const PrintOutcome result =
      printer_.IsPdf() ? PrintToPdfFile() : PrintSheetJobOnPrinter(this, printer_, job_);
  if (!result) {
    Tell(QString::fromStdString(result.Message()));
  } else if (result.Value() == PrintCompletion::kPrinted) {
    accept();
  }
}

QString PrintDialog::AskPdfFile(const QString& title) {
  const QString offered =
      printer_.PdfFileName().isEmpty() ? pdfSuggestion_ : printer_.PdfFileName();
  return prompts_.SaveFileName(this, {title, Tr("PDF files (*.pdf)"), QStringLiteral("pdf"),
                                      offered, FileKind::kPdf});
}

PrintOutcome PrintDialog::PrintToPdfFile() {
  const QString file = AskPdfFile(Tr("Print to PDF"));
  if (file.isEmpty()) return PrintCompletion::kCancelled;
  return PrintSheetJobToPdf(this, printer_, file, job_);
}

void PrintDialog::SelectUnit(LengthUnit unit) {
  units_->button(static_cast<int>(unit))->setChecked(true);
}

void PrintDialog::ShowLengthsInEdits() {
  for (const LayoutLength length : kLayoutLengths) {
    edits_[Index(length)]->setText(DisplayText(At(shown_, length), locale()));
    editErrors_[Index(length)].clear();
  }
  ShowEditMessage();
}

void PrintDialog::ShowEditMessage() {
  message_->setText(EditMessage());
}

void PrintDialog::SetManualControlsEnabled(bool enabled) {
  for (QLineEdit* edit : edits_) edit->setEnabled(enabled);
  for (QAbstractButton* button : units_->buttons()) button->setEnabled(enabled);
  paperList_->setEnabled(enabled);
  saveAsTemplate_->setEnabled(enabled);
}

void PrintDialog::RedrawPagePreview() {
  ShowPrintShopState();
  pagePreview_->update();
}

void PrintDialog::Tell(const QString& text) {
  prompts_.Tell(this, text, QMessageBox::Warning);
}

}  // namespace tavolo
