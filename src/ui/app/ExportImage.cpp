#include "ui/app/ExportImage.h"

#include <QDialog>
#include <QDir>

#include "core/base/Translation.h"
#include "core/document/CardDocument.h"
#include "core/formats/ExportFormats.h"
#include "core/formats/ImageFileTypes.h"
#include "ui/app/ExportJob.h"
#include "ui/base/Prompts.h"
#include "ui/dialogs/ExportDialog.h"

namespace tavolo {

namespace {

// The file offered: the project's name, else "card"; in the exports' last folder, else beside
// the project, else where every dialog starts.
QString SuggestedFile(const CardDocument& document, const ExportFormatInfo& format) {
  const std::filesystem::path& project = document.FilePath();
  QString folder = LastFolder(FileKind::kExport);
  if (folder.isEmpty()) {
    folder = project.empty() ? StartFolder(FileKind::kExport)
                             : QString::fromStdString(project.parent_path().string());
  }
  const QString name =
      project.empty() ? QStringLiteral("card") : QString::fromStdString(project.stem().string());
  return QDir(folder).filePath(name + QLatin1Char('.') + QString::fromLatin1(format.extension));
}

}  // namespace

ExportJob* ExportImage(QWidget* owner, Prompts& prompts, CardDocument& document) {
  ExportDialog options(kDefaultExportFormat, kDefaultExportQuality, owner);
  if (prompts.Run(options) != QDialog::Accepted) return nullptr;
  const ExportFormatInfo& format = ExportFormatOf(options.Format());
  // The save dialog starts on the offered file and adds the extension to a name without one.
  const QString path = prompts.SaveFileName(
      owner,
      {Tr("Export Image"), QString::fromStdString(FormatFileFilter(format.format)),
       QString::fromLatin1(format.extension), SuggestedFile(document, format), FileKind::kExport});
  if (path.isEmpty()) return nullptr;
  return StartExport(owner, prompts, document,
                     WithExportExtension(path.toStdString(), format.format), format.format,
                     options.Quality());
}

ExportJob* StartExport(QWidget* owner, Prompts& prompts, CardDocument& document,
                       const std::filesystem::path& file, int format, int quality) {
  auto* job = new ExportJob(document, file, format, quality, owner);
  QObject::connect(job, &ExportJob::finished, job, [job, owner, &prompts] {
    if (!job->Result()) {
      prompts.Tell(
          owner,
          Tr("The card was not exported. %1").arg(QString::fromStdString(job->Result().Message())),
          QMessageBox::Warning);
    }
    job->deleteLater();
  });
  return job;
}

}  // namespace tavolo
