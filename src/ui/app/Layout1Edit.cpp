// The "&Edit" menu: undo and redo, copying the card, the photo and the logo, the colours and the
// card's size.
#include <QClipboard>
#include <QGuiApplication>

#include "ui/app/Layout1Dlg.h"
#include "ui/dialogs/EditCommands.h"

namespace tavolo {

void Layout1Dlg::OnUndo() {
  document_.Undo();
}

void Layout1Dlg::OnRedo() {
  document_.Redo();
}

void Layout1Dlg::OnCopy() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return;
  // A rendering that failed has been reported already.
  const QImage card = document_.RenderClipboardImage();
  if (!card.isNull()) clipboard->setImage(card);
}

void Layout1Dlg::OnInsertPhoto() {
  ChooserPause pause(*this);
  InsertPhoto(this, *prompts_, *preview_);
}

void Layout1Dlg::OnDeletePhoto() {
  document_.DeletePhoto();
}

void Layout1Dlg::OnInsertLogo() {
  ChooserPause pause(*this);
  InsertLogo(this, *prompts_, *preview_);
}

void Layout1Dlg::OnDeleteLogo() {
  document_.DeleteLogo();
}

void Layout1Dlg::OnTextColors() {
  ChooserPause pause(*this);
  EditColours(this, *prompts_, *preview_, ColourTarget::kText);
}

void Layout1Dlg::OnFrameColors() {
  ChooserPause pause(*this);
  EditColours(this, *prompts_, *preview_, ColourTarget::kFrame);
}

void Layout1Dlg::OnBackgroundColor() {
  ChooserPause pause(*this);
  EditColours(this, *prompts_, *preview_, ColourTarget::kBackground);
}

void Layout1Dlg::OnCardProperties() {
  ChooserPause pause(*this);
  EditCardProperties(this, *prompts_, *preview_);
}

}  // namespace tavolo
