// The centred slider, position -0.5..0.5, drawn over a tint strip (hue, saturation or lightness:
// what the tint makes of the background at each position).
// Dragging notifies the owner at every step; releasing asks the owner to apply the value. With
// the keyboard focus the arrow, page, Home and End keys move it as a drag does, and letting go
// of the key is the release.
#pragma once

#include "ui/controls/OwnerDrawnControl.h"

namespace tavolo {

enum class ColourStripSliderMode { Hue = 0, Saturation = 1, Grey = 2 };

inline constexpr int kColourStripHeight = 15;
inline constexpr int kColourStripThumbWidth = 12;

// The position under x in a slider `width` wide: x is clamped to 0..width.
float ColourStripPositionAt(int x, int width);
// The left edge of the thumb bar for a position.
int ColourStripThumbX(float position, int width);
// The top row of the colour strip.
int ColourStripTop(int height);

class ColourStripSlider : public OwnerDrawnControl {
  Q_OBJECT

 public:
  explicit ColourStripSlider(QWidget* parent = nullptr);

  // The strip: 0 hue, 1 saturation (in the hue set by SetHue), 2 grey. Any other mode raises
  // the fatal-error report when the slider is drawn.
  void SetMode(int mode);
  int Mode() const { return mode_; }
  // The hue of the saturation strip, 0..239.
  void SetHue(float hue);
  float Hue() const { return hue_; }
  // Sets the position from code (checked to lie in -0.5..0.5) and redraws; does not notify.
  void SetPosition(float position);
  float Position() const { return position_; }

 Q_SIGNALS:
  // The drag has ended: the owner applies the value (and records it once).
  void released();

 protected:
  QAccessible::Role AccessibleRole() const override { return QAccessible::Slider; }
  void Draw(QImage& picture) const override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  QRgb StripColour(float v) const;

  int mode_ = 0;
  float position_ = 0.0f;
  bool dragging_ = false;
  float hue_ = 0.0f;
  // A key moved the slider and has not been let go yet.
  bool keyDragging_ = false;
};

}  // namespace tavolo
