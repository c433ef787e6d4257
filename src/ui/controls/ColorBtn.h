// A colour swatch button: the colour framed black and white; hatched while disabled.
#pragma once

#include "core/base/ColorModel.h"
#include "ui/controls/OwnerDrawnControl.h"

namespace tavolo {

class ColorBtn : public OwnerDrawnControl {
  Q_OBJECT

 public:
  explicit ColorBtn(QWidget* parent = nullptr);

  // Stores the colour and redraws at once (checked).
  void SetColor(Colorref colour);
  Colorref Color() const { return colour_; }

 protected:
  void Draw(QImage& picture) const override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  Colorref colour_ = 0;
  bool pressed_ = false;
};

}  // namespace tavolo
