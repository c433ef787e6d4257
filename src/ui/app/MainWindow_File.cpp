// The "&File" menu: new, load and save, importing a background, and the close path.
#include <QFileInfo>

#include "core/base/ProgramFolder.h"
#include "core/formats/ImageFileTypes.h"
#include "core/formats/ProjectFile.h"
#include "core/library/BackgroundLibrary.h"
#include "ui/app/FieldPanel.h"
#include "ui/app/MainWindow.h"
#include "ui/base/FileFilter.h"
#include "ui/choosers/BackgroundChooser.h"
#include "ui/dialogs/ExportImage.h"
#include "ui/print/PrintCommands.h"

namespace tavolo {

namespace {

FileDialogRequest ProjectRequest(const QString& title, const QString& filter,
                                 const std::filesystem::path& current) {
  FileDialogRequest request{title, QtFileFilter(filter), QStringLiteral("tvc"), {}};
  // No name is offered; the dialog starts where the card was last loaded or saved.
  if (!current.empty()) request.folder = QString::fromStdString(current.parent_path().string());
  return request;
}

}  // namespace

void MainWindow::OnNewBlankProject() {
  document_.NewBlankProject();
}

void MainWindow::OnLoadProject() {
  ChooserPause pause(*this);
  const QString path = prompts_->OpenFileName(
      this, ProjectRequest(QStringLiteral("Load Project"),
                           QStringLiteral("TVC files(*.tvc)|*.tvc||"), document_.FilePath()));
  if (!path.isEmpty()) OpenProject(path.toStdString());
}

bool MainWindow::OpenProject(const std::filesystem::path& file) {
  CardState card = document_.Working();
  const ReadProjectResult read = ReadProject(file, card, backgrounds_, ReadMode::kKeepOnFileError);
  return TakeProject(file, card, read);
}

bool MainWindow::TakeProject(const std::filesystem::path& file, const CardState& card,
                             const ReadProjectResult& read) {
  // A file that could not be read leaves the card as it was; a file of another version keeps
  // what was read before the section this version does not know.
  const bool taken = read.result != ProjectResult::kFileError;
  if (taken) document_.LoadProject(card, file);
  if (!read.Ok()) Tell(QString::fromUtf8(ProjectResultMessage(read.result)));
  return taken;
}

void MainWindow::OnSaveProject() {
  ChooserPause pause(*this);
  SaveWithDialog();
}

bool MainWindow::SaveWithDialog() {
  const QString path = prompts_->SaveFileName(
      this, ProjectRequest(QStringLiteral("Save Project"),
                           QStringLiteral("tvc files(*.tvc)|*.tvc||"), document_.FilePath()));
  if (path.isEmpty()) return false;
  document_.Capture();
  const Outcome<> written = WriteProject(path.toStdString(), document_.Working(), backgrounds_);
  if (!written) {
    Tell(QString::fromStdString(written.Message()));
    return false;
  }
  document_.SetFilePath(path.toStdString());
  return true;
}

void MainWindow::OnImportBackground() {
  ChooserPause pause(*this);
  const QString path = prompts_->OpenFileName(
      this,
      {QStringLiteral("Import Background"), QString::fromStdString(PictureFileFilter()), {}, {}});
  if (path.isEmpty()) return;
  const AddBackgroundResult added = AddCustomBackground(backgrounds_, path.toStdString());
  if (!added.ok) {
    Tell(QString::fromStdString(added.message));
    return;
  }
  chooser_->SetCount(backgrounds_.Count());
  // The new background is the last one: page on until it is shown.
  while (chooser_->First() + chooser_->Visible() <= added.number && chooser_->CanPageForward()) {
    chooser_->PageForward();
  }
  UpdatePagingButtons();
  document_.ShowImportedBackground(added.number);
}

void MainWindow::OnExportImage() {
  ChooserPause pause(*this);
  // The file is written in the background; a failure is told when it ends.
  ExportImage(this, *prompts_, document_);
}

void MainWindow::OnPrint() {
  ChooserPause pause(*this);
  RunPrintCommand(this, document_, printer_, *prompts_);
}

void MainWindow::OnPrintSetup() {
  ChooserPause pause(*this);
  RunPrintSetup(this, printer_, *prompts_);
}

void MainWindow::OnExit() {
  close();
}

}  // namespace tavolo
