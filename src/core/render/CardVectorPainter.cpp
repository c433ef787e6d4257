#include "core/render/CardVectorPainter.h"

#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <QPainter>
#include <QPainterPath>

#include "core/base/CheckedCall.h"
#include "core/card/LayoutTable.h"
#include "core/render/BackgroundProcessing.h"
#include "core/render/TextBoxLayout.h"
#include "core/render/TextBoxRenderer.h"

namespace tavolo {

namespace {

QColor PixelColour(uint32_t pixel, int opacity = 255) {
  return QColor((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF, opacity);
}

// A band of rows (vertical) or columns [from, to) across the whole card.
QRectF Band(bool vertical, int from, int to, QSize card) {
  return vertical ? QRectF(0, from, card.width(), to - from)
                  : QRectF(from, 0, to - from, card.height());
}

// Weights of the ramp that one fill may stand for: a fill at their mean is within 2/255 of each,
// and a ramp takes at most 64 fills, which keeps a PDF of many cards small.
constexpr int kWeightsPerFill = 4;

// The gradient as a solid band and its ramp as bands of rows or columns, each a fill at the mean
// of the card's integer weights across it. (A PDF's soft-masked gradient would be shorter still,
// but common readers draw it opaque.)
void PaintGradient(QPainter& painter, const CardState& live, QSize card) {
  const std::optional<GradientBands> bands = GradientBandsOf(live, card.width(), card.height());
  if (!TAVOLO_CHECK_AS("gradOrientation>=0 && gradOrientation<=3", bands.has_value())) return;
  const uint32_t colour = GradientColour(live);
  if (bands->solidFrom < bands->solidTo) {
    painter.fillRect(Band(bands->vertical, bands->solidFrom, bands->solidTo, card),
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
      painter.fillRect(Band(bands->vertical, from, to, card), PixelColour(colour, opacity));
    }
    from = to;
  }
}

// A frame as the card blends it: the fill inside, a one-pixel ring of black around it, both at
// the frame's opacity.
void PaintFrame(QPainter& painter, const FrameFill& frame, QSize card) {
  const PixelRect area = BlendedArea(frame.area, card.width(), card.height());
  if (area.left >= area.right) return;
  const int opacity = 255 - std::clamp(frame.alpha, 0, 255);
  const QRectF outer(area.left, area.top, static_cast<qreal>(area.Width()),
                     static_cast<qreal>(area.Height()));
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

}  // namespace

void PaintCard(CardRenderer& renderer, QPainter& painter, const QRectF& target,
               const CardState& live) {
  const QSize card = PrintImageSize(live);
  if (card.isEmpty()) return;
  const QImage background = renderer.TintedBackground(live, card.width(), card.height(),
                                                      CardRenderer::Reuse::kKeepBackground);
  if (!TAVOLO_CHECK_AS("not enough memory to complete operation", !background.isNull())) return;

  painter.save();
  painter.translate(target.topLeft());
  painter.scale(target.width() / card.width(), target.height() / card.height());
  const QRect whole(QPoint(0, 0), card);
  painter.setClipRect(whole, Qt::IntersectClip);
  painter.setPen(Qt::NoPen);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  // Lossless: a JPEG'd background would show its blocks around the text laid over it.
  painter.setRenderHint(QPainter::LosslessImageRendering);
  painter.drawImage(whole, background);
  PaintGradient(painter, live, card);

  const PixelRect cardArea = FullSizeArea(live, 1, card.width(), card.height());
  const std::span<const PlacementRow> rows = PlacementRows(live.layoutIndex);
  std::vector<std::optional<TextBoxLayout>>& layouts = renderer.TextLayouts(live);
  for (size_t i = 0; i < rows.size(); ++i) {
    const PlacementRow& row = rows[i];
    if (!layouts[i]) continue;
    if (const std::optional<FrameFill> frame =
            BoxFrame(live, row.box, 1, cardArea, row.align, row.angle, *layouts[i])) {
      PaintFrame(painter, *frame, card);
    }
  }

  renderer.DrawPictures(painter, live, 1, CardRenderer::Reuse::kKeepBackground);

  painter.setRenderHint(QPainter::TextAntialiasing);
  for (size_t i = 0; i < rows.size(); ++i) {
    const PlacementRow& row = rows[i];
    const std::string label = DrawFieldCheckText(row, true);
    TAVOLO_CHECK_AS(label.c_str(),
                    DrawField(live, row.box, 1, &painter, cardArea, row.offset, row.align, nullptr,
                              card.width(), card.height(), true, row.angle, &layouts[i]) == 0);
  }
  renderer.DrawCardQrCode(painter, live, 1);
  painter.restore();
}

}  // namespace tavolo
