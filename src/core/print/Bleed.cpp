#include "core/print/Bleed.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

#include <QPainter>

#include "core/print/SheetMarks.h"
#include "core/render/BackgroundProcessing.h"

namespace tavolo {

int BleedPixels(double bleedMm, int dpi) {
  if (!std::isfinite(bleedMm) || bleedMm <= 0 || dpi <= 0) return 0;
  return static_cast<int>(std::ceil(std::min(bleedMm, kMaxBleedMm) / 25.4 * dpi - 1e-9));
}

CardSource WithBleed(CardSource cards, CardPainting painting, int pixels) {
  if (pixels <= 0) return cards;
  // Only the last picture is kept: cells share a picture one after another, and a merge's many
  // distinct cards are not all held at once.
  struct Last {
    qint64 key = 0;
    QImage grown;
  };
  auto last = std::make_shared<Last>();
  return [cards = std::move(cards), painting = std::move(painting), last, pixels](int sheet,
                                                                                  int cell) {
    const QImage card = cards(sheet, cell);
    if (card.isNull()) return card;
    if (!last->grown.isNull() && last->key == card.cacheKey()) return last->grown;
    last->key = card.cacheKey();
    if (!painting) {
      last->grown = ReflectedPast(card, pixels);
      return last->grown;
    }
    QImage grown(card.width() + 2 * pixels, card.height() + 2 * pixels, QImage::Format_RGB32);
    if (!grown.isNull()) {
      grown.fill(Qt::white);
      grown.setDotsPerMeterX(card.dotsPerMeterX());
      grown.setDotsPerMeterY(card.dotsPerMeterY());
      QPainter painter(&grown);
      painting(painter, QRectF(pixels, pixels, card.width(), card.height()), sheet, cell,
               {.bleedPixels = pixels});
    }
    last->grown = grown;
    return last->grown;
  };
}

}  // namespace tavolo
