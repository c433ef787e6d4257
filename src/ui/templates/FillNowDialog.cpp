#include "ui/templates/FillNowDialog.h"

#include "core/base/Translation.h"

#include <QPushButton>

namespace tavolo {

FillNowDialog::FillNowDialog(QWidget* parent) : QMessageBox(parent) {
  setWindowTitle(QStringLiteral("Tavolo"));
  setIcon(QMessageBox::Information);
  setText(
      Tr("We recommend to fill-in the fields marked with * now. However you can also fill, edit or "
         "remove these fields later."));
  fillNow_ = addButton(Tr("Fill Now"), QMessageBox::AcceptRole);
  continueAnyway_ = addButton(Tr("Continue Anyway"), QMessageBox::DestructiveRole);
  setDefaultButton(fillNow_);
  setEscapeButton(fillNow_);
}

bool FillNowDialog::ContinueAnyway() const {
  return clickedButton() == continueAnyway_;
}

}  // namespace tavolo
