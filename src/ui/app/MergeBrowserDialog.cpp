#include "ui/app/MergeBrowserDialog.h"

#include <algorithm>

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/base/Translation.h"
#include "core/card/CardFaces.h"
#include "core/pictures/ImageBridge.h"
#include "core/card/CardLimits.h"
#include "core/render/CardVectorPainter.h"
#include "core/formats/ExportFormats.h"
#include "core/formats/ImageFileTypes.h"
#include "core/merge/MergeExport.h"
#include "core/merge/MergedCard.h"
#include "core/merge/MergedCardSource.h"
#include "core/merge/RecordFileNames.h"
#include "ui/base/Prompts.h"
#include "ui/dialogs/ExportDialog.h"
#include "ui/print/PrintDialog.h"

namespace tavolo {

namespace {

// The preview is drawn at about this width, as the main window's card is.
constexpr int kPreviewWidth = 531;

QString LeftOutText(const std::vector<RecordProblem>& problems) {
  if (problems.empty()) return {};
  QStringList lines;
  for (const RecordProblem& problem : problems) {
    lines.push_back(
        Tr("line %1: %2").arg(problem.line).arg(QString::fromStdString(problem.message)));
  }
  return Tr("%1 record(s) left out (%2).")
      .arg(problems.size())
      .arg(lines.join(QStringLiteral("; ")));
}

}  // namespace

MergeBrowserDialog::MergeBrowserDialog(const CardState& card, const BackgroundTable* table,
                                       DataFolder photoFolder, MergeRecords records,
                                       PrinterChoice& printer, Prompts& prompts, QWidget* parent)
    : QDialog(parent),
      card_(card),
      renderer_(table, photoFolder),
      backRenderer_(table, std::move(photoFolder)),
      records_(std::move(records)),
      printer_(printer),
      prompts_(prompts) {
  setWindowTitle(Tr("Merge"));
  auto* layout = new QVBoxLayout(this);
  picture_ = new QLabel(this);
  picture_->setAlignment(Qt::AlignCenter);
  picture_->setMinimumSize(kPreviewWidth, kPreviewWidth * 615 / 1062);
  layout->addWidget(picture_);
  position_ = new QLabel(this);
  position_->setAlignment(Qt::AlignCenter);
  layout->addWidget(position_);
  if (!records_.problems.empty()) {
    auto* leftOut = new QLabel(LeftOutText(records_.problems), this);
    leftOut->setWordWrap(true);
    layout->addWidget(leftOut);
  }
  auto* browse = new QHBoxLayout;
  first_ = new QPushButton(Tr("&First"), this);
  previous_ = new QPushButton(Tr("&Previous"), this);
  next_ = new QPushButton(Tr("&Next"), this);
  last_ = new QPushButton(Tr("&Last"), this);
  for (QPushButton* button : {first_, previous_, next_, last_}) {
    button->setAutoDefault(false);
    browse->addWidget(button);
  }
  layout->addLayout(browse);
  connect(first_, &QPushButton::clicked, this, [this] { ShowRecord(0); });
  connect(previous_, &QPushButton::clicked, this, [this] { ShowRecord(current_ - 1); });
  connect(next_, &QPushButton::clicked, this, [this] { ShowRecord(current_ + 1); });
  connect(last_, &QPushButton::clicked, this, [this] { ShowRecord(RecordCount() - 1); });

  auto* actions = new QHBoxLayout;
  print_ = new QPushButton(Tr("P&rint..."), this);
  export_ = new QPushButton(Tr("&Export..."), this);
  auto* close = new QPushButton(Tr("Close"), this);
  close->setObjectName(QStringLiteral("2"));
  actions->addWidget(print_);
  actions->addWidget(export_);
  actions->addStretch();
  actions->addWidget(close);
  layout->addLayout(actions);
  connect(print_, &QPushButton::clicked, this, &MergeBrowserDialog::OnPrint);
  connect(export_, &QPushButton::clicked, this, &MergeBrowserDialog::OnExport);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  ShowRecord(0);
}

void MergeBrowserDialog::ShowRecord(int index) {
  current_ = std::clamp(index, 0, RecordCount() - 1);
  const CardPixelSize size = CardPixels(card_.cardWidth, card_.cardHeight);
  const int divisor = std::max(1, (size.width + kPreviewWidth - 1) / kPreviewWidth);
  preview_ = size.Ok() ? renderer_.Render(MergedCard(card_, records_.records[current_].details),
                                          divisor, size.width / divisor, size.height / divisor)
                       : QImage();
  picture_->setPixmap(QPixmap::fromImage(preview_));
  position_->setText(Tr("Record %1 of %2").arg(current_ + 1).arg(RecordCount()));
  first_->setEnabled(current_ > 0);
  previous_->setEnabled(current_ > 0);
  next_->setEnabled(current_ < RecordCount() - 1);
  last_->setEnabled(current_ < RecordCount() - 1);
}

void MergeBrowserDialog::OnPrint() {
  if (card_.dpi <= 0) {
    prompts_.Tell(this,
                  Tr("The card's resolution is %1 dpi. Set a resolution above 0 in "
                     "the card's properties before printing.")
                      .arg(card_.dpi),
                  QMessageBox::Warning);
    return;
  }
  const RasterImage first =
      renderer_.RenderPrintImage(MergedCard(card_, records_.records.front().details));
  MergedCardSource cards(renderer_, card_, records_.records);
  PrintDialog dialog(&first, card_.dpi, printer_, prompts_, this);
  // The merged cards are printed as they are: a merge cannot take the sheet's size.
  dialog.SetCard(card_, {});
  dialog.PrintCards(
      [&cards](int sheet, int cell, int perSheet) { return cards.Card(sheet, cell, perSheet); },
      records_.records.size());
  dialog.PaintCardsWith([&cards](QPainter& painter, const QRectF& target, int sheet, int cell,
                                 int perSheet, const CardPaintOptions& options) {
    cards.Paint(painter, target, sheet, cell, perSheet, options);
  });
  if (card_.back.Has()) {
    const CardState back = BackFaceOf(card_);
    dialog.PrintBacks([this, back] { return ToQImage(backRenderer_.RenderPrintImage(back)); },
                      [this, back](QPainter& painter, const QRectF& target, int, int, int,
                                   const CardPaintOptions& options) {
                        PaintCard(backRenderer_, painter, target, back, options);
                      });
  }
  prompts_.Run(dialog);
}

void MergeBrowserDialog::OnExport() {
  ExportDialog options(kDefaultExportFormat, kDefaultExportQuality, this);
  if (prompts_.Run(options) != QDialog::Accepted) return;
  const ExportFormatInfo& format = ExportFormatOf(options.Format());
  const QString offered =
      QDir(StartFolder(FileKind::kExport))
          .filePath(QStringLiteral("{Name}.") + QString::fromLatin1(format.extension));
  const QString pattern = prompts_.SaveFileName(
      this, {Tr("Export Cards"), QString::fromStdString(FormatFileFilter(format.format)),
             QString::fromLatin1(format.extension), offered, FileKind::kExport});
  if (pattern.isEmpty()) return;
  const std::string path = WithExportExtension(pattern.toStdString(), format.format).string();
  if (const Outcome<> checked = CheckNamePattern(path); !checked) {
    prompts_.Tell(this, QString::fromStdString(checked.Message()), QMessageBox::Warning);
    return;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const Outcome<> written =
      ExportMergedCards(renderer_, card_, records_.records, path, format.format, options.Quality());
  QApplication::restoreOverrideCursor();
  if (!written) {
    prompts_.Tell(
        this,
        Tr("The cards were not all exported. %1").arg(QString::fromStdString(written.Message())),
        QMessageBox::Warning);
  }
}

}  // namespace tavolo
