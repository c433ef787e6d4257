#include "ui/controls/HueLightnessPicker.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/base/CheckedCall.h"
#include "ui/controls/ControlPainting.h"
#include "ui/controls/EyedropperCursor.h"

namespace tavolo {

namespace {

struct CellSize {
  float width;
  float height;
};

CellSize CellSizeOf(QSize size) {
  return {static_cast<float>(size.width() - 2) / kHLPickerColumns,
          static_cast<float>(size.height() - 2) / kHLPickerRows};
}

// What a swatch shows: the grey row in exact steps of 255 / 16, the hue rows rounded.
QColor SwatchColour(int row, int column) {
  if (row == 0) {
    const int grey = column * 255 / 16;
    return QColor(grey, grey, grey);
  }
  const HslColour c = HLPickerCellColour(row, column);
  TAVOLO_CHECK_AS("h>=0 && h<=239 && l>=0 && l<=240",
                  c.h >= 0 && c.h <= 239 && c.l >= 0 && c.l <= 240);
  return QColor::fromRgb(ToQRgb(HslToColourRef(c.h, c.s, c.l)));
}

}  // namespace

HslColour HLPickerCellColour(int row, int column) {
  if (row == 0) return {0, 0, static_cast<float>(column * 15)};
  int hue = (row - 1) * 20 + 60;
  if (hue >= 240) hue -= 240;
  return {static_cast<float>(hue), 240, static_cast<float>(column) / 16 * 200 + 20};
}

QRect HLPickerCellRect(int row, int column, QSize size) {
  const CellSize cell = CellSizeOf(size);
  const int left = static_cast<int>(std::floor(static_cast<float>(column) * cell.width)) + 1;
  const int top = static_cast<int>(std::floor(static_cast<float>(row) * cell.height)) + 1;
  const int right = static_cast<int>(std::ceil(static_cast<float>(column + 1) * cell.width)) + 1;
  const int bottom = static_cast<int>(std::ceil(static_cast<float>(row + 1) * cell.height)) + 1;
  return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QPoint HLPickerCellAt(QPoint point, QSize size) {
  const QPoint none(-1, -1);
  if (point.x() <= 0 || point.x() >= size.width() || point.y() <= 0 || point.y() >= size.height()) {
    return none;
  }
  const CellSize cell = CellSizeOf(size);
  if (cell.width <= 0 || cell.height <= 0) return none;
  const int column = static_cast<int>(static_cast<float>(point.x() - 1) / cell.width);
  const int row = static_cast<int>(static_cast<float>(point.y() - 1) / cell.height);
  if (column >= kHLPickerColumns || row >= kHLPickerRows) return none;
  return {column, row};
}

HueLightnessPicker::HueLightnessPicker(QWidget* parent) : OwnerDrawnControl(parent) {
  setCursor(EyedropperCursor());
  AcceptKeyboardFocus();
}

void HueLightnessPicker::Draw(QImage& picture) const {
  const QSize size = LogicalSize(picture);
  const CellSize cell = CellSizeOf(size);
  QPainter painter(&picture);
  painter.fillRect(LogicalRect(picture), Qt::black);
  for (int row = 0; row < kHLPickerRows; ++row) {
    for (int column = 0; column < kHLPickerColumns; ++column) {
      painter.fillRect(HLPickerCellRect(row, column, size), SwatchColour(row, column));
    }
  }
  for (int k = 1; k < kHLPickerRows; ++k) {
    painter.fillRect(0, static_cast<int>(static_cast<float>(k) * cell.height + 1), size.width(), 1,
                     Qt::black);
  }
  for (int k = 1; k < kHLPickerColumns; ++k) {
    painter.fillRect(static_cast<int>(static_cast<float>(k) * cell.width + 1), 0, 1, size.height(),
                     Qt::black);
  }
  DrawSunkenEdge(painter, size, palette());
}

void HueLightnessPicker::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = true;
  const QPoint hit = HLPickerCellAt(event->position().toPoint(), size());
  if (hit.x() >= 0) current_ = HLPickerCellColour(hit.y(), hit.x());
}

// An ordinary button click: the owner hears of it when the press is released inside.
void HueLightnessPicker::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  if (rect().contains(event->position().toPoint())) Q_EMIT clicked();
}

QRect HueLightnessPicker::FocusMarkRect() const {
  return HLPickerCellRect(focusCell_.y(), focusCell_.x(), size()).adjusted(1, 1, -1, -1);
}

void HueLightnessPicker::keyPressEvent(QKeyEvent* event) {
  if (IsPressKey(*event)) {
    current_ = HLPickerCellColour(focusCell_.y(), focusCell_.x());
    Q_EMIT clicked();
    return;
  }
  QPoint cell = focusCell_;
  switch (event->key()) {
    case Qt::Key_Left:
      cell.rx() -= 1;
      break;
    case Qt::Key_Right:
      cell.rx() += 1;
      break;
    case Qt::Key_Up:
      cell.ry() -= 1;
      break;
    case Qt::Key_Down:
      cell.ry() += 1;
      break;
    default:
      OwnerDrawnControl::keyPressEvent(event);
      return;
  }
  focusCell_ = QPoint(std::clamp(cell.x(), 0, kHLPickerColumns - 1),
                      std::clamp(cell.y(), 0, kHLPickerRows - 1));
  update();
}

}  // namespace tavolo
