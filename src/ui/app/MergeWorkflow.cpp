#include "ui/app/MergeWorkflow.h"

#include <QFileInfo>

#include "core/base/Translation.h"
#include "core/document/CardDocument.h"
#include "core/merge/CheckedRecords.h"
#include "core/merge/MergeData.h"
#include "core/storage/PrintableName.h"
#include "ui/app/MergeDialog.h"
#include "ui/base/Prompts.h"
#include "ui/base/WorkProgressDialog.h"

namespace tavolo {

namespace {

struct ReadData {
  Outcome<MergeTable> table = Failure{};
  CheckedRecords records;
};

}  // namespace

void RunMergeCommand(QWidget* owner, CardDocument& document, PrinterChoice& printer,
                     Prompts& prompts) {
  const QString data =
      prompts.OpenFileName(owner, {Tr("Merge"),
                                   Tr("Contacts (*.csv *.vcf *.ods *.xlsx *.txt);;All files (*)"),
                                   {},
                                   {},
                                   FileKind::kNone});
  if (data.isEmpty()) return;
  const std::string name = PrintableName(QFileInfo(data).fileName().toStdString());
  ReadData read = RunWithProgress<ReadData>(
      owner, Tr("Reading %1...").arg(QString::fromStdString(name)),
      [path = data.toStdString(), card = document.Live()](const WorkProgress& progress) {
        ReadData result;
        result.table = ReadMergeData(path, {}, progress);
        if (!result.table) return result;
        auto table = std::make_shared<const MergeTable>(std::move(result.table).Value());
        result.table = MergeTable{};
        const FieldMapping mapping = MappingByHeader(table->columns);
        result.records = CheckRecords(table, mapping, card, progress);
        return result;
      });
  if (!read.table) {
    if (read.table.Error() != ECANCELED) {
      prompts.Tell(owner, QString::fromStdString(read.table.Message()), QMessageBox::Warning);
    }
    return;
  }
  if (read.records.stopped) return;
  MergeDialog dialog(document.Live(), document.Backgrounds(), document.Renderer().PhotoFolder(),
                     std::move(read.records), name, printer, prompts, owner);
  prompts.Run(dialog);
}

}  // namespace tavolo
