#include "core/print/Bleed.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

#include "core/print/SheetMarks.h"

namespace tavolo {

int BleedPixels(double bleedMm, int dpi) {
  if (!std::isfinite(bleedMm) || bleedMm <= 0 || dpi <= 0) return 0;
  return static_cast<int>(std::ceil(std::min(bleedMm, kMaxBleedMm) / 25.4 * dpi - 1e-9));
}

QImage WithBleed(const QImage& card, int pixels) {
  if (card.isNull() || pixels <= 0) return card;
  const QImage source = card.convertToFormat(QImage::Format_RGB32);
  QImage grown(source.width() + 2 * pixels, source.height() + 2 * pixels, QImage::Format_RGB32);
  if (grown.isNull()) return {};
  grown.setDotsPerMeterX(source.dotsPerMeterX());
  grown.setDotsPerMeterY(source.dotsPerMeterY());
  const int lastX = source.width() - 1;
  const int lastY = source.height() - 1;
  for (int y = 0; y < grown.height(); ++y) {
    const auto* from =
        reinterpret_cast<const QRgb*>(source.constScanLine(std::clamp(y - pixels, 0, lastY)));
    auto* to = reinterpret_cast<QRgb*>(grown.scanLine(y));
    std::fill(to, to + pixels, from[0]);
    std::copy(from, from + source.width(), to + pixels);
    std::fill(to + pixels + source.width(), to + grown.width(), from[lastX]);
  }
  return grown;
}

CardSource WithBleed(CardSource cards, int pixels) {
  if (pixels <= 0) return cards;
  // Only the last picture is kept: cells share a picture one after another, and a merge's many
  // distinct cards are not all held at once.
  struct Last {
    qint64 key = 0;
    QImage grown;
  };
  auto last = std::make_shared<Last>();
  return [cards = std::move(cards), last, pixels](int sheet, int cell) {
    const QImage card = cards(sheet, cell);
    if (card.isNull()) return card;
    if (last->grown.isNull() || last->key != card.cacheKey()) {
      last->key = card.cacheKey();
      last->grown = WithBleed(card, pixels);
    }
    return last->grown;
  };
}

}  // namespace tavolo
