#include "ui/controls/ColourLine.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/controls/ControlPainting.h"
#include "ui/controls/EyedropperCursor.h"

namespace tavolo {

namespace {

// The twelve hues are spread over the whole hue scale, 239 / 12 apart.
constexpr float kHueStep = 19.916666f;

struct CellSize {
  float width;
  float height;
};

CellSize CellSizeOf(QSize size) {
  return {static_cast<float>(size.width()) / kColourLineColumns,
          static_cast<float>(size.height() - 2) / kColourLineRows};
}

}  // namespace

HslColour ColourLineCellColour(int cell) {
  if (cell == kColourLineWhiteCell) return {0, 240, 240};
  if (cell == kColourLineBlackCell) return {0, 0, 0};
  return {static_cast<float>(cell) * kHueStep, 240, 120};
}

QRect ColourLineCellRect(int cell, QSize size) {
  const CellSize cellSize = CellSizeOf(size);
  const int w = static_cast<int>(cellSize.width);
  const int h = static_cast<int>(cellSize.height);
  const int row = cell / kColourLineColumns;
  const int column = cell % kColourLineColumns;
  return QRect(w * column, h * row, w, h);
}

int ColourLineCellAt(QPoint point, QSize size) {
  if (!QRect(QPoint(0, 0), size).contains(point)) return -1;
  const CellSize cellSize = CellSizeOf(size);
  if (cellSize.width <= 0 || cellSize.height <= 0) return -1;
  const int column = static_cast<int>(static_cast<float>(point.x()) / cellSize.width);
  const int row = static_cast<int>(static_cast<float>(point.y()) / cellSize.height);
  if (column >= kColourLineColumns || row >= kColourLineRows) return -1;
  return row * kColourLineColumns + column;
}

int ColourLineCellAfterKey(int cell, int key) {
  const int row = cell / kColourLineColumns;
  const int column = cell % kColourLineColumns;
  switch (key) {
    case Qt::Key_Left:
      return column > 0 ? cell - 1 : cell;
    case Qt::Key_Right:
      return column < kColourLineColumns - 1 ? cell + 1 : cell;
    case Qt::Key_Up:
      return row > 0 ? cell - kColourLineColumns : cell;
    case Qt::Key_Down:
      return row < kColourLineRows - 1 ? cell + kColourLineColumns : cell;
    default:
      return -1;
  }
}

ColourLine::ColourLine(QWidget* parent) : OwnerDrawnControl(parent) {
  setCursor(EyedropperCursor());
  AcceptKeyboardFocus();
}

QRect ColourLine::FocusMarkRect() const {
  return ColourLineCellRect(focusCell_, size()).adjusted(2, 2, -2, -2);
}

void ColourLine::Pick(int cell) {
  current_ = ColourLineCellColour(cell);
  Q_EMIT clicked();
}

void ColourLine::Draw(QImage& picture) const {
  QPainter painter(&picture);
  const QColor face = palette().color(QPalette::Button);
  painter.fillRect(LogicalRect(picture), face);
  for (int cell = 0; cell < kColourLineCells; ++cell) {
    const QRect area = ColourLineCellRect(cell, LogicalSize(picture));
    const QColor colour =
        QColor::fromRgb(ToQRgb(RgbToColourRef(HslToRgb(ColourLineCellColour(cell)))));
    if (isEnabled()) {
      painter.fillRect(area, colour);
    } else {
      FillHatched(painter, area, colour, face);
    }
    FrameRect3d(painter, area, Qt::black, Qt::black);
  }
}

void ColourLine::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const int cell = ColourLineCellAt(event->position().toPoint(), size());
  if (cell < 0) return;
  focusCell_ = cell;
  Pick(cell);
}

void ColourLine::keyPressEvent(QKeyEvent* event) {
  if (IsPressKey(*event)) {
    Pick(focusCell_);
    return;
  }
  const int cell = ColourLineCellAfterKey(focusCell_, event->key());
  if (cell < 0) {
    OwnerDrawnControl::keyPressEvent(event);
    return;
  }
  focusCell_ = cell;
  update();
}

}  // namespace tavolo
