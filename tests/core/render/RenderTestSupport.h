#pragma once

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>

#include "core/card/CardState.h"
#include "core/card/LayoutTable.h"
#include "core/imaging/RasterImage.h"
#include "core/render/CardVectorPainter.h"
#include "core/render/TextBoxRenderer.h"
#include "tests/core/ReportRecorder.h"

namespace tavolo::test {

// Fonts need a QGuiApplication; one is made on first use, on the offscreen platform.
inline void EnsureGuiApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "tavolo-test";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
}

// The bytes of a PNG file of width × height pixels, pixel (x, y) colour(x, y).
template <class ColourOf>
std::vector<uint8_t> PngFile(int width, int height, ColourOf colour) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.setPixel(x, y, colour(x, y));
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return {bytes.begin(), bytes.end()};
}

// A 24-bit picture whose pixel (x, y from the top) is colour(x, y) as 0x00RRGGBB.
template <class ColourOf>
RasterImage MakePicture(uint32_t width, uint32_t height, ColourOf colour) {
  RasterImage image;
  image.Create(width, height, 24, kFormatBmp);
  for (uint32_t y = 0; y < height; ++y) {
    uint8_t* row = image.GetBits(height - 1 - y);
    for (uint32_t x = 0; x < width; ++x) {
      const uint32_t c = colour(x, y);
      row[3 * x] = static_cast<uint8_t>(c);
      row[3 * x + 1] = static_cast<uint8_t>(c >> 8);
      row[3 * x + 2] = static_cast<uint8_t>(c >> 16);
    }
  }
  return image;
}

// A pixel buffer as the buffer arithmetic works on it, every pixel `ground` to begin with.
struct PixelBuffer {
  int dx;
  int dy;
  std::vector<uint32_t> px;
  PixelBuffer(int w, int h, uint32_t ground)
      : dx(w), dy(h), px(static_cast<size_t>(w) * h, ground) {}
  uint32_t At(int x, int y) const { return px[static_cast<size_t>(y) * dx + x]; }
};

// The bounds (right and bottom exclusive) of the pixels `marked(x, y)` picks, or
// {width, height, 0, 0} when it picks none.
template <class Marked>
PixelRect MarkedBounds(int width, int height, Marked marked) {
  PixelRect r{width, height, 0, 0};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (marked(x, y))
        r = {std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1),
             std::max(r.bottom, y + 1)};
    }
  }
  return r;
}

inline uint32_t Rgb(const QImage& image, int x, int y) {
  return reinterpret_cast<const uint32_t*>(image.constScanLine(y))[x] & 0x00FFFFFFu;
}

// How many pixels of two pictures of one size differ by more than `tolerance` in a colour.
inline int PixelsApart(const QImage& a, const QImage& b, int tolerance) {
  int count = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      count += std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                         std::abs(qBlue(p) - qBlue(q))}) > tolerance;
    }
  }
  return count;
}

// The eleven contact details "A", "B", … "K".
inline ContactDetails Letters() {
  ContactDetails v;
  for (int i = 0; i < kContactFieldCount; ++i) v[i] = QString(QChar('A' + i));
  return v;
}

inline QStringList Lines(const TextBoxLines& box) {
  QStringList out;
  for (int i = 0; i < box.count; ++i) out << box.line[i];
  return out;
}

inline void SetLines(CardState& card, int box, std::initializer_list<const char*> lines) {
  card.lines[box].count = 0;
  for (const char* line : lines)
    card.lines[box].line[card.lines[box].count++] = QString::fromUtf8(line);
}

// The card painted into the PDF `pdf` at 300 dpi, and rasterised again by poppler's pdftoppm at
// the print image's size; null when pdftoppm fails.
inline QImage CardThroughPdf(CardRenderer& renderer, const CardState& card, const std::string& pdf) {
  {
    QPdfWriter writer(QString::fromStdString(pdf));
    writer.setResolution(300);
    writer.setPageSize(QPageSize(QSizeF(3.54, 2.05), QPageSize::Inch));
    writer.setPageMargins(QMarginsF());
    QPainter painter(&writer);
    PaintCard(renderer, painter, QRectF(0, 0, kPrintWidth, kPrintHeight), card);
  }
  // The page is whole points, a little more than the card: only the card is rasterised.
  const std::string command =
      "pdftoppm -r 300 -W 1062 -H 615 -png -singlefile '" + pdf + "' '" + pdf + "'";
  if (std::system(command.c_str()) != 0) return {};
  return QImage(QString::fromStdString(pdf + ".png")).convertToFormat(QImage::Format_RGB32);
}

}  // namespace tavolo::test
