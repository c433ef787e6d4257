#include "core/pictures/SvgRaster.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include "core/base/Translation.h"
#include "core/pictures/ImageBridge.h"
#include "core/pictures/SvgCostMeter.h"

namespace tavolo {

bool RasterizeSvg(QSvgRenderer& renderer, QSize size, uint64_t& costBudget, RasterImage& out) {
  size = size.expandedTo(QSize(1, 1));
  renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
  const uint64_t cost = SvgPaintCost(renderer, size, costBudget);
  if (cost > costBudget) {
    out.SetLastError(TrMessage("the drawing is too complex to be drawn in reasonable time"));
    return false;
  }
  costBudget -= cost;
  // Painted premultiplied, which the painter blends several times faster.
  QImage pixels(size, QImage::Format_ARGB32_Premultiplied);
  if (pixels.isNull()) {
    out.SetLastError(TrMessage("not enough memory for the drawing"));
    return false;
  }
  pixels.fill(Qt::transparent);
  {
    QPainter painter(&pixels);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  }
  pixels.convertTo(QImage::Format_ARGB32);
  // The colours as the image layer holds them, then the alpha beside them (rows bottom-up).
  const QImage colours(pixels.constBits(), pixels.width(), pixels.height(), pixels.bytesPerLine(),
                       QImage::Format_RGB32);
  if (!ToRasterImage(colours, out) || !out.AddAlpha()) return false;
  const auto height = static_cast<uint32_t>(pixels.height());
  for (uint32_t y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(static_cast<int>(y)));
    uint8_t* alpha = out.GetAlphaRow(height - 1 - y);
    for (int x = 0; x < pixels.width(); ++x) alpha[x] = static_cast<uint8_t>(qAlpha(row[x]));
  }
  return true;
}

}  // namespace tavolo
