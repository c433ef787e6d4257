#include "core/qr/QrCodeDrawing.h"

#include <algorithm>
#include <cmath>

#include <QImage>

#include "core/card/Truncate.h"

namespace tavolo {

PixelRect QrCodeArea(const PlacedQrCode& code, int divisor) {
  const float div = static_cast<float>(std::max(divisor, 1));
  const float side = code.side / div;
  const int left = Trunc(std::floor(code.x / div - side / 2));
  const int top = Trunc(std::floor(code.y / div - side / 2));
  const int pixels = Trunc(side);
  return {left, top, left + pixels, top + pixels};
}

QrModuleGrid QrModulesIn(const PixelRect& area, int span) {
  if (span <= 0 || area.Width() <= 0) return {area.left, area.top, 0, 0, 1};
  return {area.left, area.top, static_cast<int>(area.Width() / span), static_cast<int>(area.Width()), span};
}

void DrawQrCode(QPainter& painter, const QrSymbol& symbol, const PlacedQrCode& code, int divisor) {
  const PixelRect area = QrCodeArea(code, divisor);
  if (area.Width() <= 0 || symbol.width <= 0) return;
  const QColor ground = QColor::fromRgb(code.lightOnDark ? code.dark : code.light);
  const QColor ink = QColor::fromRgb(code.lightOnDark ? code.light : code.dark);
  const int span = symbol.Span();
  const QrModuleGrid grid = QrModulesIn(area, span);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  if (grid.modulePixels == 0) {
    QImage small(span, span, QImage::Format_RGB32);
    small.fill(ground);
    for (int row = 0; row < symbol.width; ++row) {
      for (int column = 0; column < symbol.width; ++column) {
        if (symbol.Dark(column, row)) {
          small.setPixel(column + kQrQuietModules, row + kQrQuietModules, ink.rgb());
        }
      }
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(QRectF(area.left, area.top, static_cast<qreal>(area.Width()),
                             static_cast<qreal>(area.Height())),
                      small);
    painter.restore();
    return;
  }
  // The whole area is ground: the quiet zone.
  painter.fillRect(QRectF(area.left, area.top, static_cast<qreal>(area.Width()),
                          static_cast<qreal>(area.Height())),
                   ground);
  const auto edge = [&](int module) { return grid.Edge(module + kQrQuietModules); };
  for (int row = 0; row < symbol.width; ++row) {
    const int top = grid.top + edge(row);
    const int height = edge(row + 1) - edge(row);
    // Each run of dark modules in a row is one rectangle.
    for (int column = 0; column < symbol.width;) {
      if (!symbol.Dark(column, row)) {
        ++column;
        continue;
      }
      const int start = column;
      while (column < symbol.width && symbol.Dark(column, row)) ++column;
      painter.fillRect(QRect(grid.left + edge(start), top, edge(column) - edge(start), height),
                       ink);
    }
  }
  painter.restore();
}

QImage QrCodeImage(const QrSymbol& symbol, const PlacedQrCode& code, int pixels) {
  QImage image(pixels, pixels, QImage::Format_RGB32);
  if (image.isNull()) return image;
  PlacedQrCode alone = code;
  alone.side = static_cast<float>(pixels);
  alone.x = alone.side / 2;
  alone.y = alone.side / 2;
  image.fill(QColor::fromRgb(code.lightOnDark ? code.dark : code.light));
  QPainter painter(&image);
  DrawQrCode(painter, symbol, alone, 1);
  return image;
}

}  // namespace tavolo
