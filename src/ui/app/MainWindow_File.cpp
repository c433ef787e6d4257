// The "&File" menu: new, load and save, importing a background, and the close path.
#include <QFileInfo>

#include "core/base/ProgramFolder.h"
#include "core/base/Translation.h"
#include "core/editing/CardSize.h"
#include "core/formats/ImageFileTypes.h"
#include "core/formats/ProjectFile.h"
#include "core/library/BackgroundLibrary.h"
#include "core/library/PhotoFolder.h"
#include "core/render/MissingFonts.h"
#include "ui/app/ExportImage.h"
#include "ui/app/FieldPanel.h"
#include "ui/app/MainWindow.h"
#include "ui/app/MergeWorkflow.h"
#include "ui/app/PrintWorkflow.h"
#include "ui/base/FileFilter.h"
#include "ui/base/RecentProjects.h"
#include "ui/choosers/BackgroundChooser.h"

namespace tavolo {

namespace {

// What of the card shown could not be drawn: a picture it holds that does not draw, its QR code
// (too much text, nothing to encode). Pictures it names but does not hold are told apart.
QStringList LeftOutOfDrawing(CardDocument& document) {
  const CardState& card = document.Live();
  const int divisor = PrintSizeDivisor(card.cardWidth, card.cardHeight);
  if (document
          .Render(divisor, static_cast<int>(card.cardWidth) / divisor,
                  static_cast<int>(card.cardHeight) / divisor)
          .isNull()) {
    return {};
  }
  QStringList lines;
  const CardRenderer& renderer = document.Renderer();
  for (const PictureKind kind : kPictureKinds) {
    const std::string& error = renderer.LoadError(kind);
    if (error.empty() || card.Picture(kind).hash.isEmpty()) continue;
    const QString name = card.Picture(kind).name;
    const QString reason = QString::fromStdString(error);
    lines << (kind == PictureKind::kPhoto
                  ? Tr("The photo \"%1\" cannot be drawn and is left out: %2").arg(name, reason)
                  : Tr("The logo \"%1\" cannot be drawn and is left out: %2").arg(name, reason));
  }
  if (!renderer.QrCodeError().empty()) {
    lines << Tr("The QR code cannot be drawn and is left out: %1")
                 .arg(QString::fromStdString(renderer.QrCodeError()));
  }
  return lines;
}

FileDialogRequest ProjectRequest(const QString& title, const QString& filter,
                                 const std::filesystem::path& current) {
  FileDialogRequest request{
      title, QtFileFilter(filter), QStringLiteral("tvc"), {}, FileKind::kProject};
  // No name is offered; the dialog starts where the open card lies, else in the projects' last
  // folder.
  if (!current.empty()) request.folder = QString::fromStdString(current.parent_path().string());
  return request;
}

QString PathText(const std::filesystem::path& file) {
  return QString::fromStdString(file.string());
}

}  // namespace

bool MainWindow::SaveChangesFirst() {
  if (!document_.Modified()) return true;
  ChooserPause pause(*this);
  switch (prompts_->Ask(this, Tr("Would you like to save changes before closing?"),
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel)) {
    case QMessageBox::Save:
      return Save();
    case QMessageBox::Discard:
      return true;
    default:
      return false;
  }
}

void MainWindow::OnNewBlankProject() {
  if (!SaveChangesFirst()) return;
  document_.NewBlankProject();
}

void MainWindow::OnLoadProject() {
  ChooserPause pause(*this);
  if (!SaveChangesFirst()) return;
  const QString path = prompts_->OpenFileName(
      this,
      ProjectRequest(Tr("Load Project"), Tr("TVC files(*.tvc)|*.tvc||"), document_.FilePath()));
  if (!path.isEmpty()) OpenProject(path.toStdString());
}

void MainWindow::OnRecentProject(const QString& file) {
  ChooserPause pause(*this);
  if (!QFileInfo::exists(file)) {
    RemoveRecentProject(file);
    RebuildRecentMenu();
    Tell(Tr("%1 was not found. It has been removed from Recent Projects.").arg(file));
    return;
  }
  if (SaveChangesFirst()) OpenProject(file.toStdString());
}

bool MainWindow::OpenProject(const std::filesystem::path& file) {
  CardState card = document_.Card();
  const ProjectReading read = ReadProject(file, card, backgrounds_, ReadMode::kKeepOnFileError);
  return TakeProject(file, card, read);
}

bool MainWindow::TakeProject(const std::filesystem::path& file, const CardState& card,
                             const ProjectReading& read) {
  if (!read && read.Fault().notACard) {
    Tell(Tr("%1 is not a Tavolo card.").arg(QString::fromStdString(file.filename().string())));
    return false;
  }
  // A file that could not be read leaves the card as it was; a file of another version keeps
  // what was read before the section this version does not know.
  const bool taken = read || read.Fault().kind != ProjectFault::kFileError;
  std::vector<std::string> missing;
  if (taken) {
    // A card of an older version takes its pictures from the photo folder, to keep them.
    CardState withPictures = card;
    missing = EmbedFolderPictures(withPictures, document_.Renderer().PhotoFolder());
    document_.LoadProject(withPictures, file);
    // Saving over a later version's file would drop what this version could not read: such a
    // card is saved under a name the user gives.
    if (!read) document_.SetFilePath({});
    AddRecentProject(PathText(file));
    RebuildRecentMenu();
  }
  if (!read) Tell(QString::fromUtf8(ProjectFaultMessage(read.Fault().kind)));
  // The data after the card that later features keep: damaged, it is left out and said so.
  if (read && !read.Value().extensionProblem.empty()) {
    Tell(Tr("%1: %2; the card itself was read whole.")
             .arg(QString::fromStdString(file.filename().string()),
                  QString::fromStdString(read.Value().extensionProblem)));
  }
  if (taken) {
    QStringList lines;
    for (const std::string& line : missing) lines << QString::fromStdString(line);
    for (const MissingFace& face : MissingFaces(document_.Card())) {
      lines << Tr("%1 is not installed; %2 stands in for it. The card keeps %1 and shows it where "
                  "it is installed.")
                   .arg(face.face, face.standIn);
    }
    lines << LeftOutOfDrawing(document_);
    if (!lines.isEmpty()) Tell(lines.join(u'\n'));
  }
  return taken;
}

void MainWindow::OnSaveProject() {
  ChooserPause pause(*this);
  Save();
}

void MainWindow::OnSaveProjectAs() {
  ChooserPause pause(*this);
  SaveWithDialog();
}

bool MainWindow::Save() {
  return document_.FilePath().empty() ? SaveWithDialog() : SaveTo(document_.FilePath());
}

bool MainWindow::SaveWithDialog() {
  const QString path = prompts_->SaveFileName(
      this,
      ProjectRequest(Tr("Save Project"), Tr("tvc files(*.tvc)|*.tvc||"), document_.FilePath()));
  if (path.isEmpty()) return false;
  return SaveTo(path.toStdString());
}

bool MainWindow::SaveTo(const std::filesystem::path& file) {
  document_.Capture();
  // A picture the card holds no bytes of yet (from a template, or a card of an older version)
  // is taken from the photo folder into the file.
  CardState card = document_.Card();
  EmbedFolderPictures(card, document_.Renderer().PhotoFolder());
  const Outcome<> written = WriteProject(file, card, backgrounds_);
  if (!written) {
    Tell(QString::fromStdString(written.Message()));
    return false;
  }
  document_.MarkSaved(file);
  AddRecentProject(PathText(file));
  RebuildRecentMenu();
  return true;
}

void MainWindow::OnImportBackground() {
  ChooserPause pause(*this);
  const QString path = prompts_->OpenFileName(this, {Tr("Import Background"),
                                                     QString::fromStdString(PictureFileFilter()),
                                                     {},
                                                     {},
                                                     FileKind::kPicture});
  if (!path.isEmpty()) ImportBackgroundFile(path.toStdString());
}

void MainWindow::ImportBackgroundFile(const std::filesystem::path& file) {
  const Outcome<int> added = AddCustomBackground(backgrounds_, file);
  if (!added) {
    Tell(QString::fromStdString(added.Message()));
    return;
  }
  chooser_->SetCount(backgrounds_.Count());
  // The new background is the last one: page on until it is shown.
  while (chooser_->First() + chooser_->Visible() <= added.Value() && chooser_->CanPageForward()) {
    chooser_->PageForward();
  }
  UpdatePagingButtons();
  document_.ShowImportedBackground(added.Value());
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

void MainWindow::OnMerge() {
  ChooserPause pause(*this);
  RunMergeCommand(this, document_, printer_, *prompts_);
}

void MainWindow::OnExit() {
  close();
}

}  // namespace tavolo
