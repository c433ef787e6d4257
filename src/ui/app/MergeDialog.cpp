#include "ui/app/MergeDialog.h"

#include <algorithm>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPixmap>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "core/base/Translation.h"
#include "core/card/CardFaces.h"
#include "core/card/CardLimits.h"
#include "core/formats/ExportFormats.h"
#include "core/formats/ImageFileTypes.h"
#include "core/merge/MergeExport.h"
#include "core/merge/MergedCard.h"
#include "core/merge/MergedCardSource.h"
#include "core/merge/RecordFileNames.h"
#include "core/pictures/ImageBridge.h"
#include "core/render/CardVectorPainter.h"
#include "core/storage/PrintableName.h"
#include "ui/app/MergeExportJob.h"
#include "ui/base/Prompts.h"
#include "ui/base/WorkProgressDialog.h"
#include "ui/dialogs/ExportDialog.h"
#include "ui/dialogs/MergeColumnsModel.h"
#include "ui/dialogs/MergeFieldDelegate.h"
#include "ui/dialogs/MergeProblemsModel.h"
#include "ui/print/PrintDialog.h"

namespace tavolo {

namespace {

// The preview is drawn at about this width.
constexpr int kPreviewWidth = 420;
constexpr int kColumnsWidth = 560;
constexpr int kMaxColumnWidth = 180;
constexpr int kDialogWidth = 1100;
constexpr int kDialogHeight = 660;

QString ShownFileName(const std::filesystem::path& file) {
  return QString::fromStdString(PrintableName(file.string()));
}

}  // namespace

MergeDialog::MergeDialog(const CardState& card, const BackgroundTable* table,
                         DataFolder photoFolder, CheckedRecords records, std::string file,
                         PrinterChoice& printer, Prompts& prompts, QWidget* parent)
    : QDialog(parent),
      card_(card),
      renderer_(table, photoFolder),
      backRenderer_(table, std::move(photoFolder)),
      data_(std::move(records)),
      file_(std::move(file)),
      printer_(printer),
      prompts_(prompts) {
  setWindowTitle(Tr("Merge: %1").arg(QString::fromStdString(file_)));
  auto* layout = new QVBoxLayout(this);
  auto* sides = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  auto* right = new QVBoxLayout;
  sides->addLayout(left, 1);
  sides->addLayout(right);
  layout->addLayout(sides, 1);

  auto* columnsTitle = new QLabel(
      Tr("Columns of the data and the fields of the card they fill (click a field to change it):"),
      this);
  columnsTitle->setWordWrap(true);
  left->addWidget(columnsTitle);
  columns_ = new MergeColumnsModel(data_.records->Table(), this);
  columnsView_ = new QTableView(this);
  columnsView_->setModel(columns_);
  columnsView_->setItemDelegateForColumn(MergeColumnsModel::kField,
                                         new MergeFieldDelegate(columnsView_));
  columnsView_->setEditTriggers(QAbstractItemView::AllEditTriggers);
  columnsView_->setSelectionBehavior(QAbstractItemView::SelectRows);
  columnsView_->setSelectionMode(QAbstractItemView::SingleSelection);
  columnsView_->verticalHeader()->hide();
  columnsView_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  columnsView_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
  columnsView_->horizontalHeader()->setStretchLastSection(true);
  columnsView_->setWordWrap(false);
  columnsView_->setMinimumWidth(kColumnsWidth);
  left->addWidget(columnsView_, 1);
  // Taken once the table's editor has closed, as the table is then shown anew.
  connect(columns_, &MergeColumnsModel::fieldChosen, this,
          [this](int column, std::optional<int> field) {
            QTimer::singleShot(0, this, [this, column, field] { ChooseField(column, field); });
          });
  unused_ = new QLabel(this);
  unused_->setWordWrap(true);
  left->addWidget(unused_);

  picture_ = new QLabel(this);
  picture_->setAlignment(Qt::AlignCenter);
  picture_->setMinimumSize(kPreviewWidth, kPreviewWidth * 615 / 1062);
  right->addWidget(picture_);
  auto* browse = new QHBoxLayout;
  first_ = new QPushButton(Tr("&First"), this);
  previous_ = new QPushButton(Tr("&Previous"), this);
  position_ = new QLabel(this);
  position_->setAlignment(Qt::AlignCenter);
  next_ = new QPushButton(Tr("&Next"), this);
  last_ = new QPushButton(Tr("&Last"), this);
  for (QPushButton* button : {first_, previous_, next_, last_}) button->setAutoDefault(false);
  browse->addWidget(first_);
  browse->addWidget(previous_);
  browse->addWidget(position_, 1);
  browse->addWidget(next_);
  browse->addWidget(last_);
  right->addLayout(browse);
  connect(first_, &QPushButton::clicked, this, [this] { ShowRecord(0); });
  connect(previous_, &QPushButton::clicked, this, [this] { ShowRecord(current_ - 1); });
  connect(next_, &QPushButton::clicked, this, [this] { ShowRecord(current_ + 1); });
  connect(last_, &QPushButton::clicked, this, [this] { ShowRecord(RecordCount() - 1); });

  auto* problemsBox = new QVBoxLayout;
  problemsSummary_ = new QLabel(this);
  problemsSummary_->setWordWrap(true);
  problems_ = new MergeProblemsModel(this);
  problemsView_ = new QListView(this);
  problemsView_->setModel(problems_);
  problemsView_->setUniformItemSizes(true);
  problemsView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  problemsBox->addWidget(problemsSummary_);
  problemsBox->addWidget(problemsView_, 1);
  problemsBox->addStretch();  // keeps the summary under the card when there is no list
  right->addLayout(problemsBox, 1);

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
  connect(print_, &QPushButton::clicked, this, &MergeDialog::OnPrint);
  connect(export_, &QPushButton::clicked, this, &MergeDialog::OnExport);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  ShowData();
  columnsView_->resizeColumnsToContents();
  for (const int section : {MergeColumnsModel::kColumn, MergeColumnsModel::kValue}) {
    columnsView_->setColumnWidth(section,
                                 std::min(columnsView_->columnWidth(section), kMaxColumnWidth));
  }
  resize(kDialogWidth, kDialogHeight);
}

MergeDialog::~MergeDialog() = default;

void MergeDialog::ShowData() {
  const std::vector<RecordProblem> problems = data_.AllProblems();
  const size_t leftOut = data_.records->Problems().size();
  const size_t qr = data_.qrProblems.size();
  QStringList summary;
  if (leftOut > 0)
    summary << Tr("%1 of %2 records left out").arg(leftOut).arg(data_.records->RowCount());
  if (qr > 0) summary << Tr("%1 QR codes that cannot be read").arg(qr);
  const MergeTable& table = *data_.records->Table();
  if (!table.warnings.empty())
    summary << Tr("%1 notes on how the file was read").arg(table.warnings.size());
  QString summaryText = summary.isEmpty() ? Tr("Every record makes a card.")
                                          : summary.join(QStringLiteral("; ")) + u':';
  if (RecordCount() == 0) {
    summaryText =
        Tr("No record makes a card: choose the fields the columns fill.") + u' ' + summaryText;
  }
  problemsSummary_->setText(summaryText);
  problems_->Show(table.warnings, problems, table.sheetRows);
  problemsView_->setVisible(!problems.empty() || !table.warnings.empty());
  const qsizetype columns = data_.records->Table()->columns.size();
  qsizetype used = 0;
  for (const std::vector<int>& fieldColumns : Mapping().columnsOfField) {
    used += static_cast<qsizetype>(fieldColumns.size());
  }
  const qsizetype unused = columns - used;
  unused_->setText(
      unused == 0
          ? Tr("Every column fills a field.")
          : Tr("%1 of %2 columns fill no field; the note says why.").arg(unused).arg(columns));
  print_->setEnabled(RecordCount() > 0);
  export_->setEnabled(RecordCount() > 0);
  ShowRecord(std::min(current_, std::max(RecordCount() - 1, 0)));
}

void MergeDialog::ChooseField(int column, std::optional<int> field) {
  FieldMapping mapping = Mapping();
  if (mapping.FieldOf(column) == field) return;
  mapping.Assign(column, field);
  std::shared_ptr<const MergeTable> table = data_.records->Table();
  CheckedRecords checked =
      RunWithProgress<CheckedRecords>(this, Tr("Checking the records..."),
                                      [table, mapping, card = card_](const WorkProgress& progress) {
                                        return CheckRecords(table, mapping, card, progress);
                                      });
  if (checked.stopped) {
    ShowRecord(current_);  // the table shows the mapping as it was
    return;
  }
  data_ = std::move(checked);
  ShowData();
}

void MergeDialog::ShowRecord(int index) {
  current_ = std::clamp(index, 0, std::max(RecordCount() - 1, 0));
  const bool any = RecordCount() > 0;
  const std::optional<size_t> row =
      any ? std::optional<size_t>(data_.records->RowOf(static_cast<size_t>(current_)))
          : (data_.records->RowCount() > 0 ? std::optional<size_t>(0) : std::nullopt);
  columns_->Show(Mapping(), row);
  // Without a record the card is shown as the merge starts from it, its fields empty.
  const ContactDetails details =
      any ? data_.records->At(static_cast<size_t>(current_)).details : ContactDetails{};
  const CardPixelSize size = CardPixels(card_.cardWidth, card_.cardHeight);
  const int divisor = std::max(1, (size.width + kPreviewWidth - 1) / kPreviewWidth);
  preview_ = size.Ok() ? renderer_.Render(MergedCard(card_, details), divisor, size.width / divisor,
                                          size.height / divisor)
                       : QImage();
  picture_->setPixmap(QPixmap::fromImage(preview_));
  if (any) {
    const MergeTable& table = *data_.records->Table();
    const int line = data_.records->At(static_cast<size_t>(current_)).line;
    position_->setText(
        (table.sheetRows ? Tr("Record %1 of %2 (row %3)") : Tr("Record %1 of %2 (line %3)"))
            .arg(current_ + 1)
            .arg(RecordCount())
            .arg(line));
  } else {
    position_->setText(Tr("No record"));
  }
  first_->setEnabled(current_ > 0);
  previous_->setEnabled(current_ > 0);
  next_->setEnabled(current_ < RecordCount() - 1);
  last_->setEnabled(current_ < RecordCount() - 1);
}

void MergeDialog::OnPrint() {
  if (card_.dpi <= 0) {
    prompts_.Tell(this,
                  Tr("The card's resolution is %1 dpi. Set a resolution above 0 in "
                     "the card's properties before printing.")
                      .arg(card_.dpi),
                  QMessageBox::Warning);
    return;
  }
  const MergeRecords& records = *data_.records;
  const RasterImage first = renderer_.RenderPrintImage(MergedCard(card_, records.At(0).details));
  MergedCardSource cards(renderer_, card_, records);
  PrintDialog dialog(&first, card_.dpi, printer_, prompts_, this);
  // The merged cards are printed as they are: a merge cannot take the sheet's size.
  dialog.SetCard(card_, {});
  dialog.PrintCards(
      [&cards](int sheet, int cell, int perSheet) { return cards.Card(sheet, cell, perSheet); },
      records.Count());
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

void MergeDialog::OnExport() {
  ExportDialog options(kDefaultExportFormat, kDefaultExportQuality, this);
  if (prompts_.Run(options) != QDialog::Accepted) return;
  const ExportFormatInfo& format = ExportFormatOf(options.Format());
  const QString offered =
      QDir(StartFolder(FileKind::kExport))
          .filePath(QStringLiteral("{Name}.") + QString::fromLatin1(format.extension));
  const QString chosen = prompts_.SaveFileName(
      this, {Tr("Export Cards"), QString::fromStdString(FormatFileFilter(format.format)),
             QString::fromLatin1(format.extension), offered, FileKind::kExport});
  if (chosen.isEmpty()) return;
  const std::string pattern = WithExportExtension(chosen.toStdString(), format.format).string();
  if (const Outcome<> checked = CheckNamePattern(pattern); !checked) {
    prompts_.Tell(this, QString::fromStdString(checked.Message()), QMessageBox::Warning);
    return;
  }
  const std::shared_ptr<const MergeRecords> records = data_.records;
  const ExistingFiles existing = RunWithProgress<ExistingFiles>(
      this, Tr("Checking the file names..."), [records, pattern](const WorkProgress& progress) {
        return FindExistingFiles(pattern, *records, progress);
      });
  ExistingMergeFiles whenExisting = ExistingMergeFiles::kRefuse;
  if (existing.count > 0) {
    const QMessageBox::StandardButton answer = prompts_.AskYesNoCancel(
        this, Tr("%1 of the %2 files exist already, such as %3.\n\nReplace them? No keeps them "
                 "and writes only the other files.")
                  .arg(existing.count)
                  .arg(records->Count())
                  .arg(ShownFileName(existing.first)));
    if (answer == QMessageBox::Cancel) return;
    whenExisting =
        answer == QMessageBox::Yes ? ExistingMergeFiles::kReplace : ExistingMergeFiles::kSkip;
  }
  MergeExportJob job(renderer_, card_, *records,
                     {pattern, format.format, options.Quality(), whenExisting}, this);
  QProgressDialog progress(Tr("Exporting the cards..."), Tr("Cancel"), 0,
                           static_cast<int>(records->Count()), this);
  progress.setWindowTitle(QStringLiteral("Tavolo"));
  progress.setWindowModality(Qt::WindowModal);
  progress.setAutoClose(false);
  progress.setAutoReset(false);
  progress.setMinimumDuration(WorkProgressDialog::kShowAfterMs);
  QEventLoop loop;
  connect(&job, &MergeExportJob::progressed, &progress, [&progress](size_t done, size_t total) {
    progress.setLabelText(Tr("Exporting card %1 of %2...").arg(done + 1).arg(total));
    progress.setValue(static_cast<int>(done));
  });
  connect(&progress, &QProgressDialog::canceled, &job, &MergeExportJob::Cancel);
  connect(&job, &MergeExportJob::finished, &loop, &QEventLoop::quit);
  job.Start();
  loop.exec();
  progress.close();
  const QString folder = ShownFileName(std::filesystem::path(pattern).parent_path());
  if (!job.Result()) {
    prompts_.Tell(this,
                  Tr("The cards were not all exported: %1 of %2 files were written to %3. %4")
                      .arg(job.Written())
                      .arg(records->Count())
                      .arg(folder, QString::fromStdString(job.Result().Message())),
                  QMessageBox::Warning);
  } else if (job.WasCancelled()) {
    prompts_.Tell(this,
                  Tr("The export was cancelled: the files of the first %1 of %2 records are "
                     "written to %3, each one whole.")
                      .arg(job.Done())
                      .arg(records->Count())
                      .arg(folder),
                  QMessageBox::Information);
  }
}

}  // namespace tavolo
