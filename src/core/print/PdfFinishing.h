// What a print shop's preflight reads in a PDF, added to the PDF that Qt wrote (through libqpdf)
// before it is saved: every page's exact size with its bleed and trim boxes, text that reads
// back as it was typed, and on request PDF/X-4 (an output intent, XMP metadata, Trapped) with
// every colour and picture turned into CMYK ink.
#pragma once

#include <cstdio>
#include <optional>
#include <vector>

#include <QRectF>
#include <QSizeF>
#include <QString>

#include "core/print/CmykProfile.h"
#include "core/storage/Outcome.h"

namespace tavolo {

inline constexpr double kPointsPerMm = 72.0 / 25.4;

// A page's boxes in points, from its top-left corner: the page itself (MediaBox), what is
// printed past the cut (BleedBox) and where it is cut (TrimBox).
struct PdfPageBoxes {
  QSizeF media;
  QRectF bleed;
  QRectF trim;
};

// A sheet of paper: the page, the bleed and the trim are all the paper.
PdfPageBoxes SheetPageBoxes(QSizeF paperMm);
// A card alone on its page: the trim is the card, the bleed `bleedMm` around it, the page
// `edgeMm` around it (the bleed and the room the crop marks take).
PdfPageBoxes CardPageBoxes(QSizeF cardMm, double bleedMm, double edgeMm);

// How the PDF is finished.
struct PdfFinish {
  QString title;  // the document's title; its file's name is a good one
  PdfPageBoxes boxes;
  // PDF/X-4 with the sRGB output intent, or with `cmyk` as the output intent when it is given.
  bool pdfx = false;
  // Every colour and picture turned into the profile's ink, transparency having been flattened
  // by the painting (PdfFinishing only checks that none is left).
  std::optional<CmykProfile> cmyk;
  // The lines of text painted on each page, from which the glyphs that stand for no single
  // character (ligatures, alternates) get their text.
  std::vector<std::vector<QString>> pageLines;
};

// Reads the PDF Qt wrote into `qtPdf` (from its start) and writes the finished one into the
// descriptor `out`. A failed write gives its errno alone (see FileWriter); a PDF that cannot be
// finished says why.
Outcome<> FinishPdf(std::FILE* qtPdf, int out, const PdfFinish& finish);

}  // namespace tavolo
