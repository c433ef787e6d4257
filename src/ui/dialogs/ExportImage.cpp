#include "ui/dialogs/ExportImage.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/card/CardDocument.h"
#include "core/io/ExportFormats.h"
#include "ui/dialogs/ExportDlg.h"
#include "ui/dialogs/ExportJob.h"
#include "ui/dialogs/Tell.h"

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
  return QFileInfo(folder, name + QLatin1Char('.') + QString::fromLatin1(format.extension))
      .filePath();
}

}  // namespace

QString AskSavePath(QWidget* owner, const SaveRequest& request) {
  QFileDialog dialog(owner, request.title, request.suggested, request.filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(request.extension);
  dialog.selectFile(request.suggested);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

ExportJob* ExportImage(QWidget* owner, CardDocument& document, const DialogRunner& run,
                       const SavePathAsker& askPath) {
  ExportDlg options(kDefaultExportFormat, kDefaultExportQuality, owner);
  if (run(options) != QDialog::Accepted) return nullptr;
  const ExportFormatInfo& format = ExportFormatOf(options.Format());
  const QString path =
      askPath(owner, {QStringLiteral("Export Image"), QString::fromLatin1(format.filter),
                      QString::fromLatin1(format.extension), SuggestedFile(document, format)});
  if (path.isEmpty()) return nullptr;
  return StartExport(owner, document, WithExportExtension(path.toStdString(), format.format),
                     format.format, options.Quality());
}

ExportJob* StartExport(QWidget* owner, CardDocument& document, const std::filesystem::path& file,
                       int format, int quality) {
  auto* job = new ExportJob(document, file, format, quality, owner);
  QObject::connect(job, &ExportJob::finished, job, [job, owner] {
    if (!job->Result().ok) {
      Tell(owner, QStringLiteral("The card was not exported. %1")
                      .arg(QString::fromStdString(job->Result().message)));
    }
    job->deleteLater();
  });
  return job;
}

}  // namespace tavolo
