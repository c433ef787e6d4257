#include "core/pictures/SvgCostMeter.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QFont>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QSvgRenderer>
#include <QTextItem>

namespace tavolo {

namespace {

// The raster painter's work per item, in cost units, measured on drawings that each stress one
// part of it (long edges over many rows, crowded rows, wide strokes, large fills, many small
// shapes, text) at several sizes.
constexpr double kShapeCost = 8000;       // setting up the filling of one shape
constexpr double kEdgeCost = 300;         // a straight piece of an outline, curves flattened
constexpr double kCellCost = 50;          // a cell an outline passes through
constexpr double kRowStepCost = 15;       // an edge stepping through a row in one pass
constexpr double kBandEdgeCost = 15;      // a pass over an edge that lies outside the band
constexpr double kCurvePassCost = 400;    // a curve split into edges again in one pass,
constexpr double kCurveRows = 100;        // and as much again for every so many rows it spans
constexpr double kPlainPixelCost = 0.25;  // a pixel filled with one opaque colour
constexpr double kShadedPixelCost = 1.5;  // a pixel blended, shaded or taken from a picture
constexpr double kThinLineCost = 25;      // a pixel along a line no wider than a pixel
constexpr double kRectangleCost = 1000;   // an upright rectangle, which is filled directly
constexpr double kRectangleRowCost = 20;  // a row of it
constexpr double kTextCost = 100000;      // laying out and drawing a run of text
constexpr double kGlyphCost = 7000;       // a letter drawn from the painter's glyph cache
constexpr double kGlyphPixelCost = 20;    // a pixel of such a letter
constexpr double kPictureCost = 5000;     // a picture drawn

// The painter fills a shape in bands of rows, each band's cells held in a pool. The pool starts
// with room for kPoolCells cells and doubles while a single row does not fit, up to
// kMaxPoolCells. A band starts as tall as the pool holds rows of kCellsPerBandRow cells, or as a
// kMostBands-th of the shape where that is taller, and halves until its cells fit. Every pass
// over a band steps each edge that reaches into it through all of the edge's rows.
constexpr double kPoolCells = 341;
constexpr double kMaxPoolCells = 43690;
constexpr double kCellsPerBandRow = 8;
constexpr double kMostBands = 39;
// Letters larger than this many pixels are filled as outlines rather than taken from the cache.
constexpr double kLargestCachedGlyph = 64;
// Rows are counted in at most this many groups of equal height.
constexpr int kMaxCountedRows = 8192;
// SVG lengths are taken at the screen's resolution, as on a QImage.
constexpr int kDotsPerInch = 96;

double PixelCost(const QPainter& painter, const QBrush& brush) {
  return brush.style() == Qt::SolidPattern && brush.color().alpha() == 255 &&
                 painter.opacity() >= 1.0
             ? kPlainPixelCost
             : kShadedPixelCost;
}

double Scale(const QTransform& transform) {
  return std::sqrt(std::abs(transform.determinant()));
}

// Paints nothing and counts what painting would cost.
class CostEngine final : public QPaintEngine {
 public:
  CostEngine(QSize size, double limit)
      : QPaintEngine(AllFeatures),
        width_(size.width()),
        height_(size.height()),
        groups_(std::clamp(size.height(), 1, kMaxCountedRows)),
        rowsPerGroup_(static_cast<double>(size.height()) / groups_),
        limit_(limit),
        cells_(static_cast<size_t>(groups_), 0.0),
        left_(static_cast<size_t>(groups_), 0.0),
        right_(static_cast<size_t>(groups_), 0.0),
        passesBefore_(static_cast<size_t>(groups_), 0.0) {}

  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState&) override {}
  Type type() const override { return User; }

  void drawPath(const QPainterPath& path) override {
    const QBrush brush = painter()->brush();
    if (brush.style() != Qt::NoBrush) Fill(path, PixelCost(*painter(), brush));
    Stroke(path);
  }

  void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
    if (mode == PolylineMode) {
      Stroke(path);
      return;
    }
    path.closeSubpath();
    path.setFillRule(mode == OddEvenMode ? Qt::OddEvenFill : Qt::WindingFill);
    drawPath(path);
  }

  void drawRects(const QRectF* rects, int count) override {
    const QTransform transform = painter()->combinedTransform();
    if (transform.type() > QTransform::TxScale) {
      QPaintEngine::drawRects(rects, count);
      return;
    }
    const QBrush brush = painter()->brush();
    for (int i = 0; i < count && !Spent(); ++i) {
      const QRectF shown = transform.mapRect(rects[i]) & Device();
      if (brush.style() != Qt::NoBrush && shown.isValid()) {
        cost_ += kRectangleCost + shown.height() * kRectangleRowCost +
                 shown.width() * shown.height() * PixelCost(*painter(), brush);
      }
      QPainterPath outline;
      outline.addRect(rects[i]);
      Stroke(outline);
    }
  }

  void drawTextItem(const QPointF& at, const QTextItem& text) override {
    if (Spent()) return;
    cost_ += kTextCost;
    const QFont font = text.font();
    const double pixels =
        font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * kDotsPerInch / 72.0;
    const double size = pixels * Scale(painter()->combinedTransform());
    if (!(size <= kLargestCachedGlyph)) {
      QPaintEngine::drawTextItem(at, text);  // as outlines, which come back as paths
      return;
    }
    cost_ += static_cast<double>(text.text().size()) * (kGlyphCost + size * size * kGlyphPixelCost);
  }

  void drawPixmap(const QRectF& target, const QPixmap&, const QRectF&) override { Picture(target); }
  void drawImage(const QRectF& target, const QImage&, const QRectF&,
                 Qt::ImageConversionFlags) override {
    Picture(target);
  }
  void drawTiledPixmap(const QRectF& target, const QPixmap&, const QPointF&) override {
    Picture(target);
  }

  double Cost() const { return cost_; }

 private:
  bool Spent() const { return cost_ > limit_; }
  QRectF Device() const { return QRectF(0, 0, width_, height_); }

  void Picture(const QRectF& target) {
    if (Spent()) return;
    const QRectF shown = painter()->combinedTransform().mapRect(target) & Device();
    cost_ += kPictureCost;
    if (shown.isValid()) cost_ += shown.width() * shown.height() * kShadedPixelCost;
  }

  void Stroke(const QPainterPath& path) {
    const QPen pen = painter()->pen();
    if (Spent() || pen.style() == Qt::NoPen || pen.brush().style() == Qt::NoBrush) return;
    const QTransform transform = painter()->combinedTransform();
    const double width = pen.isCosmetic() ? pen.widthF() : pen.widthF() * Scale(transform);
    if (width > 1.0) {
      Fill(QPainterPathStroker(pen).createStroke(path), PixelCost(*painter(), pen.brush()));
      return;
    }
    // A line a pixel wide is drawn along its length, with no outline to fill.
    const QRectF near = Device().adjusted(-1, -1, 1, 1);
    for (const QPolygonF& line : path.toSubpathPolygons(transform)) {
      cost_ += static_cast<double>(line.size()) * kEdgeCost;
      for (qsizetype i = 1; i < line.size(); ++i) {
        const QRectF along = QRectF(line[i - 1], line[i]).normalized() & near;
        if (along.isValid()) cost_ += (along.width() + along.height()) * kThinLineCost;
      }
    }
  }

  // The cost of filling `path` as the raster painter does.
  void Fill(const QPainterPath& path, double pixelCost) {
    if (Spent()) return;
    const QList<QPolygonF> polygons = path.toSubpathPolygons(painter()->combinedTransform());
    shape_ = Shape{};
    double edges = 0;
    for (const QPolygonF& polygon : polygons) {
      edges += static_cast<double>(polygon.size());
      ForEachEdge(polygon, [this](QPointF p, QPointF q) { CountCells(p, q); });
      if (cost_ + edges * kEdgeCost + shape_.cells * kCellCost > limit_) {
        cost_ += edges * kEdgeCost + shape_.cells * kCellCost;
        ClearRows();
        return;
      }
    }
    if (shape_.last < shape_.first) return;
    double densest = 0;
    double area = 0;
    for (int group = shape_.first; group <= shape_.last; ++group) {
      const auto g = static_cast<size_t>(group);
      densest = std::max(densest, cells_[g] / rowsPerGroup_);
      area += std::max(0.0, right_[g] - left_[g]) * rowsPerGroup_;
    }
    double pool = kPoolCells;
    while (pool < densest && pool < kMaxPoolCells) pool *= 2;
    // The passes over each group of rows, summed from the shape's first group on: a band that
    // had to be halved was tried whole first.
    const double tallest =
        std::max(pool / kCellsPerBandRow, (shape_.bottom - shape_.top) / kMostBands);
    double passes = 0;
    for (int group = shape_.first; group <= shape_.last; ++group) {
      const auto g = static_cast<size_t>(group);
      const double perRow = cells_[g] / rowsPerGroup_;
      const double band = std::clamp(pool / std::max(perRow, kCellsPerBandRow), 1.0, tallest);
      passes += rowsPerGroup_ / band * (band < tallest ? 2.0 : 1.0);
      passesBefore_[g] = passes;
    }
    // Every pass steps each edge that reaches into its band through all of the edge's rows.
    double steps = 0;
    for (const QPolygonF& polygon : polygons) {
      ForEachEdge(polygon, [&](QPointF p, QPointF q) {
        const Span span = RowsOf(p, q);
        if (span.top >= span.bottom) return;
        const double before =
            span.from > shape_.first ? passesBefore_[static_cast<size_t>(span.from - 1)] : 0.0;
        steps +=
            (span.bottom - span.top) * (1.0 + passesBefore_[static_cast<size_t>(span.to)] - before);
      });
    }
    // A curve is split into edges anew in every pass that its control points reach into.
    const QTransform transform = painter()->combinedTransform();
    double curvePasses = 0;
    for (int i = 1; i + 2 < path.elementCount(); ++i) {
      if (path.elementAt(i).type != QPainterPath::CurveToElement) continue;
      QPolygonF controls;
      for (int k = i - 1; k <= i + 2; ++k) controls << transform.map(QPointF(path.elementAt(k)));
      const QRectF box = controls.boundingRect();
      const Span span = RowsOf(box.topLeft(), box.bottomRight());
      if (span.top >= span.bottom) continue;
      const double before =
          span.from > shape_.first ? passesBefore_[static_cast<size_t>(span.from - 1)] : 0.0;
      curvePasses += (1.0 + passesBefore_[static_cast<size_t>(span.to)] - before) *
                     (1.0 + (span.bottom - span.top) / kCurveRows);
    }
    ClearRows();
    cost_ += kShapeCost + edges * kEdgeCost + shape_.cells * kCellCost + steps * kRowStepCost +
             passes * edges * kBandEdgeCost + curvePasses * kCurvePassCost + area * pixelCost;
  }

  // Calls `edge` with each edge of the polygon, the closing one too.
  template <class EdgeFunction>
  static void ForEachEdge(const QPolygonF& polygon, EdgeFunction edge) {
    for (qsizetype i = 0; i < polygon.size(); ++i) {
      const QPointF p = polygon[i];
      const QPointF q = polygon[(i + 1) % polygon.size()];
      if (std::isfinite(p.x()) && std::isfinite(p.y()) && std::isfinite(q.x()) &&
          std::isfinite(q.y())) {
        edge(p, q);
      }
    }
  }

  // The rows an edge spans within the picture, and the groups of them.
  struct Span {
    double top;
    double bottom;
    int from;
    int to;
  };
  Span RowsOf(QPointF p, QPointF q) const {
    const double top = std::max(std::min(p.y(), q.y()), 0.0);
    const double bottom = std::min(std::max(p.y(), q.y()), static_cast<double>(height_));
    return {top, bottom, std::min(static_cast<int>(top / rowsPerGroup_), groups_ - 1),
            std::min(static_cast<int>(bottom / rowsPerGroup_), groups_ - 1)};
  }

  void ClearRows() {
    for (int group = shape_.first; group <= shape_.last; ++group) {
      const auto g = static_cast<size_t>(group);
      cells_[g] = 0;
      left_[g] = 0;
      right_[g] = 0;
    }
  }

  // Counts the cells of the edge from p to q in each group of rows it crosses.
  void CountCells(QPointF p, QPointF q) {
    if (p.y() > q.y()) std::swap(p, q);
    const Span span = RowsOf(p, q);
    if (span.top >= span.bottom) return;
    const double slope = (q.x() - p.x()) / (q.y() - p.y());
    // Cells left of the picture fall into one column, those right of it into another.
    const auto column = [&](double y) {
      return std::clamp(p.x() + (y - p.y()) * slope, -1.0, static_cast<double>(width_));
    };
    for (int group = span.from; group <= span.to; ++group) {
      const double y0 = std::max(span.top, group * rowsPerGroup_);
      const double y1 = std::min(span.bottom, (group + 1) * rowsPerGroup_);
      if (y1 < y0) continue;
      const double x0 = column(y0);
      const double x1 = column(y1);
      const auto g = static_cast<size_t>(group);
      const bool fresh = cells_[g] == 0;
      left_[g] = fresh ? std::min(x0, x1) : std::min({left_[g], x0, x1});
      right_[g] = fresh ? std::max(x0, x1) : std::max({right_[g], x0, x1});
      const double cells = std::max(1.0, (y1 - y0) + std::abs(x1 - x0));
      cells_[g] += cells;
      shape_.cells += cells;
    }
    shape_.top = std::min(shape_.top, span.top);
    shape_.bottom = std::max(shape_.bottom, span.bottom);
    shape_.first = std::min(shape_.first, span.from);
    shape_.last = std::max(shape_.last, span.to);
  }

  int width_;
  int height_;
  int groups_;
  double rowsPerGroup_;
  double limit_;
  double cost_ = 0;
  // The shape being counted: its cells, and the rows and groups of rows it reaches.
  struct Shape {
    double cells = 0;
    double top = HUGE_VAL;
    double bottom = -HUGE_VAL;
    int first = kMaxCountedRows;
    int last = -1;
  } shape_;
  // Per group of rows: the shape's cells in it, the leftmost and rightmost of them, and the
  // painter's passes over the groups up to it.
  std::vector<double> cells_;
  std::vector<double> left_;
  std::vector<double> right_;
  std::vector<double> passesBefore_;
};

// A device of the drawing's size that paints with the counting engine.
class CostDevice final : public QPaintDevice {
 public:
  CostDevice(QSize size, double limit) : size_(size), engine_(size, limit) {}
  QPaintEngine* paintEngine() const override { return &engine_; }
  double Cost() const { return engine_.Cost(); }

 protected:
  int metric(PaintDeviceMetric metric) const override {
    switch (metric) {
      case PdmWidth:
        return size_.width();
      case PdmHeight:
        return size_.height();
      case PdmWidthMM:
        return static_cast<int>(size_.width() * 25.4 / kDotsPerInch);
      case PdmHeightMM:
        return static_cast<int>(size_.height() * 25.4 / kDotsPerInch);
      case PdmNumColors:
        return 0;
      case PdmDepth:
        return 32;
      case PdmDpiX:
      case PdmDpiY:
      case PdmPhysicalDpiX:
      case PdmPhysicalDpiY:
        return kDotsPerInch;
      case PdmDevicePixelRatio:
        return 1;
      case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
    }
    return 0;
  }

 private:
  QSize size_;
  mutable CostEngine engine_;
};

}  // namespace

uint64_t SvgPaintCost(QSvgRenderer& renderer, QSize size, uint64_t limit) {
  CostDevice device(size.expandedTo(QSize(1, 1)), static_cast<double>(limit));
  {
    QPainter painter(&device);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(device.width(), device.height())));
  }
  return static_cast<uint64_t>(std::min(device.Cost(), 1e18));
}

}  // namespace tavolo
