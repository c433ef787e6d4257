#include "ui/base/DialogPrompts.h"

#include <QDialog>
#include <QFileDialog>

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

QMessageBox::StandardButton DialogPrompts::AskYesNoCancel(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Question, kCaption, text,
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
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
