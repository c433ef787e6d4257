#include "core/print/SheetRenderer.h"

#include <algorithm>

#include <QPainter>

#include "core/base/Translation.h"
#include "core/print/Bleed.h"

namespace tavolo {

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kPointsPerInch = 72.0;

double MmToDevice(double mm, double deviceDpi) {
  return mm / kMmPerInch * deviceDpi;
}

// Where the picture goes: the card's own pixels on the card's rectangle (its true size), the
// bleed's pixels around it at the same scale.
QRectF PictureRect(const QImage& picture, const CardOnSheet& place, int bleedPixels) {
  const int cardWidth = picture.width() - 2 * bleedPixels;
  const int cardHeight = picture.height() - 2 * bleedPixels;
  if (bleedPixels <= 0 || cardWidth <= 0 || cardHeight <= 0) return place.card;
  const double across = bleedPixels * place.card.width() / cardWidth;
  const double down = bleedPixels * place.card.height() / cardHeight;
  return place.card.adjusted(-across, -down, across, down);
}

void PaintCropMarks(QPainter& painter, std::span<const QLineF> marks, double deviceDpi) {
  if (marks.empty()) return;
  painter.setPen(
      QPen(Qt::black, kCropMarkWeightPt / kPointsPerInch * deviceDpi, Qt::SolidLine, Qt::FlatCap));
  painter.drawLines(marks.data(), static_cast<int>(marks.size()));
}

}  // namespace

SheetPaint PrepareSheets(const SheetJob& job, std::span<const QRectF> cells, double deviceDpi) {
  SheetPaint paint;
  paint.dpi = job.dpi;
  paint.deviceDpi = deviceDpi;
  paint.cardCount = job.cardCount;
  if (job.dpi <= 0 || deviceDpi <= 0) return paint;
  const double bleedMm = std::clamp(job.shop.bleedMm, 0.0, kMaxBleedMm);
  paint.bleedPixels = BleedPixels(bleedMm, job.dpi);
  paint.flatten = job.flatten;
  if (job.paintedCards && !job.grey) {
    paint.paintedCards = job.paintedCards;
  } else if (job.cards) {
    paint.cards = WithBleed(job.cards, job.paintedCards, paint.bleedPixels);
    if (job.grey) paint.cards = InGrey(paint.cards);
  }
  const double scale = deviceDpi / job.dpi;
  paint.places = CardsOnSheet(cells, job.cardSize * scale, MmToDevice(bleedMm, deviceDpi));
  if (job.shop.cropMarks) {
    paint.cropMarks = CropMarks(paint.places, MmToDevice(CropMarkOffsetMm(bleedMm), deviceDpi),
                                MmToDevice(kCropMarkLengthMm, deviceDpi));
  }
  paint.calibration = CalibrationTransform(job.calibration, deviceDpi);
  return paint;
}

SheetPaint PrepareBacks(const SheetJob& job, std::span<const QRectF> cells, QSizeF page,
                        double deviceDpi) {
  const std::vector<QRectF> backs = BackCells(cells, page, job.backs.flip);
  return PrepareSheets(BacksJob(job), backs, deviceDpi);
}

void PaintSheet(QPainter& painter, const SheetPaint& paint, int sheet,
                std::vector<QString>* lines) {
  if ((!paint.cards && !paint.paintedCards) || paint.dpi <= 0) return;
  painter.save();
  painter.setTransform(paint.calibration, true);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  // Cards carry text: a PDF keeps the picture exact instead of re-encoding it as JPEG.
  painter.setRenderHint(QPainter::LosslessImageRendering);
  const CardPaintOptions options{paint.bleedPixels, paint.flatten, lines};
  const double bleed = paint.bleedPixels * paint.deviceDpi / paint.dpi;
  for (size_t cell = 0; cell < paint.places.size(); ++cell) {
    if (!paint.HasCard(sheet, cell)) continue;
    const int index = static_cast<int>(cell);
    const CardOnSheet& place = paint.places[cell];
    const QImage card = paint.paintedCards ? QImage() : paint.cards(sheet, index);
    if (!paint.paintedCards && card.isNull()) continue;
    const QRectF drawn = paint.paintedCards ? place.card.adjusted(-bleed, -bleed, bleed, bleed)
                                            : PictureRect(card, place, paint.bleedPixels);
    // A card larger than its rectangle is cut to it, its bleed kept around the cut.
    painter.save();
    if (!place.printed.contains(drawn.adjusted(1e-3, 1e-3, -1e-3, -1e-3))) {
      painter.setClipRect(place.printed, Qt::IntersectClip);
    }
    if (paint.paintedCards) {
      paint.paintedCards(painter, place.card, sheet, index, options);
    } else {
      painter.drawImage(drawn, card);
    }
    painter.restore();
  }
  PaintCropMarks(painter, paint.cropMarks, paint.deviceDpi);
  painter.restore();
}

void PaintPagePreview(QPainter& painter, QSize size, const SheetJob& job,
                      const PagePreviewGeometry& preview, bool backs) {
  const QRect whole(QPoint(0, 0), size);
  const QRect sheet = preview.drawn ? preview.sheet : whole;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  if (sheet != whole) painter.fillRect(whole, Qt::lightGray);
  painter.fillRect(sheet, Qt::white);
  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(sheet.adjusted(0, 0, -1, -1));
  if (preview.drawn && HasCards(job)) {
    if (!preview.grid) {
      painter.setBackgroundMode(Qt::OpaqueMode);
      painter.setBackground(Qt::white);
      const QString message = QString::fromUtf8(preview.grid.Message());
      // One line, unless the preview is too narrow for it: then the words wrap, not cut off.
      const bool fits = painter.fontMetrics().horizontalAdvance(message) < whole.width() - 2;
      painter.drawText(whole, Qt::AlignCenter | (fits ? Qt::TextSingleLine : Qt::TextWordWrap),
                       message);
    } else {
      // The preview is a device whose resolution follows from the card rectangles' width, its
      // origin at the sheet's corner so that a calibration scales about the paper's corner.
      std::vector<QRectF> cells;
      cells.reserve(preview.cards.size());
      for (const QRect& cell : preview.cards) cells.emplace_back(cell.translated(-sheet.topLeft()));
      const double deviceDpi = job.layout.cardWidth > 0 && !cells.empty()
                                   ? cells.front().width() * job.dpi / job.layout.cardWidth
                                   : 0.0;
      painter.setClipRect(sheet);
      painter.translate(sheet.topLeft());
      PaintSheet(painter,
                 backs && PrintsBacks(job)
                     ? PrepareBacks(job, cells, QSizeF(sheet.size()), deviceDpi)
                     : PrepareSheets(job, cells, deviceDpi),
                 0);
    }
  }
  painter.restore();
}

void PaintCalibrationPage(QPainter& painter, QSizeF paperMm, double deviceDpi,
                          const PrinterCalibration& calibration) {
  const auto at = [deviceDpi](double mm) { return MmToDevice(mm, deviceDpi); };
  painter.save();
  painter.setTransform(CalibrationTransform(calibration, deviceDpi), true);
  painter.setPen(QPen(Qt::black, at(0.15), Qt::SolidLine, Qt::FlatCap));
  QFont font = painter.font();
  font.setPixelSize(std::max(1, static_cast<int>(at(2.5))));
  painter.setFont(font);
  // Ticks every millimetre, longer every 5 and numbered every 10, from the paper's edge.
  const auto tick = [](int mm) { return mm % 10 == 0 ? 6.0 : mm % 5 == 0 ? 4.0 : 2.0; };
  for (int mm = 0; mm <= static_cast<int>(paperMm.width()); ++mm) {
    painter.drawLine(QPointF(at(mm), 0), QPointF(at(mm), at(tick(mm))));
    if (mm % 10 == 0 && mm > 0) painter.drawText(QPointF(at(mm + 0.5), at(9)), QString::number(mm));
  }
  for (int mm = 0; mm <= static_cast<int>(paperMm.height()); ++mm) {
    painter.drawLine(QPointF(0, at(mm)), QPointF(at(tick(mm)), at(mm)));
    if (mm % 10 == 0 && mm > 0) painter.drawText(QPointF(at(7), at(mm - 0.5)), QString::number(mm));
  }
  const QPointF centre(at(paperMm.width() / 2), at(paperMm.height() / 2));
  painter.drawLine(centre - QPointF(at(20), 0), centre + QPointF(at(20), 0));
  painter.drawLine(centre - QPointF(0, at(20)), centre + QPointF(0, at(20)));
  painter.drawEllipse(centre, at(10), at(10));
  const QString text =
      Tr("The centre of the cross should lie %1 mm from the paper's left edge and %2 mm from its "
         "top edge.\nMeasure where it lies: the X offset is %1 minus the distance from the left, "
         "the Y offset %2 minus the distance from the top, each added to the offset in use.\n"
         "Measure 100 mm of a ruler: the scale is the scale in use times 100 divided by what "
         "you measure.\nIn use: offset %3, %4 mm; scale %5 %.")
          .arg(paperMm.width() / 2, 0, 'f', 1)
          .arg(paperMm.height() / 2, 0, 'f', 1)
          .arg(calibration.offsetXMm, 0, 'f', 1)
          .arg(calibration.offsetYMm, 0, 'f', 1)
          .arg(calibration.scalePercent, 0, 'f', 1);
  const QRectF textArea(at(20), centre.y() + at(30), at(paperMm.width() - 40), at(40));
  painter.drawText(textArea, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text);
  painter.restore();
}

}  // namespace tavolo
