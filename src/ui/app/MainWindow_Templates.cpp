// The "&Templates" menu, and New Project, which starts from the template library too.
#include <system_error>

#include "core/base/ProgramFolder.h"
#include "core/base/Translation.h"
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
  if (library.TakenDetails()) document_.PresetDetails(*library.TakenDetails());
  if (const CardState* chosen = library.ChosenTemplate()) document_.NewProject(*chosen);
  if (library.ClosedByContinue()) document_.DropTurnedPictures();
}

void MainWindow::OnSaveTemplate() {
  ChooserPause pause(*this);
  const std::filesystem::path folder = TemplatesFolder().user;
  TemplateNameDialog ask(this);
  QString title;
  for (;;) {
    if (prompts_->Run(ask) != QDialog::Accepted) return;
    title = ask.Name();
    std::error_code ec;
    if (!std::filesystem::exists(TemplatePath(folder, title), ec)) break;
    const QMessageBox::StandardButton answer =
        prompts_->AskYesNoCancel(this, Tr("A template named \"%1\" exists already. Replace it?\n\n"
                                          "Choose No to give this one another name.")
                                           .arg(title));
    if (answer == QMessageBox::Yes) break;
    if (answer != QMessageBox::No) return;
  }
  // The template's preview is the front, drawn by the renderer of the face shown.
  document_.ShowFace(CardFace::kFront);
  document_.Capture();
  const Outcome<> written =
      WriteTemplate(folder, title, document_.Card(), backgrounds_, document_.Renderer());
  if (!written) {
    Tell(Tr("The template \"%1\" could not be saved in the templates folder %2.\n\n%3")
             .arg(title, QString::fromStdString(folder.string()),
                  QString::fromStdString(written.Message())));
    return;
  }
  // The next opening of the library lists it.
  Templates().MarkChanged();
}

}  // namespace tavolo
