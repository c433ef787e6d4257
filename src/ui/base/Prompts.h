// Everything the main window asks of the user goes through here: message boxes, the open and save
// dialogs, and running the modal option dialogs. The application answers with the real dialogs
// (DialogPrompts); the widget tests answer from a script.
#pragma once

#include <QMessageBox>
#include <QString>

#include "ui/base/FileFolders.h"

class QDialog;
class QWidget;

namespace tavolo {

struct FileDialogRequest {
  QString title;
  QString filter;         // in Qt's filter syntax
  QString defaultSuffix;  // added to a typed name without one; empty for none
  QString folder;         // where the dialog starts (a file in it to offer that name); empty for
                          // the start folder of `kind`
  FileKind kind = FileKind::kNone;  // whose last folder the dialog starts in and remembers
};

class Prompts {
 public:
  virtual ~Prompts() = default;
  // A message box with the caption "Tavolo" and an OK button.
  virtual void Tell(QWidget* parent, const QString& text, QMessageBox::Icon icon) = 0;
  // A question with `buttons` and the question icon; the button chosen (Cancel for Escape and
  // the close box).
  virtual QMessageBox::StandardButton Ask(QWidget* parent, const QString& text,
                                          QMessageBox::StandardButtons buttons) = 0;
  QMessageBox::StandardButton AskYesNoCancel(QWidget* parent, const QString& text) {
    return Ask(parent, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  }
  // The path of an existing file the user chose, or empty when the dialog was cancelled.
  virtual QString OpenFileName(QWidget* parent, const FileDialogRequest& request) = 0;
  // The path to save to (an existing file only after the user agreed to replace it), or empty.
  virtual QString SaveFileName(QWidget* parent, const FileDialogRequest& request) = 0;
  // Runs a modal dialog and answers its result (QDialog::Accepted or Rejected).
  virtual int Run(QDialog& dialog) = 0;
};

}  // namespace tavolo
