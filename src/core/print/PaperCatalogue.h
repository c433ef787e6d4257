// Papers as the print dialog lists them: a name, the Windows paper identifier that page-layout
// files store, and the size in tenths of a millimetre. A real printer's papers come from
// QPrinterInfo::supportedPageSizes() through PaperFromPageSize; without a printer, and for the
// command-line tool, the catalogue of Qt's standard page sizes stands in.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include <QLocale>
#include <QPageSize>
#include <QString>

namespace tavolo {

// A paper's size in whole millimetres: the size in tenths divided by 10, as the grid and the
// margin centring take it (Letter is 215 × 279).
struct PaperMm {
  int width = 0;
  int height = 0;
  friend bool operator==(const PaperMm&, const PaperMm&) = default;
};

struct Paper {
  QString name;
  int32_t id = 0;  // QPageSize::windowsId(): 1 Letter, 9 A4; 0 when the size has no Windows id
  int widthTenthsMm = 0;
  int heightTenthsMm = 0;
  QPageSize pageSize;  // the exact size, for the printer or the PDF page
  PaperMm WholeMm() const { return {widthTenthsMm / 10, heightTenthsMm / 10}; }
};

// A page size as Qt defines it, its size rounded to tenths of a millimetre.
Paper PaperFromPageSize(const QPageSize& pageSize);

// A printer's papers in the printer's order (QPrinterInfo::supportedPageSizes()).
std::vector<Paper> PapersFromPageSizes(const QList<QPageSize>& pageSizes);

// Whether the locale's country prints on Letter rather than A4 (the United States, Canada,
// Mexico, the Philippines and a few of the Americas).
bool PrefersLetter(const QLocale& locale);

// Qt's standard page sizes in Qt's order, except that A4 and Letter come first, Letter first
// where the locale prefers it.
std::vector<Paper> PaperCatalogue(const QLocale& locale = QLocale());

// The first paper with the identifier; -1 when none has it. Identifier 0 names no paper and
// matches none.
int FindPaperById(std::span<const Paper> papers, int32_t id);

// The paper that is `current` (a printer's default or chosen page size): the first that is the
// same page size, else the first of the same dimensions; -1 when none is.
int FindPaperMatching(std::span<const Paper> papers, const QPageSize& current);

// A paper named by the user: its name or Qt's key ("Letter", "A4", "Env10"), either without
// regard to case, or its identifier as a number. -1 when none matches.
int FindPaper(std::span<const Paper> papers, const QString& nameOrId);

}  // namespace tavolo
