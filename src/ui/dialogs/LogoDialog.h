// Logo Options: loads the card's logo, scales it, turns it clockwise by quarter turns and places
// it on the draft card preview.
#pragma once

#include "ui/dialogs/ImageOptionsDialog.h"

namespace tavolo {

class LogoDialog : public ImageOptionsDialog {
  Q_OBJECT

 public:
  // `card` is the card as it was when Insert (Edit) Logo began, its logo included.
  LogoDialog(QImage cardPicture, const CardState& card, DataFolder photoFolder, Prompts& prompts,
             QWidget* parent = nullptr);

  QPushButton& RotateButton() const { return *rotate_; }

  // "Rotate Clockwise": a quarter turn more.
  void RotateClockwise();

 protected:
  void EnableObjectControls(bool enabled) override;

 private:
  QPushButton* rotate_ = nullptr;
};

}  // namespace tavolo
