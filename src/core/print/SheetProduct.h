// A sheet product: card stock a user buys, known by the part numbers on its box, with the places
// of its cards on the paper as the maker gives them. Products come from the catalogue that ships
// with the program, from the label database gLabels installs, or from the user's own saved page
// layouts; each becomes a PageLayout to print on.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QPageSize>
#include <QString>

#include "core/print/PageLayout.h"
#include "core/storage/Outcome.h"

namespace tavolo {

enum class SheetSource { kShipped, kInstalledDatabase, kUser };

struct PartNumber {
  QString maker;
  QString part;
  friend bool operator==(const PartNumber&, const PartNumber&) = default;
};

// Where the cards lie, every length in `unit`, measured from the paper's top-left corner.
struct SheetGeometry {
  LengthUnit unit = LengthUnit::kMm;
  double cardWidth = 0;
  double cardHeight = 0;
  double left = 0;    // the first card's left edge
  double top = 0;     // the first card's top edge
  double across = 0;  // left edge of one card to the left edge of the next in the row
  double down = 0;    // top edge of one card to the top edge of the next in the column
  int columns = 0;
  int rows = 0;
  double cornerRadius = 0;  // the cards' rounded corners; 0 for square ones
  friend bool operator==(const SheetGeometry&, const SheetGeometry&) = default;
};

struct SheetProduct {
  // The product's own part number first, then those sold as the same sheet.
  std::vector<PartNumber> parts;
  QString description;  // "Business Cards"
  QPageSize paper;
  SheetGeometry geometry;
  SheetSource source = SheetSource::kShipped;
  // A page layout the user saved, applied exactly as saved.
  std::optional<PageLayout> savedLayout;

  const PartNumber& Main() const { return parts.front(); }
};

// The resolution the shipped page layouts are made for.
inline constexpr int kSheetLayoutDpi = 300;
// Two products whose lengths differ by no more than this are the same sheet.
inline constexpr double kSameSheetMm = 0.1;

double ToMm(double length, LengthUnit unit);
// The length in millimetres as the product gives it in its own unit.
inline double Mm(const SheetGeometry& geometry, double length) {
  return ToMm(length, geometry.unit);
}

// The paper's short name: "A4", "Letter".
QString PaperName(const QPageSize& paper);

// "Avery 5371 Business Cards (Letter)": the product's page-layout name. A user's own product is
// the name of the layout saved.
QString ProductName(const SheetProduct& product);

// A part number as it is compared: letters and digits only, in upper case, so that "LP 800",
// "lp800" and "LP-800" are one part number.
QString ComparablePart(const QString& part);
bool SameMaker(const QString& a, const QString& b);
// Whether the product is sold under the part number, of the maker when one is given.
bool HasPart(const SheetProduct& product, const QString& maker, const QString& part);

// Whether the two put cards of the same size at the same places of the same paper.
bool SameGeometry(const SheetProduct& a, const SheetProduct& b);

// What the print dialog should show of a figure: its first two decimals.
float ShownFigure(double figure);

// The product's layout at `dpi`: each length is the float nearest to its figure in print
// pixels, moved up where the print dialog's truncating display would otherwise show a hundredth
// less than ShownFigure. The unit is the product's, the paper its Windows identifier.
PageLayout LayoutOf(const SheetProduct& product, int dpi = kSheetLayoutDpi);

// Why a product cannot be printed as it stands: its lengths are not sensible, its paper has no
// Windows identifier, the grid the program lays out on its paper is not the product's columns
// and rows, or its last card ends beyond the paper.
Outcome<> CheckSheetProduct(const SheetProduct& product);

}  // namespace tavolo
