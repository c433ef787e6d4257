#include "core/pictures/SvgDrawing.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include "core/base/Translation.h"
#include "core/pictures/ImageBridge.h"
#include "core/storage/FileIo.h"

namespace tavolo {

namespace {

// Every reference must stay in the file: a name in it, or data written into it.
bool StaysInFile(QStringView reference) {
  const QStringView trimmed = reference.trimmed();
  return trimmed.startsWith(u'#') || trimmed.startsWith(u"data:", Qt::CaseInsensitive);
}

Outcome<> CheckXml(const QByteArray& text) {
  QXmlStreamReader reader(text);
  while (!reader.atEnd()) {
    switch (reader.readNext()) {
      case QXmlStreamReader::DTD:
        if (!reader.entityDeclarations().isEmpty()) {
          return Failure{TrMessage("the drawing declares entities, which are not read")};
        }
        break;
      case QXmlStreamReader::EntityReference:
        return Failure{TrMessage("the drawing refers to an entity, which is not read")};
      case QXmlStreamReader::StartElement:
        for (const QXmlStreamAttribute& attribute : reader.attributes()) {
          if (attribute.name() == u"href" && !StaysInFile(attribute.value())) {
            return Failure{
                TrMessage("the drawing refers to %1, outside the file, which is not followed",
                          attribute.value().toString())};
          }
        }
        break;
      default:
        break;
    }
  }
  if (reader.hasError()) {
    return Failure{TrMessage("the drawing is not well-formed SVG: %1", reader.errorString())};
  }
  return {};
}

}  // namespace

bool IsSvgFileName(const std::filesystem::path& file) {
  return QString::fromStdString(file.extension().string()).compare(u".svg", Qt::CaseInsensitive) ==
         0;
}

Outcome<SvgDrawing> ReadSvgDrawing(const std::filesystem::path& file, uint64_t maxPixels) {
  const Outcome<std::vector<uint8_t>> bytes = ReadWholeFile(file, kMaxSvgBytes);
  if (!bytes) return Failure{TranslatedMessage(bytes.Message())};
  SvgDrawing drawing;
  drawing.text = QByteArray(reinterpret_cast<const char*>(bytes.Value().data()),
                            static_cast<qsizetype>(bytes.Value().size()));
  if (const Outcome<> checked = CheckXml(drawing.text); !checked) {
    return Failure{checked.Message()};
  }
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
  QImage pixels(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32);
  if (pixels.isNull()) {
    out.SetLastError(TrMessage("not enough memory for the drawing"));
    return false;
  }
  pixels.fill(Qt::transparent);
  {
    QPainter painter(&pixels);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintSvgDrawing(drawing, painter, QRectF(QPointF(0, 0), QSizeF(pixels.size())));
  }
  // The colours as the image layer holds them, then the alpha beside them (rows bottom-up).
  if (!ToRasterImage(pixels.convertToFormat(QImage::Format_RGB32), out) || !out.AddAlpha()) {
    return false;
  }
  const auto height = static_cast<uint32_t>(pixels.height());
  for (uint32_t y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(static_cast<int>(y)));
    uint8_t* alpha = out.GetAlphaRow(height - 1 - y);
    for (int x = 0; x < pixels.width(); ++x) alpha[x] = static_cast<uint8_t>(qAlpha(row[x]));
  }
  return true;
}

void PaintSvgDrawing(const SvgDrawing& drawing, QPainter& painter, const QRectF& whole) {
  QSvgRenderer renderer(drawing.text);
  renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
  renderer.render(&painter, whole);
}

}  // namespace tavolo
