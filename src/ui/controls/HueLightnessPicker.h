// A fixed palette of 221 swatches, 13 rows by 17 columns: a grey scale on top, then twelve
// hues from dark to light. A press picks a swatch; the release notifies the owner, who reads
// the current colour. With the keyboard focus the arrow keys move the focus mark over the
// swatches and Space or Enter picks the marked one and notifies.
#pragma once

#include <QRect>
#include <QSize>

#include "core/base/ColourModel.h"
#include "ui/controls/OwnerDrawnControl.h"

namespace tavolo {

inline constexpr int kHLPickerRows = 13;
inline constexpr int kHLPickerColumns = 17;

// The colour a swatch stands for.
HslColour HLPickerCellColour(int row, int column);
// The area filled for a swatch: from its floored start to its ceiled end, one pixel in.
QRect HLPickerCellRect(int row, int column, QSize size);
// The swatch under a point as (column, row), or (-1, -1) for none; the border pixels pick none.
QPoint HLPickerCellAt(QPoint point, QSize size);

class HueLightnessPicker : public OwnerDrawnControl {
  Q_OBJECT

 public:
  explicit HueLightnessPicker(QWidget* parent = nullptr);

  // The colour picked last; the owner may seed it so that a miss keeps its colour.
  HslColour CurrentColour() const { return current_; }
  void SetCurrentColour(HslColour colour) { current_ = colour; }

 protected:
  void Draw(QImage& picture) const override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  QRect FocusMarkRect() const override;

 private:
  HslColour current_{0, 0, 0};
  bool pressed_ = false;
  QPoint focusCell_{0, 0};  // column, row
};

}  // namespace tavolo
