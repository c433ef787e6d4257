#include "ui/dialogs/ExportImage.h"

#include <QDialog>
#include <QDir>
#include <QStandardPaths>

#include "core/card/CardDocument.h"
#include "core/formats/ExportFormats.h"
#include "ui/base/Prompts.h"
#include "ui/dialogs/ExportDialog.h"
#include "ui/dialogs/ExportJob.h"

namespace tavolo {

namespace {

// The file offered: the project's name beside the project, else "card" among the pictures.
QString SuggestedFile(const CardDocument& document, const ExportFormatInfo& format) {
  const std::filesystem::path& project = document.FilePath();
  const QString folder = project.empty()
                             ? QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)
                             : QString::fromStdString(project.parent_path().string());
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
      owner, {QStringLiteral("Export Image"), QString::fromLatin1(format.filter),
              QString::fromLatin1(format.extension), SuggestedFile(document, format)});
  if (path.isEmpty()) return nullptr;
  return StartExport(owner, prompts, document,
                     WithExportExtension(path.toStdString(), format.format), format.format,
                     options.Quality());
}

ExportJob* StartExport(QWidget* owner, Prompts& prompts, CardDocument& document,
                       const std::filesystem::path& file, int format, int quality) {
  auto* job = new ExportJob(document, file, format, quality, owner);
  QObject::connect(job, &ExportJob::finished, job, [job, owner, &prompts] {
    if (!job->Result().ok) {
      prompts.Tell(owner,
                   QStringLiteral("The card was not exported. %1")
                       .arg(QString::fromStdString(job->Result().message)),
                   QMessageBox::Warning);
    }
    job->deleteLater();
  });
  return job;
}

}  // namespace tavolo
