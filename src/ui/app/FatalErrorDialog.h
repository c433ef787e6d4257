// The Fatal Error dialog: the report of a failed check, with "Retry" to go on after the failed
// call and "Cancel" (also Escape and the close box) to end the program.
#pragma once

#include <QDialog>
#include <string>

#include "core/base/CheckedCall.h"

class QPlainTextEdit;

namespace tavolo {

class FatalErrorDialog : public QDialog {
  Q_OBJECT

 public:
  explicit FatalErrorDialog(const std::string& report, QWidget* parent = nullptr);

  QString ReportText() const;

 private:
  QPlainTextEdit* report_;
};

// Shows the report modally and answers the user's choice.
FatalChoice ShowFatalErrorDialog(const std::string& report);

// Makes the dialog the reporter of every failed check. Call once a QApplication exists; while
// none exists (before start-up or after shutdown) reports go to standard error.
void InstallFatalErrorDialog();

}  // namespace tavolo
