// Background Options: the shift of the background picture, the colour gradient laid over it (its
// scale and orientation) and the background colour with its brightness, edited live on the card.
// "Close" (or Enter) keeps the changes as one undo step; Escape and the close box restore the card.
#pragma once

#include "ui/dialogs/LiveEditDialog.h"

class QComboBox;
class QPushButton;

namespace tavolo {

class ColourLine;
class Slider;

class BackgroundOptionsDialog : public LiveEditDialog {
  Q_OBJECT

 public:
  // Control ids; each control's object name is its id in decimal.
  enum Control {
    kShiftSlider = 1000,
    kScaleSlider = 1001,
    kOrientationList = 1037,
    kColourLine = 1036,
    kBrightnessSlider = 1038,
    kCloseButton = 1,
  };

  explicit BackgroundOptionsDialog(CardView& preview, QWidget* parent = nullptr);

 private:
  void Connect();

  Slider* shift_ = nullptr;
  Slider* scale_ = nullptr;
  QComboBox* orientation_ = nullptr;
  ColourLine* colourSwatches_ = nullptr;
  Slider* brightness_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace tavolo
