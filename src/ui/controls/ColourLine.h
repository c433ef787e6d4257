// A row of 14 colour swatches, 7 columns by 2 rows: twelve hues, white and black. A press on a
// swatch makes its colour current and notifies the owner at once. With the keyboard focus the
// arrow keys move the focus mark from swatch to swatch and Space or Enter picks the marked one.
#pragma once

#include <QRect>
#include <QSize>

#include "core/base/ColourModel.h"
#include "ui/controls/OwnerDrawnControl.h"

namespace tavolo {

inline constexpr int kColourLineColumns = 7;
inline constexpr int kColourLineRows = 2;
inline constexpr int kColourLineCells = kColourLineColumns * kColourLineRows;
inline constexpr int kColourLineWhiteCell = 6;
inline constexpr int kColourLineBlackCell = 13;

// The colour of cell k = 7 row + column.
HslColour ColourLineCellColour(int cell);
// Where cell k is drawn in a control of `size`.
QRect ColourLineCellRect(int cell, QSize size);
// The cell under a point of the client area, or -1.
int ColourLineCellAt(QPoint point, QSize size);
// The cell an arrow key moves to from `cell` (Left and Right along the row, Up and Down to the
// other row), or `cell` itself at the edge; -1 for any other key.
int ColourLineCellAfterKey(int cell, int key);

class ColourLine : public OwnerDrawnControl {
  Q_OBJECT

 public:
  explicit ColourLine(QWidget* parent = nullptr);

  // The colour of the swatch picked last (black before the first pick).
  HslColour CurrentColour() const { return current_; }
  // The swatch the keyboard focus mark is on.
  int FocusCell() const { return focusCell_; }

 protected:
  void Draw(QImage& picture) const override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  QRect FocusMarkRect() const override;

 private:
  void Pick(int cell);

  HslColour current_{0, 0, 0};
  int focusCell_ = 0;
};

}  // namespace tavolo
