#include "core/merge/MergedCardSource.h"

#include "core/pictures/ImageBridge.h"
#include "core/render/CardVectorPainter.h"
#include "core/merge/MergedCard.h"

namespace tavolo {

int MergeSheetCount(size_t records, int cardsPerSheet) {
  if (records == 0 || cardsPerSheet <= 0) return 0;
  const size_t perSheet = static_cast<size_t>(cardsPerSheet);
  return static_cast<int>((records + perSheet - 1) / perSheet);
}

MergedCardSource::MergedCardSource(CardRenderer& renderer, const CardState& project,
                                   const MergeRecords& records)
    : renderer_(renderer), project_(project), records_(records) {}

std::optional<MergeRecord> MergedCardSource::RecordAt(int sheet, int cell,
                                                      int cardsPerSheet) const {
  if (sheet < 0 || cell < 0 || cell >= cardsPerSheet) return std::nullopt;
  const size_t index =
      static_cast<size_t>(sheet) * static_cast<size_t>(cardsPerSheet) + static_cast<size_t>(cell);
  if (index >= records_.Count()) return std::nullopt;
  return records_.At(index);
}

void MergedCardSource::Paint(QPainter& painter, const QRectF& target, int sheet, int cell,
                             int cardsPerSheet, const CardPaintOptions& options) {
  if (const std::optional<MergeRecord> record = RecordAt(sheet, cell, cardsPerSheet)) {
    PaintCard(renderer_, painter, target, MergedCard(project_, record->details), options);
  }
}

QImage MergedCardSource::Card(int sheet, int cell, int cardsPerSheet) {
  const std::optional<MergeRecord> record = RecordAt(sheet, cell, cardsPerSheet);
  if (!record) return {};
  if (sheet != sheet_ || cardsPerSheet != cardsPerSheet_) {
    cards_.assign(static_cast<size_t>(cardsPerSheet), QImage());
    sheet_ = sheet;
    cardsPerSheet_ = cardsPerSheet;
  }
  QImage& card = cards_[static_cast<size_t>(cell)];
  if (card.isNull()) {
    card = ToQImage(renderer_.RenderPrintImage(MergedCard(project_, record->details)));
  }
  return card;
}

}  // namespace tavolo
