// The "&Edit" menu: undo and redo, copying the card, the photo and the logo, the colours and the
// card's size.
#include "ui/app/Layout1Dlg.h"
#include "ui/card/PreviewBtn.h"
#include "ui/dialogs/EditCommands.h"

namespace tavolo {

void Layout1Dlg::OnUndo() {
  if (document_.Undo()) Refresh();
}

void Layout1Dlg::OnRedo() {
  if (document_.Redo()) Refresh();
}

void Layout1Dlg::OnCopy() {
  preview_->RequestClipboardCopy();
}

void Layout1Dlg::OnInsertPhoto() {
  ChooserPause pause(*this);
  InsertPhoto(this, *prompts_, *preview_);
  UpdateMenus();
}

void Layout1Dlg::OnDeletePhoto() {
  document_.DeletePhoto();
  Refresh();
}

void Layout1Dlg::OnInsertLogo() {
  ChooserPause pause(*this);
  InsertLogo(this, *prompts_, *preview_);
  UpdateMenus();
}

void Layout1Dlg::OnDeleteLogo() {
  document_.DeleteLogo();
  Refresh();
}

void Layout1Dlg::OnTextColors() {
  ChooserPause pause(*this);
  EditColours(this, *prompts_, *preview_, ColourTarget::kText);
  UpdateMenus();
}

void Layout1Dlg::OnFrameColors() {
  ChooserPause pause(*this);
  EditColours(this, *prompts_, *preview_, ColourTarget::kFrame);
  UpdateMenus();
}

void Layout1Dlg::OnBackgroundColor() {
  ChooserPause pause(*this);
  EditColours(this, *prompts_, *preview_, ColourTarget::kBackground);
  UpdateMenus();
}

void Layout1Dlg::OnCardProperties() {
  ChooserPause pause(*this);
  EditCardProperties(this, *prompts_, *preview_);
  UpdateMenus();
}

}  // namespace tavolo
