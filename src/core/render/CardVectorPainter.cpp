#include "core/render/CardVectorPainter.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <QPainter>
#include <QPainterPath>

#include "core/base/CheckedCall.h"
#include "core/card/LayoutTable.h"
#include "core/render/BackgroundProcessing.h"
#include "core/render/FaceObjects.h"
#include "core/render/TextBoxLayout.h"
#include "core/render/TextBoxRenderer.h"

namespace tavolo {

namespace {

QColor PixelColour(uint32_t pixel, int opacity = 255) {
  return QColor((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF, opacity);
}

// A band of rows (vertical) or columns [from, to) across the whole card and its bleed; a band
// that reaches an edge runs on over the bleed.
QRectF Band(bool vertical, int from, int to, QSize card, int bleed) {
  const int limit = vertical ? card.height() : card.width();
  const double start = from <= 0 ? -bleed : from;
  const double end = to >= limit ? limit + bleed : to;
  return vertical ? QRectF(-bleed, start, card.width() + 2.0 * bleed, end - start)
                  : QRectF(start, -bleed, end - start, card.height() + 2.0 * bleed);
}

// Weights of the ramp that one fill may stand for: a fill at their mean is within 2/255 of each,
// and a ramp takes at most 64 fills, which keeps a PDF of many cards small.
constexpr int kWeightsPerFill = 4;

// The gradient as a solid band and its ramp as bands of rows or columns, each a fill at the mean
// of the card's integer weights across it. (A PDF's soft-masked gradient would be shorter still,
// but common readers draw it opaque.)
void PaintGradient(QPainter& painter, const CardState& live, QSize card, int bleed) {
  const std::optional<GradientBands> bands = GradientBandsOf(live, card.width(), card.height());
  if (!TAVOLO_CHECK_AS("gradOrientation>=0 && gradOrientation<=3", bands.has_value())) return;
  const uint32_t colour = GradientColour(live);
  if (bands->solidFrom < bands->solidTo) {
    painter.fillRect(Band(bands->vertical, bands->solidFrom, bands->solidTo, card, bleed),
                     PixelColour(colour));
  }
  const auto weight = [&](int p) { return RampWeight(p, bands->rampStart, bands->rampSolidEdge); };
  for (int from = bands->rampFrom; from < bands->rampTo;) {
    int low = weight(from), high = low, sum = low, to = from + 1;
    for (; to < bands->rampTo; ++to) {
      const int next = weight(to);
      if (std::max(high, next) - std::min(low, next) >= kWeightsPerFill) break;
      low = std::min(low, next);
      high = std::max(high, next);
      sum += next;
    }
    const int count = to - from;
    const int opacity = (sum + count / 2) / count;
    if (opacity > 0) {
      painter.fillRect(Band(bands->vertical, from, to, card, bleed), PixelColour(colour, opacity));
    }
    from = to;
  }
}

// A frame as the card blends it: the fill inside, a one-pixel ring of black around it, both at
// the frame's opacity. With a bleed, a side that reaches the card's edge runs on over the bleed,
// its ring with it, so that no line of the ring lies on the cut.
void PaintFrame(QPainter& painter, const FrameFill& frame, QSize card, int bleed) {
  const PixelRect area = BlendedArea(frame.area, card.width(), card.height());
  if (area.left >= area.right) return;
  const int opacity = 255 - std::clamp(frame.alpha, 0, 255);
  const auto reach = [bleed](int side, int edge, int past) {
    return bleed > 0 && std::abs(side - edge) <= kEdgeReach ? past : side;
  };
  const QRectF outer(QPointF(reach(area.left, 0, -bleed), reach(area.top, 0, -bleed)),
                     QPointF(reach(area.right, card.width(), card.width() + bleed),
                             reach(area.bottom, card.height(), card.height() + bleed)));
  const QRectF inner = outer.adjusted(1, 1, -1, -1);
  QPainterPath ring;
  ring.addRect(outer);
  if (inner.isValid()) {
    ring.addRect(inner);
    painter.fillRect(inner, PixelColour(frame.colour, opacity));
  }
  ring.setFillRule(Qt::OddEvenFill);
  painter.fillPath(ring, QColor(0, 0, 0, opacity));
}

// Everything under the text, in the card's pixels: the background, the gradient, the frames and
// the objects under the layout's text, with `bleed` pixels past each edge.
void PaintUnderText(CardRenderer& renderer, QPainter& painter, const CardState& live, QSize card,
                    int bleed, std::span<const FaceObject> under) {
  const QImage background = renderer.TintedBackground(live, card.width(), card.height(),
                                                      CardRenderer::Reuse::kKeepBackground, bleed);
  if (!TAVOLO_CHECK_AS("not enough memory to complete operation", !background.isNull())) return;
  painter.setPen(Qt::NoPen);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  // Lossless: a JPEG'd background would show its blocks around the text laid over it.
  painter.setRenderHint(QPainter::LosslessImageRendering);
  painter.drawImage(QRectF(-bleed, -bleed, card.width() + 2.0 * bleed, card.height() + 2.0 * bleed),
                    background);
  PaintGradient(painter, live, card, bleed);

  const PixelRect cardArea = FullSizeArea(live, 1, card.width(), card.height());
  const CardRows placed = CardPlacementRows(live);
  const std::span<const PlacementRow> rows = placed.Rows();
  std::vector<std::optional<TextBoxLayout>>& layouts = renderer.TextLayouts(live);
  for (size_t i = 0; i < rows.size(); ++i) {
    const PlacementRow& row = rows[i];
    if (!layouts[i]) continue;
    if (const std::optional<FrameFill> frame =
            BoxFrame(live, row.box, 1, cardArea, row.align, row.angle, *layouts[i])) {
      PaintFrame(painter, *frame, card, bleed);
    }
  }
  for (const FaceObject& item : under) {
    renderer.DrawObject(painter, live, item, 1, CardRenderer::Reuse::kKeepBackground, bleed);
  }
}

// The lines of the boxes the card's layout shows, as they are laid out to be painted.
void TellLines(const std::vector<std::optional<TextBoxLayout>>& layouts,
               std::vector<QString>& lines) {
  for (const std::optional<TextBoxLayout>& layout : layouts) {
    if (!layout) continue;
    for (const LaidOutLine& line : layout->lines) lines.push_back(line.text);
  }
}

// The lines of the added text boxes among `items`.
void TellFreeLines(CardRenderer& renderer, const CardState& live,
                   std::span<const FaceObject> items, std::vector<QString>& lines) {
  for (const FaceObject& item : items) {
    if (item.added < 0) continue;
    if (const TextBoxLayout* layout =
            renderer.FreeTextLayout(live, static_cast<size_t>(item.added))) {
      for (const LaidOutLine& line : layout->lines) lines.push_back(line.text);
    }
  }
}

}  // namespace

void PaintCard(CardRenderer& renderer, QPainter& painter, const QRectF& target,
               const CardState& live, const CardPaintOptions& options) {
  const QSize card = PrintImageSize(live);
  if (card.isEmpty()) return;
  const int bleed = std::clamp(options.bleedPixels, 0, std::min(card.width(), card.height()));

  painter.save();
  painter.translate(target.topLeft());
  painter.scale(target.width() / card.width(), target.height() / card.height());
  const QRect whole(QPoint(-bleed, -bleed), card + QSize(2 * bleed, 2 * bleed));
  painter.setClipRect(whole, Qt::IntersectClip);
  renderer.ForgetDrawingErrors();
  const std::vector<FaceObject> objects = FaceObjects(live);
  const auto firstOver = std::ranges::find_if(objects, AfterLayoutText);
  const std::span<const FaceObject> under(objects.begin(), firstOver);
  const std::span<const FaceObject> over(firstOver, objects.end());
  if (options.flatten) {
    QImage flattened(whole.size(), QImage::Format_RGB32);
    if (TAVOLO_CHECK_AS("not enough memory to complete operation", !flattened.isNull())) {
      QPainter flat(&flattened);
      flat.translate(bleed, bleed);
      PaintUnderText(renderer, flat, live, card, bleed, under);
      flat.end();
      painter.setRenderHint(QPainter::LosslessImageRendering);
      painter.drawImage(whole, flattened);
    }
  } else {
    PaintUnderText(renderer, painter, live, card, bleed, under);
  }

  const PixelRect cardArea = FullSizeArea(live, 1, card.width(), card.height());
  const CardRows placed = CardPlacementRows(live);
  const std::span<const PlacementRow> rows = placed.Rows();
  std::vector<std::optional<TextBoxLayout>>& layouts = renderer.TextLayouts(live);
  painter.setRenderHint(QPainter::TextAntialiasing);
  for (size_t i = 0; i < rows.size(); ++i) {
    const PlacementRow& row = rows[i];
    const std::string label = DrawFieldCheckText(row, true);
    TAVOLO_CHECK_AS(label.c_str(),
                    DrawField(live, row.box, 1, &painter, cardArea, row.offset, row.align, nullptr,
                              card.width(), card.height(), true, row.angle, &layouts[i]) == 0);
  }
  if (options.lines != nullptr) {
    TellFreeLines(renderer, live, under, *options.lines);
    TellLines(layouts, *options.lines);
    TellFreeLines(renderer, live, over, *options.lines);
  }
  for (const FaceObject& item : over) {
    renderer.DrawObject(painter, live, item, 1, CardRenderer::Reuse::kKeepBackground, bleed);
  }
  painter.restore();
}

}  // namespace tavolo
