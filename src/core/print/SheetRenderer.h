// Paints sheets of cards: each card, painted or as the job's card source gives its picture, at
// its true size centred in its rectangle of the layout, with its bleed, the crop marks and the
// printer's calibration. The page preview, the printer and the PDF all paint through these
// functions, so what the preview shows is what the printer gets. Pictures are drawn as the source
// gives them, so a PDF embeds a picture shared by many cells once.
#pragma once

#include <span>
#include <vector>

#include <QLineF>
#include <QSize>
#include <QTransform>

#include "core/print/PagePreview.h"
#include "core/print/SheetGrid.h"
#include "core/print/SheetJob.h"
#include "core/print/SheetMarks.h"

class QPainter;

namespace tavolo {

// A job's sheets as one device paints them, worked out once for all its sheets: either its
// cards painted (as shapes and text, each with its bleed), or their pictures.
struct SheetPaint {
  CardPainting paintedCards;
  CardSource cards;     // without a painting: the job's pictures with their bleed
  int bleedPixels = 0;  // in the cards' pixels, on every side
  bool flatten = false;
  int dpi = 0;  // of the cards' pictures
  double deviceDpi = 0;
  std::vector<CardOnSheet> places;
  std::vector<QLineF> cropMarks;
  QTransform calibration;
};

// The job's cards on `cells` (the layout's card rectangles in device units at `deviceDpi`).
SheetPaint PrepareSheets(const SheetJob& job, std::span<const QRectF> cells, double deviceDpi);

// The page of backs that follows each sheet of a two-sided job: the job's backs on `cells` (its
// fronts' rectangles) mirrored across a page of `page` device units (BackCells).
SheetPaint PrepareBacks(const SheetJob& job, std::span<const QRectF> cells, QSizeF page,
                        double deviceDpi);

// Sheet `sheet` (from 0): every card and the crop marks; empty cells stay blank. When `lines` is
// given, the painted cards' lines of text are added to it.
void PaintSheet(QPainter& painter, const SheetPaint& paint, int sheet,
                std::vector<QString>* lines = nullptr);

// The whole page preview of `size` pixels, showing the first sheet (or, with `backs` for a
// two-sided job, its page of backs): a white sheet framed in black (grey beside it when the
// sheet is narrower than the preview), then, when the job has cards, the grid's message centred
// on one line on white (wrapped when the preview is narrower than the line), or the cards as the
// page prints them.
void PaintPagePreview(QPainter& painter, QSize size, const SheetJob& job,
                      const PagePreviewGeometry& preview, bool backs = false);

// A page for measuring how a printer misplaces what it prints: rulers in millimetres along the
// top and left edges from the paper's corner and a cross at the paper's centre, with the
// calibration in use and what to type back, all drawn through the calibration.
void PaintCalibrationPage(QPainter& painter, QSizeF paperMm, double deviceDpi,
                          const PrinterCalibration& calibration);

}  // namespace tavolo
