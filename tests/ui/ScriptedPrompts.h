// The main window's prompts answered from a script, so that a test can drive every question and
// file dialog and see what the user would have been told.
#pragma once

#include <QDialog>
#include <QStringList>
#include <gtest/gtest.h>
#include <deque>
#include <functional>
#include <vector>

#include "ui/base/Prompts.h"

namespace tavolo::test {

struct Script {
  // Answers to the questions, oldest first; Cancel when none is left.
  std::deque<QMessageBox::StandardButton> answers;
  // Paths the file dialogs give, oldest first; an empty one (or none left) cancels.
  std::deque<QString> paths;
  // Runs a modal dialog in place of exec(): does what the user would, then closes it. Without
  // one the dialog is cancelled.
  std::function<void(QDialog&)> dialog;

  // What the window said and asked.
  QStringList told;
  QStringList asked;
  std::vector<FileDialogRequest> fileDialogs;
  int dialogsRun = 0;
};

class ScriptedPrompts final : public Prompts {
 public:
  explicit ScriptedPrompts(Script& script) : script_(script) {}

  void Tell(QWidget*, const QString& text, QMessageBox::Icon) override {
    script_.told.push_back(text);
  }
  QMessageBox::StandardButton Ask(QWidget*, const QString& text,
                                  QMessageBox::StandardButtons buttons) override {
    script_.asked.push_back(text);
    if (script_.answers.empty()) return QMessageBox::Cancel;
    const QMessageBox::StandardButton answer = script_.answers.front();
    script_.answers.pop_front();
    EXPECT_TRUE(buttons.testFlag(answer)) << text.toStdString();
    return answer;
  }
  QString OpenFileName(QWidget*, const FileDialogRequest& request) override {
    return NextPath(request);
  }
  QString SaveFileName(QWidget*, const FileDialogRequest& request) override {
    return NextPath(request);
  }
  int Run(QDialog& dialog) override {
    ++script_.dialogsRun;
    dialog.show();
    if (script_.dialog) {
      script_.dialog(dialog);
    }
    if (dialog.isVisible()) dialog.reject();
    return dialog.result();
  }

 private:
  QString NextPath(const FileDialogRequest& request) {
    script_.fileDialogs.push_back(request);
    if (script_.paths.empty()) return {};
    const QString path = script_.paths.front();
    script_.paths.pop_front();
    return path;
  }

  Script& script_;
};

}  // namespace tavolo::test
