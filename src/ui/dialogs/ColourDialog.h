// Color Options: one colour for a whole class of card objects (the text of every used box, their
// frames, or the background), chosen on the saturation-lightness square, the hue strip, the
// swatch palette or as red, green and blue numbers. Every change shows on the card preview at
// once; OK records the visit as one step and Cancel restores the card exactly.
#pragma once

#include <array>

#include <QTimer>

#include "core/base/ColourModel.h"
#include "core/editing/ColourTargets.h"
#include "ui/dialogs/LiveEditDialog.h"

class QComboBox;
class QLineEdit;

namespace tavolo {

class ColourButton;
class HueLightnessPicker;
class HueSlider;
class CardView;
class SaturationLightnessSquare;

class ColourDialog : public LiveEditDialog {
  Q_OBJECT

 public:
  // How often the red, green and blue boxes are read.
  static constexpr int kTickMs = 100;

  // Edits the live state of the preview's document; the preview must outlive the dialog.
  ColourDialog(CardView& preview, ColourTarget target, QWidget* parent = nullptr);

  HslColour CurrentColour() const { return current_; }
  ColourTarget Target() const { return target_; }

  SaturationLightnessSquare& Square() const { return *square_; }
  HueSlider& HueStrip() const { return *hue_; }
  HueLightnessPicker& Palette() const { return *palette_; }
  ColourButton& Swatch() const { return *swatch_; }
  // 0 red, 1 green, 2 blue.
  QLineEdit& ChannelEdit(int channel) const { return *channels_[channel]; }

  // Numbers typed just before OK count, as they would have at the next tick.
  void done(int result) override;

 private:
  void SquareMoved();
  void HueMoved();
  void SwatchPicked();
  void Tick();
  // Brings the hue strip and the square (all three positions) to the current colour.
  void ShowOnPickers();
  // The swatch and the remembered numbers (and the boxes, when `writeEdits`) follow the colour.
  void ShowNumbers(bool writeEdits);
  // Writes the current colour into the card and redraws the preview.
  void UpdateLogo();

  ColourTarget target_;
  HslColour current_;
  RgbNumbers shown_{};

  QComboBox* selector_ = nullptr;
  SaturationLightnessSquare* square_ = nullptr;
  HueSlider* hue_ = nullptr;
  ColourButton* swatch_ = nullptr;
  HueLightnessPicker* palette_ = nullptr;
  std::array<QLineEdit*, 3> channels_{};
  QTimer timer_;
};

}  // namespace tavolo
