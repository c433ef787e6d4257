// Logos drawn as SVG: read with the care of any other picture file (a size limit, and the checks
// of CheckSvgText: no entities, nothing outside the file, a bounded cost), drawn as shapes where
// the painter keeps shapes (a PDF), and as pixels at print resolution everywhere else, once the
// cost of painting them has been counted.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include <QByteArray>
#include <QRectF>
#include <QSize>

#include "core/imaging/RasterImage.h"
#include "core/pictures/SvgRaster.h"
#include "core/storage/Outcome.h"

class QPainter;

namespace tavolo {

// An SVG file larger than this is not a logo.
inline constexpr uintmax_t kMaxSvgBytes = 4u << 20;

// Whether the file is taken as an SVG drawing: by its name, ".svg" in any case.
bool IsSvgFileName(const std::filesystem::path& file);

// A drawing is painted as shapes (onto a PDF) only while that is cheap: it is painted again for
// every card of a sheet, and many elements, long path data, text (which a PDF holds as outlines)
// or large pictures would make a sheet cost far more than a logo may. A drawing beyond any of
// these is painted as the pixels drawn from it, like any other picture.
inline constexpr int64_t kMaxShapeElements = 5'000;
inline constexpr int64_t kMaxShapePathNumbers = 40'000;
inline constexpr int64_t kMaxShapeCharacters = 200;
inline constexpr uint64_t kMaxShapePicturePixels = 1u << 20;

// A checked SVG drawing (the text CheckSvgText gives), its size in print pixels, and whether it
// is painted as shapes where the painter keeps shapes.
struct SvgDrawing {
  QByteArray text;
  QSize size;
  bool shapes = true;
};

// Reads and checks `file`: at most kMaxSvgBytes, text that CheckSvgText accepts, and a size that
// Qt SVG understands, of at most `maxPixels` print pixels. The failure says what was refused.
Outcome<SvgDrawing> ReadSvgDrawing(const std::filesystem::path& file, uint64_t maxPixels);
// The same for the file's bytes held in memory.
Outcome<SvgDrawing> ReadSvgDrawing(std::span<const uint8_t> bytes, uint64_t maxPixels);

// The drawing as pixels of `size` (each side at least 1) with its alpha, on clear ground; false,
// with out's last error saying why, when it would cost more than kMaxSvgPaintCost.
bool RenderSvgDrawing(const SvgDrawing& drawing, QSize size, RasterImage& out);

// Paints the drawing stretched over `whole` (the painter's coordinates), as shapes.
void PaintSvgDrawing(const SvgDrawing& drawing, QPainter& painter, const QRectF& whole);

}  // namespace tavolo
