#include "core/pictures/SvgDrawing.h"

#include <cmath>
#include <utility>
#include <vector>

#include <QPainter>
#include <QSvgRenderer>

#include "core/base/Translation.h"
#include "core/pictures/SvgCostMeter.h"
#include "core/pictures/SvgTextCheck.h"
#include "core/storage/FileIo.h"

namespace tavolo {

bool IsSvgFileName(const std::filesystem::path& file) {
  return QString::fromStdString(file.extension().string()).compare(u".svg", Qt::CaseInsensitive) ==
         0;
}

Outcome<SvgDrawing> ReadSvgDrawing(const std::filesystem::path& file, uint64_t maxPixels) {
  const Outcome<std::vector<uint8_t>> bytes = ReadWholeFile(file, kMaxSvgBytes);
  if (!bytes) return Failure{TranslatedMessage(bytes.Message())};
  return ReadSvgDrawing(bytes.Value(), maxPixels);
}

Outcome<SvgDrawing> ReadSvgDrawing(std::span<const uint8_t> bytes, uint64_t maxPixels) {
  if (bytes.size() > kMaxSvgBytes) {
    return Failure{TrMessage("the drawing is larger than an SVG logo may be (%1 bytes)",
                             static_cast<uint64_t>(kMaxSvgBytes))};
  }
  Outcome<CheckedSvg> checked = CheckSvgText(QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                                        static_cast<qsizetype>(bytes.size())));
  if (!checked) return Failure{checked.Message()};
  const CheckedSvg& counted = checked.Value();
  SvgDrawing drawing{std::move(checked.Value().text),
                     {},
                     counted.elements <= kMaxShapeElements &&
                         counted.pathNumbers <= kMaxShapePathNumbers &&
                         counted.characters <= kMaxShapeCharacters &&
                         counted.picturePixels <= kMaxShapePicturePixels};
  const QSvgRenderer renderer(drawing.text);
  const QSize own = renderer.defaultSize();
  if (!renderer.isValid() || own.isEmpty()) {
    return Failure{TrMessage("the drawing has no size that can be drawn")};
  }
  const double width = std::ceil(own.width() * kSvgPixelsToPrintPixels);
  const double height = std::ceil(own.height() * kSvgPixelsToPrintPixels);
  if (width * height > static_cast<double>(maxPixels)) {
    return Failure{TrMessage("the drawing is too large for a card")};
  }
  drawing.size = QSize(static_cast<int>(width), static_cast<int>(height));
  return drawing;
}

bool RenderSvgDrawing(const SvgDrawing& drawing, QSize size, RasterImage& out) {
  QSvgRenderer renderer(drawing.text);
  uint64_t costBudget = kMaxSvgPaintCost;
  return RasterizeSvg(renderer, size, costBudget, out);
}

void PaintSvgDrawing(const SvgDrawing& drawing, QPainter& painter, const QRectF& whole) {
  QSvgRenderer renderer(drawing.text);
  renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
  renderer.render(&painter, whole);
}

}  // namespace tavolo
