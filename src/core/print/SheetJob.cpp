#include "core/print/SheetJob.h"

#include <map>
#include <memory>
#include <utility>

namespace tavolo {

namespace {

QImage Grey(const QImage& card) {
  QImage grey = card.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < grey.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(grey.scanLine(y));
    for (int x = 0; x < grey.width(); ++x) {
      const int shade = qGray(row[x]);
      row[x] = qRgb(shade, shade, shade);
    }
  }
  return grey;
}

}  // namespace

CardSource SameCardEverywhere(QImage printImage) {
  return [card = std::move(printImage)](int, int) { return card; };
}

CardSource InGrey(CardSource cards) {
  // Keyed by the picture's identity, so that cells sharing a picture share its grey copy too.
  auto converted = std::make_shared<std::map<qint64, QImage>>();
  return [cards = std::move(cards), converted](int sheet, int cell) {
    const QImage card = cards(sheet, cell);
    if (card.isNull()) return card;
    auto [at, isNew] = converted->try_emplace(card.cacheKey());
    if (isNew) at->second = Grey(card);
    return at->second;
  };
}

bool PrintsBacks(const SheetJob& job) {
  return job.backs.flip != DuplexFlip::kNone && static_cast<bool>(job.backs.cards);
}

SheetJob BacksJob(const SheetJob& job) {
  SheetJob backs = job;
  backs.cards = job.backs.cards;
  backs.paintedCards = job.backs.paintedCards;
  backs.backs = {};
  return backs;
}

bool HasCards(const SheetJob& job) {
  return job.cards && !job.cards(0, 0).isNull();
}

}  // namespace tavolo
