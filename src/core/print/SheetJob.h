// A print job: which card goes in which cell of which sheet, on what paper and in what layout.
// The page preview, the printer, the PDF writer and tavolo-cli print all take one, so that an
// option of the job reaches every one of them at once.
#pragma once

#include <functional>

#include <QImage>
#include <QRectF>
#include <QSizeF>

#include "core/print/DuplexFlip.h"
#include "core/print/PageLayout.h"
#include "core/print/PaperCatalogue.h"
#include "core/print/PrinterCalibration.h"
#include "core/print/SheetMarks.h"
#include "core/render/CardVectorPainter.h"
#include "core/storage/Outcome.h"

class QPainter;

namespace tavolo {

// The card's print image for a cell of a sheet: `cell` counts row by row, left to right, from 0;
// `sheet` counts from 0. A null picture leaves the cell empty. Cells that share a picture should
// get the same QImage (not a copy made anew), so that a PDF embeds it once.
using CardSource = std::function<QImage(int sheet, int cell)>;

// Paints the card for a cell of a sheet into `target` (the painter's coordinates) as shapes and
// text, as PaintCard paints it with `options` (its bleed, flattened or not, its lines told), so
// that text stays text; nothing for a cell without a card.
using CardPainting = std::function<void(QPainter& painter, const QRectF& target, int sheet,
                                        int cell, const CardPaintOptions& options)>;

// One card in every cell of every sheet.
CardSource SameCardEverywhere(QImage printImage);

// The cards of `cards` in shades of grey (qGray), each distinct picture converted once.
CardSource InGrey(CardSource cards);

// The backs of a two-sided job: each sheet is followed by a page of its backs, the back of the
// card at (sheet, cell) mirrored into place for the flip (BackCells).
struct CardBacks {
  DuplexFlip flip = DuplexFlip::kNone;
  CardSource cards{};
  CardPainting paintedCards{};  // as SheetJob::paintedCards, for the backs
};

struct SheetJob {
  Paper paper;
  PageLayout layout;
  int dpi = 0;  // the card's resolution: the layout's lengths are print pixels at it
  int sheets = 1;
  CardSource cards{};
  // When given, the sheets are painted with it rather than with the pictures of `cards`, which
  // still show the cards on screen.
  CardPainting paintedCards{};
  // The card's own size in print pixels at dpi: each card is printed at this size, centred in
  // its rectangle of the layout and clipped to it, never stretched. Empty: the layout's size.
  QSizeF cardSize{};
  PrintShopOptions shop{};
  PrinterCalibration calibration{};  // of the printer the job goes to
  CardBacks backs{};                 // none unless the flip says otherwise
  // The cards' pictures in shades of grey rather than the painted cards (grey chosen in Print
  // Setup for the PDF printer).
  bool grey = false;
  // Painted cards with everything under their text as one opaque picture (CardPaintOptions).
  bool flatten = false;
};

// Whether the job prints a page of backs after each sheet.
bool PrintsBacks(const SheetJob& job);

// The page of backs of `job` as a job of its own: the backs as its cards, on the same paper.
SheetJob BacksJob(const SheetJob& job);

// Whether the job has a card to print: the source gives a picture for the first cell.
bool HasCards(const SheetJob& job);

// How a print job ended when nothing went wrong; a failure carries its message instead.
enum class PrintCompletion { kPrinted, kCancelled };
using PrintOutcome = Outcome<PrintCompletion>;

}  // namespace tavolo
