// The prompts as the user sees them: Qt's message boxes and file dialogs, dialogs run modally.
#pragma once

#include "ui/base/Prompts.h"

namespace tavolo {

class DialogPrompts final : public Prompts {
 public:
  void Tell(QWidget* parent, const QString& text, QMessageBox::Icon icon) override;
  QMessageBox::StandardButton Ask(QWidget* parent, const QString& text,
                                  QMessageBox::StandardButtons buttons) override;
  QString OpenFileName(QWidget* parent, const FileDialogRequest& request) override;
  QString SaveFileName(QWidget* parent, const FileDialogRequest& request) override;
  int Run(QDialog& dialog) override;
};

}  // namespace tavolo
