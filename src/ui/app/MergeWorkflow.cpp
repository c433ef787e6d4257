#include "ui/app/MergeWorkflow.h"

#include <QFileInfo>

#include "core/base/Translation.h"
#include "core/document/CardDocument.h"
#include "core/merge/MergeData.h"
#include "core/merge/MergeRecords.h"
#include "ui/app/MergeBrowserDialog.h"
#include "ui/base/Prompts.h"
#include "ui/dialogs/MergeMappingDialog.h"

namespace tavolo {

void RunMergeCommand(QWidget* owner, CardDocument& document, PrinterChoice& printer,
                     Prompts& prompts) {
  const QString data = prompts.OpenFileName(
      owner,
      {Tr("Merge"), Tr("Contacts (*.csv *.vcf *.txt);;All files (*)"), {}, {}, FileKind::kNone});
  if (data.isEmpty()) return;
  const Outcome<MergeTable> table = ReadMergeData(data.toStdString());
  if (!table) {
    prompts.Tell(owner, QString::fromStdString(table.Message()), QMessageBox::Warning);
    return;
  }
  MergeMappingDialog mapping(table.Value(), owner);
  if (prompts.Run(mapping) != QDialog::Accepted) return;
  MergeRecords records = RecordsOf(table.Value(), mapping.Mapping());
  if (records.records.empty()) {
    prompts.Tell(owner,
                 QStringLiteral("%1 gives no record to make a card of: no column fills a field, "
                                "or every record is empty.")
                     .arg(QFileInfo(data).fileName()),
                 QMessageBox::Warning);
    return;
  }
  MergeBrowserDialog browser(document.LiveCard(), document.Backgrounds(),
                             document.Renderer().PhotoFolder(), std::move(records), printer,
                             prompts, owner);
  prompts.Run(browser);
}

}  // namespace tavolo
