// Finding a sheet product by what is on its box: the search of the print dialog and of
// "tavolo-cli sheets". Every word typed must be found in the product's maker, one of its part
// numbers, its description, its paper or its card size ("85x54", "3.5x2"), letters and digits
// compared without regard to case, spaces, dots or dashes.
#pragma once

#include <vector>

#include <QLocale>
#include <QString>
#include <QStringList>

#include "core/print/SheetProduct.h"

namespace tavolo {

bool MatchesSearch(const SheetProduct& product, const QString& text);

// What the search remembers of a product it was used for: its maker and part number.
QString ProductKey(const SheetProduct& product);

struct SheetGroup {
  QString title;  // "Last used", or the paper's name
  std::vector<size_t> products;
};

// The products that match `text`: first those of `recentKeys` (newest first) under "Last used",
// then the others grouped by paper, `firstPaper`'s group first and the others by name, each
// group by maker and part number (numbers in numeric order). Empty groups are left out.
std::vector<SheetGroup> SearchSheetProducts(const std::vector<SheetProduct>& products,
                                            const QString& text, const QStringList& recentKeys,
                                            const QString& firstPaper);

// The card's size in the product's unit: "3.5 × 2 in", "85 × 54 mm"; `times` stands between, the
// numbers as `locale` writes them.
QString CardSizeText(const SheetProduct& product, const QString& times = QStringLiteral(" × "),
                     const QLocale& locale = QLocale::c());

// The part numbers after the product's own, as "5376, 5377, Geha P70" (the maker is named where
// it is not the product's).
QString EquivalentsText(const SheetProduct& product);

}  // namespace tavolo
