// The "&Edit" menu: undo and redo, copying the card, the photo and the logo, and the colours.
#include "ui/app/Layout1Dlg.h"
#include "ui/card/PreviewBtn.h"

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
  NotAvailableYet(QStringLiteral("Insert Photo"));
}

void Layout1Dlg::OnDeletePhoto() {
  document_.DeletePhoto();
  Refresh();
}

void Layout1Dlg::OnInsertLogo() {
  NotAvailableYet(QStringLiteral("Insert Logo"));
}

void Layout1Dlg::OnDeleteLogo() {
  document_.DeleteLogo();
  Refresh();
}

void Layout1Dlg::OnTextColors() {
  NotAvailableYet(QStringLiteral("Text Colors"));
}

void Layout1Dlg::OnFrameColors() {
  NotAvailableYet(QStringLiteral("Frame Colors"));
}

void Layout1Dlg::OnBackgroundColor() {
  NotAvailableYet(QStringLiteral("Background Color"));
}

void Layout1Dlg::OnCardProperties() {
  NotAvailableYet(QStringLiteral("Card properties"));
}

}  // namespace tavolo
