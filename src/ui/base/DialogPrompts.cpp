#include "ui/base/DialogPrompts.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFileDialog>

#include "core/base/Translation.h"

namespace tavolo {

namespace {

const QString kCaption = QStringLiteral("Tavolo");

QString RunFileDialog(QWidget* parent, const FileDialogRequest& request,
                      QFileDialog::AcceptMode mode) {
  const QString folder = request.folder.isEmpty() && request.kind != FileKind::kNone
                             ? StartFolder(request.kind)
                             : request.folder;
  QFileDialog dialog(parent, request.title, folder, request.filter);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  if (!request.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(request.defaultSuffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString chosen = dialog.selectedFiles().front();
  RememberFolder(request.kind, chosen);
  return chosen;
}

}  // namespace

void DialogPrompts::Tell(QWidget* parent, const QString& text, QMessageBox::Icon icon) {
  QMessageBox box(icon, kCaption, text, QMessageBox::Ok, parent);
  box.exec();
}

QMessageBox::StandardButton DialogPrompts::Ask(QWidget* parent, const QString& text,
                                               QMessageBox::StandardButtons buttons) {
  QMessageBox box(QMessageBox::Question, kCaption, text, buttons, parent);
  // Alt and a letter answer the question about unsaved work from the keyboard.
  if (QAbstractButton* save = box.button(QMessageBox::Save)) save->setText(Tr("&Save"));
  if (QAbstractButton* discard = box.button(QMessageBox::Discard)) {
    discard->setText(Tr("&Discard"));
    // Enter never throws work away unasked: without a Save button it cancels.
    if (!buttons.testFlag(QMessageBox::Save)) box.setDefaultButton(QMessageBox::Cancel);
  }
  box.setEscapeButton(QMessageBox::Cancel);
  const int answer = box.exec();
  return static_cast<QMessageBox::StandardButton>(answer);
}

QString DialogPrompts::OpenFileName(QWidget* parent, const FileDialogRequest& request) {
  return RunFileDialog(parent, request, QFileDialog::AcceptOpen);
}

QString DialogPrompts::SaveFileName(QWidget* parent, const FileDialogRequest& request) {
  return RunFileDialog(parent, request, QFileDialog::AcceptSave);
}

int DialogPrompts::Run(QDialog& dialog) {
  return dialog.exec();
}

}  // namespace tavolo
