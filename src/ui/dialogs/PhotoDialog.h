// Photo Options: loads the card's photo, trims its four sides, scales it and places it on the
// draft card preview.
#pragma once

#include <array>

#include "ui/dialogs/ImageOptionsDialog.h"

namespace tavolo {

class Slider;

class PhotoDialog : public ImageOptionsDialog {
  Q_OBJECT

 public:
  // The trims, in the order the dialog lists them.
  enum Trim { kTrimLeft, kTrimRight, kTrimTop, kTrimBottom };

  // `card` is the card as it was when Insert (Edit) Photo began, its photo included.
  PhotoDialog(QImage cardPicture, const CardState& card, DataFolder photoFolder, Prompts& prompts,
              QWidget* parent = nullptr);

  Slider& TrimSlider(Trim trim) const { return *trims_[trim]; }

 protected:
  void EnableObjectControls(bool enabled) override;
  void ShowObjectControls() override;

 private:
  void TrimMoved(Trim trim);

  std::array<Slider*, 4> trims_{};
};

}  // namespace tavolo
