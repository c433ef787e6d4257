// The question the template library asks when "Continue" is pressed with a starred field left
// empty: "Fill Now" (the default, also Escape) goes back to the fields, "Continue Anyway" closes
// the library without taking what was typed.
#pragma once

#include <QMessageBox>

class QPushButton;

namespace tavolo {

class FillNowDialog : public QMessageBox {
  Q_OBJECT

 public:
  explicit FillNowDialog(QWidget* parent = nullptr);

  QPushButton* FillNowButton() const { return fillNow_; }
  QPushButton* ContinueAnywayButton() const { return continueAnyway_; }
  // After it ran: true when the user chose "Continue Anyway".
  bool ContinueAnyway() const;

 private:
  QPushButton* fillNow_;
  QPushButton* continueAnyway_;
};

}  // namespace tavolo
