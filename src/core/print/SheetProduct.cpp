#include "core/print/SheetProduct.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QSizeF>

#include "core/base/Translation.h"
#include "core/print/LengthDisplay.h"
#include "core/print/PaperCatalogue.h"
#include "core/print/SheetGrid.h"

namespace tavolo {

namespace {

constexpr double kMmPerInch = 25.4;
// A length is moved at most this many floats up to show as its figure.
constexpr int kMaxNudges = 16;
// What a last card may end beyond the paper: the rounding of figures given in points.
constexpr double kPaperEdgeSlackMm = 0.05;

double UnitsPerInch(LengthUnit unit) {
  switch (unit) {
    case LengthUnit::kInches:
      return 1.0;
    case LengthUnit::kCm:
      return kMmPerInch / 10;
    case LengthUnit::kMm:
      break;
  }
  return kMmPerInch;
}

}  // namespace

float ShownFigure(double figure) {
  // The tolerance takes 0.29, whose double lies below it, as 0.29.
  return static_cast<float>(std::floor(figure * 100 + 1e-6) / 100);
}

namespace {

float PrintPixels(double figure, LengthUnit unit, int dpi) {
  float pixels = static_cast<float>(figure / UnitsPerInch(unit) * dpi);
  const float shown = ShownFigure(figure);
  for (int i = 0; i < kMaxNudges && ToDisplay(pixels, dpi, unit) < shown; ++i) {
    pixels = std::nextafter(pixels, HUGE_VALF);
  }
  return pixels;
}

std::array<double, 6> LengthsOf(const SheetGeometry& g) {
  return {g.cardWidth, g.cardHeight, g.left, g.top, g.across, g.down};
}

}  // namespace

double ToMm(double length, LengthUnit unit) {
  return length / UnitsPerInch(unit) * kMmPerInch;
}

QString PaperName(const QPageSize& paper) {
  return paper.isValid() ? paper.key() : QString();
}

QString ProductName(const SheetProduct& product) {
  if (product.savedLayout) return product.savedLayout->name;
  QString name = product.Main().maker + QLatin1Char(' ') + product.Main().part;
  if (!product.description.isEmpty()) name += QLatin1Char(' ') + product.description;
  return name + QStringLiteral(" (") + PaperName(product.paper) + QLatin1Char(')');
}

QString ComparablePart(const QString& part) {
  QString kept;
  kept.reserve(part.size());
  for (const QChar c : part) {
    if (c.isLetterOrNumber()) kept += c.toUpper();
  }
  return kept;
}

bool SameMaker(const QString& a, const QString& b) {
  return ComparablePart(a) == ComparablePart(b);
}

bool HasPart(const SheetProduct& product, const QString& maker, const QString& part) {
  const QString wanted = ComparablePart(part);
  return std::ranges::any_of(product.parts, [&](const PartNumber& p) {
    return ComparablePart(p.part) == wanted && (maker.isEmpty() || SameMaker(p.maker, maker));
  });
}

bool SameGeometry(const SheetProduct& a, const SheetProduct& b) {
  const SheetGeometry& ga = a.geometry;
  const SheetGeometry& gb = b.geometry;
  if (!a.paper.isValid() || !a.paper.isEquivalentTo(b.paper) || ga.columns != gb.columns ||
      ga.rows != gb.rows) {
    return false;
  }
  const std::array<double, 6> la = LengthsOf(ga);
  const std::array<double, 6> lb = LengthsOf(gb);
  for (size_t i = 0; i < la.size(); ++i) {
    // A pitch along a single card says nothing about the sheet.
    if ((i == 4 && ga.columns == 1) || (i == 5 && ga.rows == 1)) continue;
    if (std::abs(Mm(ga, la[i]) - Mm(gb, lb[i])) > kSameSheetMm) return false;
  }
  return true;
}

PageLayout LayoutOf(const SheetProduct& product, int dpi) {
  if (product.savedLayout) return *product.savedLayout;
  const SheetGeometry& g = product.geometry;
  PageLayout layout;
  layout.name = ProductName(product);
  layout.paper = product.paper.isValid() ? product.paper.windowsId() : 0;
  layout.unit = static_cast<int32_t>(g.unit);
  layout.cardWidth = PrintPixels(g.cardWidth, g.unit, dpi);
  layout.cardHeight = PrintPixels(g.cardHeight, g.unit, dpi);
  layout.leftMargin = PrintPixels(g.left, g.unit, dpi);
  layout.topMargin = PrintPixels(g.top, g.unit, dpi);
  // A single column or row has no pitch of its own: the card's size stands in.
  layout.horizontalPitch = PrintPixels(g.columns > 1 ? g.across : g.cardWidth, g.unit, dpi);
  layout.verticalPitch = PrintPixels(g.rows > 1 ? g.down : g.cardHeight, g.unit, dpi);
  return layout;
}

Outcome<> CheckSheetProduct(const SheetProduct& product) {
  const SheetGeometry& g = product.geometry;
  for (const double length : LengthsOf(g)) {
    if (!std::isfinite(length) || length < 0 || Mm(g, length) > 10000) {
      return Failure{TrMessage("a length is not a number from 0 to 10 m")};
    }
  }
  if (g.cardWidth <= 0 || g.cardHeight <= 0) return Failure{TrMessage("the card has no size")};
  if (g.columns < 1 || g.rows < 1 || g.columns > kMaxCardsAcross || g.rows > kMaxCardsAcross) {
    return Failure{TrMessage("the columns and rows are not from 1 to %1", kMaxCardsAcross)};
  }
  if (!product.paper.isValid() || product.paper.windowsId() == 0) {
    return Failure{TrMessage("the paper %1 has no Windows paper number", PaperName(product.paper))};
  }
  const Paper paper = PaperFromPageSize(product.paper);
  const SheetGrid laid = ComputeGrid(LayoutOf(product), paper.WholeMm(), kSheetLayoutDpi);
  const GridSize& grid = CountedOf(laid);
  if (!laid || grid.columns != g.columns || grid.rows != g.rows) {
    return Failure{
        TrMessage("the program lays out %1 × %2 cards on the paper, the product has "
                  "%3 × %4",
                  grid.columns, grid.rows, g.columns, g.rows)};
  }
  const QSizeF paperMm = product.paper.size(QPageSize::Millimeter);
  const double right = Mm(g, g.left + (g.columns - 1) * g.across + g.cardWidth);
  const double bottom = Mm(g, g.top + (g.rows - 1) * g.down + g.cardHeight);
  if (right > paperMm.width() + kPaperEdgeSlackMm ||
      bottom > paperMm.height() + kPaperEdgeSlackMm) {
    return Failure{TrMessage("the last card ends beyond the paper")};
  }
  return {};
}

}  // namespace tavolo
