#include "ui/controls/ControlPainting.h"

#include <algorithm>

#include <QPainter>
#include <QWidget>

namespace tavolo {

void FrameRect3d(QPainter& painter, const QRect& rect, const QColor& topLeft,
                 const QColor& bottomRight) {
  const int x = rect.x();
  const int y = rect.y();
  const int w = rect.width();
  const int h = rect.height();
  if (w <= 0 || h <= 0) return;
  painter.fillRect(x, y, w - 1, 1, topLeft);
  painter.fillRect(x, y, 1, h - 1, topLeft);
  painter.fillRect(x + w - 1, y, 1, h, bottomRight);
  painter.fillRect(x, y + h - 1, w, 1, bottomRight);
}

void DrawSunkenEdge(QPainter& painter, const QSize& size, const QPalette& palette) {
  const QRect outer(QPoint(0, 0), size);
  FrameRect3d(painter, outer, palette.color(QPalette::Dark), palette.color(QPalette::Light));
  FrameRect3d(painter, outer.adjusted(1, 1, -1, -1), palette.color(QPalette::Shadow),
              palette.color(QPalette::Midlight));
}

void FillHatched(QPainter& painter, const QRect& rect, const QColor& colour,
                 const QColor& background) {
  painter.fillRect(rect, background);
  painter.fillRect(rect, QBrush(colour, Qt::DiagCrossPattern));
}

QSize LogicalSize(const QImage& picture) {
  return picture.deviceIndependentSize().toSize();
}

QRect LogicalRect(const QImage& picture) {
  return QRect(QPoint(0, 0), LogicalSize(picture));
}

QImage DevicePicture(QSize size, qreal ratio, QImage::Format format) {
  if (size.isEmpty()) return {};
  const qreal scale = std::max(ratio, 1.0);
  QImage picture(QSizeF(size * scale).toSize(), format);
  if (!picture.isNull()) picture.setDevicePixelRatio(scale);
  return picture;
}

namespace {

// The device pixels that cover `rect` (control pixels).
QRect DeviceRect(const QImage& picture, const QRect& rect) {
  const qreal ratio = picture.devicePixelRatio();
  return QRectF(QPointF(rect.topLeft()) * ratio, QSizeF(rect.size()) * ratio).toAlignedRect();
}

}  // namespace

void InvertRect(QImage& picture, const QRect& rect) {
  const QRect area = DeviceRect(picture, rect).intersected(picture.rect());
  for (int y = area.top(); y <= area.bottom(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = area.left(); x <= area.right(); ++x) row[x] ^= 0x00FFFFFFu;
  }
}

void DrawFocusMark(QImage& picture, const QRect& rect) {
  if (rect.width() < 2 || rect.height() < 2) return;
  const QRect inside = picture.rect();
  const auto dot = [&](int x, int y) {
    if (((x + y) & 1) != 0) return;
    const QRect cover = DeviceRect(picture, QRect(x, y, 1, 1)).intersected(inside);
    for (int dy = cover.top(); dy <= cover.bottom(); ++dy) {
      auto* row = reinterpret_cast<QRgb*>(picture.scanLine(dy));
      // Opaque afterwards, so that the mark also shows where a transparent control is clear.
      for (int dx = cover.left(); dx <= cover.right(); ++dx) {
        row[dx] = (row[dx] ^ 0x00FFFFFFu) | 0xFF000000u;
      }
    }
  };
  for (int x = rect.left(); x <= rect.right(); ++x) {
    dot(x, rect.top());
    dot(x, rect.bottom());
  }
  for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
    dot(rect.left(), y);
    dot(rect.right(), y);
  }
}

void DrawBox(QPainter& painter, int left, int top, int right, int bottom, const QColor& outline,
             const QColor& fill) {
  if (right <= left || bottom <= top) return;
  painter.fillRect(left, top, right - left, bottom - top, outline);
  if (right - left > 2 && bottom - top > 2) {
    painter.fillRect(left + 1, top + 1, right - left - 2, bottom - top - 2, fill);
  }
}

bool RedrawNow(QWidget& control) {
  control.repaint();
  return true;
}

bool ReleaseMouseCapture(QWidget& control) {
  if (QWidget::mouseGrabber() == &control) control.releaseMouse();
  return QWidget::mouseGrabber() != &control;
}

}  // namespace tavolo
