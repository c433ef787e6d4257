// The "&Templates" menu, and New Project, which starts from the template library too.
#include <cerrno>

#include "core/base/ProgramFolder.h"
#include "core/base/Translation.h"
#include "core/library/PhotoFolder.h"
#include "core/library/TemplateTable.h"
#include "core/library/TemplateWriter.h"
#include "ui/app/MainWindow.h"
#include "ui/templates/TemplateLibraryDialog.h"
#include "ui/templates/TemplateNameDialog.h"

namespace tavolo {

void MainWindow::OnNewProject() {
  ChooserPause pause(*this);
  if (!SaveChangesFirst()) return;
  TemplateLibraryDialog library(TemplateLibraryDialog::Opened::ByNewProject, backgrounds_,
                                *prompts_, this);
  prompts_->Run(library);
  if (!library.ChosenCard().empty()) {
    OpenProject(library.ChosenCard());
    return;
  }
  if (library.TakenDetails()) document_.PresetDetails(*library.TakenDetails());
  if (const CardState* chosen = library.ChosenTemplate()) document_.NewProject(*chosen);
  if (library.ClosedByContinue()) document_.DropTurnedPictures();
}

void MainWindow::OnSaveTemplate() {
  ChooserPause pause(*this);
  const std::filesystem::path folder = TemplatesFolder().user;
  TemplateNameDialog ask(this);
  for (;;) {
    if (prompts_->Run(ask) != QDialog::Accepted) return;
    const QString title = ask.Name();
    // The template's preview is the front, drawn by the renderer of the face shown.
    document_.ShowFace(CardFace::kFront);
    document_.Capture();
    // The template carries its pictures, as a saved card does.
    CardState card = document_.Card();
    EmbedFolderPictures(card, document_.Renderer().PhotoFolder());
    const auto write = [&](TemplateSave save) {
      return WriteTemplate(folder, title, card, backgrounds_, document_.Renderer(), save);
    };
    // The question comes when the title proves taken as the file is named, which also catches
    // a template that another program saved under the title meanwhile.
    Outcome<> written = write(TemplateSave::kNew);
    if (!written && written.Error() == EEXIST) {
      const QMessageBox::StandardButton answer = prompts_->AskYesNoCancel(
          this, Tr("A template named \"%1\" exists already. Replace it?\n\n"
                   "Choose No to give this one another name.")
                    .arg(title));
      if (answer == QMessageBox::No) continue;
      if (answer != QMessageBox::Yes) return;
      written = write(TemplateSave::kReplace);
    }
    if (!written) {
      Tell(Tr("The template \"%1\" could not be saved in the templates folder %2.\n\n%3")
               .arg(title, QString::fromStdString(folder.string()),
                    QString::fromStdString(written.Message())));
      return;
    }
    // The next opening of the library lists it.
    Templates().MarkChanged();
    return;
  }
}

}  // namespace tavolo
