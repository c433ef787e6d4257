// The "&Edit" menu: undo and redo, copying the card, the photo, the logo and the QR code, the
// colours, the card's size and its contact details.
#include <QClipboard>
#include <QGuiApplication>

#include "ui/app/EditCommands.h"
#include "ui/app/MainWindow.h"
#include "ui/card/CardPreview.h"
#include "ui/dialogs/ContactDetailsDialog.h"
#include "ui/dialogs/QrCodeDialog.h"

namespace tavolo {

void MainWindow::OnUndo() {
  document_.Undo();
}

void MainWindow::OnRedo() {
  document_.Redo();
}

void MainWindow::OnCopy() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return;
  // A rendering that failed has been reported already.
  const QImage card = document_.RenderClipboardImage();
  if (!card.isNull()) clipboard->setImage(card);
}

void MainWindow::OnInsertPhoto() {
  ChooserPause pause(*this);
  PlacePicture(this, *prompts_, *preview_, PictureKind::kPhoto);
}

void MainWindow::OnDeletePhoto() {
  document_.DeletePicture(PictureKind::kPhoto);
}

void MainWindow::OnInsertLogo() {
  ChooserPause pause(*this);
  PlacePicture(this, *prompts_, *preview_, PictureKind::kLogo);
}

void MainWindow::OnDeleteLogo() {
  document_.DeletePicture(PictureKind::kLogo);
}

void MainWindow::OnInsertQrCode() {
  ChooserPause pause(*this);
  QrCodeDialog dialog(*preview_, this);
  prompts_->Run(dialog);
}

void MainWindow::OnTextColours() {
  ChooserPause pause(*this);
  EditColours(this, *prompts_, *preview_, ColourTarget::kText);
}

void MainWindow::OnFrameColours() {
  ChooserPause pause(*this);
  EditColours(this, *prompts_, *preview_, ColourTarget::kFrame);
}

void MainWindow::OnBackgroundColour() {
  ChooserPause pause(*this);
  EditColours(this, *prompts_, *preview_, ColourTarget::kBackground);
}

void MainWindow::OnCardProperties() {
  ChooserPause pause(*this);
  EditCardProperties(this, *prompts_, *preview_);
}

void MainWindow::OnContactDetails() {
  ChooserPause pause(*this);
  ContactDetailsDialog dialog(document_.Details(), *prompts_, this);
  if (prompts_->Run(dialog) == QDialog::Accepted) document_.SetContactDetails(dialog.Details());
}

void MainWindow::OnBackSide() {
  document_.SetBackSide(!document_.HasBack());
}

void MainWindow::OnShowFace(CardFace face) {
  document_.ShowFace(face);
  // Choosing the face shown again changes nothing, but the menu's check follows the document.
  UpdateMenus();
}

}  // namespace tavolo
