// The "&Edit" menu: undo and redo, copying the card, the photo and the logo, the colours and the
// card's size.
#include "ui/app/MainWindow.h"
#include "ui/card/CardPreview.h"
#include "ui/dialogs/EditCommands.h"

namespace tavolo {

void MainWindow::OnUndo() {
  if (document_.Undo()) Refresh();
}

void MainWindow::OnRedo() {
  if (document_.Redo()) Refresh();
}

void MainWindow::OnCopy() {
  preview_->RequestClipboardCopy();
}

void MainWindow::OnInsertPhoto() {
  ChooserPause pause(*this);
  InsertPhoto(this, *prompts_, *preview_);
  UpdateMenus();
}

void MainWindow::OnDeletePhoto() {
  document_.DeletePhoto();
  Refresh();
}

void MainWindow::OnInsertLogo() {
  ChooserPause pause(*this);
  InsertLogo(this, *prompts_, *preview_);
  UpdateMenus();
}

void MainWindow::OnDeleteLogo() {
  document_.DeleteLogo();
  Refresh();
}

void MainWindow::OnTextColours() {
  ChooserPause pause(*this);
  EditColours(this, *prompts_, *preview_, ColourTarget::kText);
  UpdateMenus();
}

void MainWindow::OnFrameColours() {
  ChooserPause pause(*this);
  EditColours(this, *prompts_, *preview_, ColourTarget::kFrame);
  UpdateMenus();
}

void MainWindow::OnBackgroundColour() {
  ChooserPause pause(*this);
  EditColours(this, *prompts_, *preview_, ColourTarget::kBackground);
  UpdateMenus();
}

void MainWindow::OnCardProperties() {
  ChooserPause pause(*this);
  EditCardProperties(this, *prompts_, *preview_);
  UpdateMenus();
}

}  // namespace tavolo
