// Logos drawn as SVG: read with the care of any other picture file (a size limit, no entity
// declarations, so no entity bombs, and no reference to anything outside the file), drawn as
// shapes where the painter keeps shapes (a PDF), and as pixels at print resolution everywhere
// else.
#pragma once

#include <cstdint>
#include <filesystem>

#include <QByteArray>
#include <QRectF>
#include <QSize>

#include "core/imaging/RasterImage.h"
#include "core/storage/Outcome.h"

class QPainter;

namespace tavolo {

// An SVG file larger than this is not a logo.
inline constexpr uintmax_t kMaxSvgBytes = 4u << 20;
// SVG lengths are pixels of 1/96 inch; the card's composition has 300 pixels an inch.
inline constexpr double kSvgPixelsToPrintPixels = 300.0 / 96.0;

// Whether the file is taken as an SVG drawing: by its name, ".svg" in any case.
bool IsSvgFileName(const std::filesystem::path& file);

// A checked SVG drawing and its size in print pixels.
struct SvgDrawing {
  QByteArray text;
  QSize size;
};

// Reads and checks `file`: at most kMaxSvgBytes, well-formed XML without entity declarations,
// every reference (href) inside the file (#name) or data in it (data:), and a size that Qt SVG
// understands, of at most `maxPixels` print pixels. The failure says what was refused.
Outcome<SvgDrawing> ReadSvgDrawing(const std::filesystem::path& file, uint64_t maxPixels);

// The drawing as pixels of `size` (each side at least 1) with its alpha, on clear ground.
bool RenderSvgDrawing(const SvgDrawing& drawing, QSize size, RasterImage& out);

// Paints the drawing stretched over `whole` (the painter's coordinates).
void PaintSvgDrawing(const SvgDrawing& drawing, QPainter& painter, const QRectF& whole);

}  // namespace tavolo
