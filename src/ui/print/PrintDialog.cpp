#include "ui/print/PrintDialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/base/CheckedCall.h"
#include "core/base/Translation.h"
#include "core/merge/MergedCardSource.h"
#include "core/pictures/ImageBridge.h"
#include "core/print/CardFit.h"
#include "core/print/SheetGrid.h"
#include "core/print/SheetPrinting.h"
#include "ui/base/DialogLabels.h"
#include "ui/base/Prompts.h"
#include "ui/controls/ControlPainting.h"
#include "ui/print/CalibrationSettings.h"
#include "ui/print/DraftCardPreview.h"
#include "ui/print/DraftPagePreview.h"
#include "ui/print/PrintDialogMemory.h"
#include "ui/print/PrintJob.h"
#include "ui/print/PrinterChoice.h"

namespace tavolo {

namespace {

// The card preview keeps the print image's proportions, 1062 × 615.
constexpr QSize kCardPreviewSize(266, 154);
// Small enough that, with the print-shop settings below it, the dialog fits 800 pixels.
constexpr QSize kPagePreviewMinimum(380, 380);

}  // namespace

PrintDialog::PrintDialog(const RasterImage* printImage, int dpi, PrinterChoice& printer,
                         Prompts& prompts, QWidget* parent, DataFolder layoutsFolder)
    : QDialog(parent),
      printer_(printer),
      prompts_(prompts),
      printImage_(printImage ? ToQImage(*printImage) : QImage()) {
  TAVOLO_CHECK_AS("0", printImage != nullptr);
  job_.dpi = dpi;
  job_.cards = SameCardEverywhere(printImage_);
  job_.calibration = LoadCalibration(printer_.PrinterName());
  setWindowTitle(Tr("Print Preview"));
  product_ = new SheetProductGroup(dpi, printer_, prompts_, std::move(layoutsFolder), this);
  shop_ = new PrintShopGroup(job_.calibration, this);
  shop_->OfferPdfX(printer_.IsPdf());
  bothSides_ = new BothSidesGroup(this);
  BuildControls();
  connect(product_, &SheetProductGroup::paperSettled, this, &PrintDialog::OnPaperSettled);
  connect(product_, &SheetProductGroup::changed, this, &PrintDialog::OnSheetProductChanged);
  connect(shop_, &PrintShopGroup::changed, this, &PrintDialog::OnPrintShopChanged);
  connect(shop_, &PrintShopGroup::calibrationChanged, this,
          [this](const PrinterCalibration& calibration) {
            SaveCalibration(printer_.PrinterName(), calibration);
          });
  connect(shop_, &PrintShopGroup::useSheetSizeClicked, this, &PrintDialog::OnUseSheetSize);
  connect(shop_, &PrintShopGroup::calibrationPageClicked, this,
          &PrintDialog::OnPrintCalibrationPage);
  connect(bothSides_, &BothSidesGroup::changed, this, &PrintDialog::TakeBackChoice);

  const PrintDialogMemory memory = PrintDialogMemory::Load();
  SheetProductChoice opening = memory.sheet;
  // A paper chosen since (in Print Setup) is the one to print on.
  if (printer_.HasChosenPageSize()) opening.paper = {};
  product_->Open(opening);
  shop_->Restore(memory.shop);
  bothSides_->Restore(memory.bothSides);
  cardPreview_->SetReady(true);
  pagePreview_->SetReady(true);
  RedrawPagePreview();
}

PrintDialog::~PrintDialog() = default;

void PrintDialog::done(int result) {
  PrintDialogMemory{product_->Choice(), job_.shop, bothSides_->Setting()}.Save();
  printer_.SetPageSize(job_.paper.pageSize);
  QDialog::done(result);
}

void PrintDialog::BuildControls() {
  auto* left = new QVBoxLayout;
  left->addWidget(product_);
  left->addWidget(BuildCardPreviewGroup());
  left->addStretch(1);

  // The print-shop settings go under the page preview, so that the dialog fits a screen 800
  // pixels high.
  auto* right = new QVBoxLayout;
  right->addWidget(BuildPagePreviewGroup(), 1);
  right->addWidget(shop_);
  right->addWidget(bothSides_);

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

  auto* buttons = new QDialogButtonBox(this);
  print_ = buttons->addButton(Tr("&Print "), QDialogButtonBox::AcceptRole);
  print_->setObjectName(ControlName(kPrint));
  print_->setDefault(true);
  QPushButton* cancel = buttons->addButton(Tr("Cancel"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(ControlName(kCancel));
  connect(print_, &QPushButton::clicked, this, &PrintDialog::OnPrint);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(MakeLabel(this, Tr("C&opies:"), copies_));
  bottom->addWidget(copies_);
  bottom->addStretch(1);
  bottom->addWidget(buttons);

  auto* whole = new QVBoxLayout(this);
  whole->addLayout(columns, 1);
  whole->addLayout(bottom);
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

const ShownLengths& PrintDialog::Shown() const {
  return product_->Shown();
}

const std::vector<Paper>& PrintDialog::Papers() const {
  return product_->Papers();
}

const std::vector<PageLayout>& PrintDialog::Predefined() const {
  return product_->Predefined();
}

LengthUnit PrintDialog::Unit() const {
  return product_->Unit();
}

QString PrintDialog::EditMessage() const {
  return product_->EditMessage();
}

void PrintDialog::OnPaperSettled(const Paper& paper) {
  job_.paper = paper;
  cardPreview_->SetImage(printImage_);
  TAVOLO_CHECK_AS("m_imprv.RedrawWindow()!=0", RedrawNow(*cardPreview_));
}

void PrintDialog::OnSheetProductChanged(const SheetProductChoice& choice) {
  job_.paper = choice.paper;
  job_.layout = choice.layout;
  RedrawPagePreview();
}

void PrintDialog::OnPrintShopChanged(const PrintShopChoice& choice) {
  printAtCardSize_ = choice.printAtCardSize;
  pdfx_ = choice.pdfx;
  job_.shop = choice.shop;
  job_.calibration = choice.calibration;
  RedrawPagePreview();
}

int PrintDialog::CardsPerSheet() const {
  return CardCount(ComputeGrid(job_.layout, job_.paper.WholeMm(), job_.dpi));
}

void PrintDialog::PrintCards(LaidOutCards cards, size_t count) {
  // The layout can change while the dialog is open: each cell asks for the count it has now.
  job_.cards = [this, cards = std::move(cards)](int sheet, int cell) {
    return cards(sheet, cell, CardsPerSheet());
  };
  job_.cardCount = count;
  copies_->setEnabled(false);
  RedrawPagePreview();
}

void PrintDialog::PaintCardsWith(LaidOutPainting painting) {
  job_.paintedCards = [this, painting = std::move(painting)](
                          QPainter& painter, const QRectF& target, int sheet, int cell,
                          const CardPaintOptions& options) {
    painting(painter, target, sheet, cell, CardsPerSheet(), options);
  };
}

void PrintDialog::PrintBacks(BackImage backImage, LaidOutPainting painting) {
  backImage_ = std::move(backImage);
  backPrintImage_ = backImage_();
  backPainting_ = [this, painting = std::move(painting)](QPainter& painter, const QRectF& target,
                                                         int sheet, int cell,
                                                         const CardPaintOptions& options) {
    painting(painter, target, sheet, cell, CardsPerSheet(), options);
  };
  bothSides_->Offer();
  TakeBackChoice();
}

void PrintDialog::TakeBackChoice() {
  const DuplexFlip flip = bothSides_->Choice().JobFlip();
  job_.backs = {};
  if (flip != DuplexFlip::kNone && backImage_) {
    job_.backs = {flip, SameCardEverywhere(backPrintImage_), backPainting_};
  }
  RedrawPagePreview();
}

void PrintDialog::SetCard(const CardState& card, TakeSheetSize takeSheetSize) {
  card_ = card;
  takeSheetSize_ = std::move(takeSheetSize);
  job_.cardSize = QSizeF(card.cardWidth, card.cardHeight);
  product_->FollowCard(job_.cardSize);
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
  if (job_.cardCount == 0) job_.cards = SameCardEverywhere(printImage_);
  if (backImage_) {
    backPrintImage_ = backImage_();
    TakeBackChoice();
  }
  cardPreview_->SetImage(printImage_);
  cardPreview_->update();
  RedrawPagePreview();
}

void PrintDialog::OnPrintCalibrationPage() {
  QString file;
  if (printer_.IsPdf()) {
    file = AskPdfFile(Tr("Print Calibration Page to PDF"));
    if (file.isEmpty()) return;
  }
  const PrintOutcome printed = PrintCalibrationPageOn(printer_, file, job_.paper, job_.calibration);
  if (!printed) Tell(QString::fromStdString(printed.Message()));
}

void PrintDialog::ShowPrintShopState() {
  const Outcome<> room = CheckBleedRoom(job_);
  shop_->ShowState(FitMessage(), static_cast<bool>(takeSheetSize_),
                   room ? QString() : QString::fromStdString(room.Message()));
}

void PrintDialog::OnPrint() {
  const QString refused = EditMessage();
  if (!refused.isEmpty()) {
    Tell(refused);
    product_->FocusRefusedEdit();
    return;
  }
  if (!FitMessage().isEmpty() && !printAtCardSize_) {
    Tell(
        Tr("The card and the sheet's cards differ in size: choose \"Use the sheet's "
           "card size\" or \"Print at the card's size\"."));
    return;
  }
  if (job_.cardCount > 0) {
    job_.sheets = MergeSheetCount(job_.cardCount, CardsPerSheet());
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
  return prompts_.SaveFileName(
      this, {title, Tr("PDF files (*.pdf)"), QStringLiteral("pdf"), offered, FileKind::kPdf});
}

PrintOutcome PrintDialog::PrintToPdfFile() {
  const QString file = AskPdfFile(Tr("Print to PDF"));
  if (file.isEmpty()) return PrintCompletion::kCancelled;
  return PrintSheetJobToPdf(this, printer_, file, job_, pdfx_);
}

void PrintDialog::RedrawPagePreview() {
  ShowPrintShopState();
  pagePreview_->update();
}

void PrintDialog::Tell(const QString& text) {
  prompts_.Tell(this, text, QMessageBox::Warning);
}

}  // namespace tavolo
