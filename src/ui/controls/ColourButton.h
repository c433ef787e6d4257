// A colour swatch button: the colour framed black and white; hatched while disabled.
#pragma once

#include "core/base/ColourModel.h"
#include "ui/controls/OwnerDrawnControl.h"

namespace tavolo {

class ColourButton : public OwnerDrawnControl {
  Q_OBJECT

 public:
  explicit ColourButton(QWidget* parent = nullptr);

  // Stores the colour and redraws at once (checked).
  void SetColour(ColourRef colour);
  ColourRef Colour() const { return colour_; }

 protected:
  QAccessible::Role AccessibleRole() const override { return QAccessible::Button; }
  void Draw(QImage& picture) const override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  ColourRef colour_ = 0;
  bool pressed_ = false;
};

}  // namespace tavolo
