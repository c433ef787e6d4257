// The cards of a merge for a print job: one card per record, filling the cells of each sheet in
// order. Each card is drawn when its sheet asks for it and only the cards of the sheet being
// printed are kept, so a merge of many records takes the memory of one sheet.
#pragma once

#include <optional>
#include <vector>

#include <QImage>

#include "core/merge/MergeRecords.h"
#include "core/print/SheetJob.h"
#include "core/render/CardRenderer.h"

namespace tavolo {

// The sheets `records` cards fill at `cardsPerSheet` a sheet (0 when either is 0).
int MergeSheetCount(size_t records, int cardsPerSheet);

class MergedCardSource {
 public:
  // `renderer`, `project` and `records` must outlive the source and every CardSource it gives.
  MergedCardSource(CardRenderer& renderer, const CardState& project, const MergeRecords& records);

  // The print image of the record placed at (sheet, cell) when a sheet holds `cardsPerSheet`
  // cards; null past the last record.
  QImage Card(int sheet, int cell, int cardsPerSheet);
  CardSource Source(int cardsPerSheet) {
    return [this, cardsPerSheet](int sheet, int cell) { return Card(sheet, cell, cardsPerSheet); };
  }
  // Paints that card into `target` as shapes and text (PaintCard); nothing past the last record.
  void Paint(QPainter& painter, const QRectF& target, int sheet, int cell, int cardsPerSheet,
             const CardPaintOptions& options = {});
  CardPainting Painting(int cardsPerSheet) {
    return [this, cardsPerSheet](QPainter& painter, const QRectF& target, int sheet, int cell,
                                 const CardPaintOptions& options) {
      Paint(painter, target, sheet, cell, cardsPerSheet, options);
    };
  }

 private:
  // The record placed at (sheet, cell); none past the last record.
  std::optional<MergeRecord> RecordAt(int sheet, int cell, int cardsPerSheet) const;

  CardRenderer& renderer_;
  const CardState& project_;
  const MergeRecords& records_;
  // The cards kept: those of one sheet at one number of cards a sheet.
  int sheet_ = -1;
  int cardsPerSheet_ = 0;
  std::vector<QImage> cards_;
};

}  // namespace tavolo
