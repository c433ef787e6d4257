// The catalogue of sheet products that ships with the program: one text file per maker
// (data/sheets/MAKER.sheets), "key: value" lines, "#" at the start of a line or after a space
// starting a comment:
//
//   maker: Avery                       once, before the products
//   product: 5371                      starts a product: its own part number
//   also: 5376, 5377, 8371             part numbers sold as the same sheet (optional, may
//                                      be given on several lines)
//   description: Business Cards        (optional; "Business Cards" when not given)
//   paper: Letter                      a paper name or key ("A4", "Letter", "A3")
//   unit: in                           in, cm or mm: the unit of the lengths below
//   card: 3.5 x 2                      width x height
//   margins: 0.75 0.5                  the first card's left and top edge
//   pitch: 3.5 2                       across and down, from one card's edge to the next's
//   cards: 2 x 5                       columns x rows
//   corners: 0.125                     the radius of rounded corners (optional)
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/print/SheetProduct.h"
#include "core/storage/Outcome.h"

namespace tavolo {

inline constexpr const char* kSheetCatalogueExtension = ".sheets";
// A maker's file is a few kilobytes; these bound what a damaged one makes us read.
inline constexpr uintmax_t kMaxSheetCatalogueBytes = 1u << 20;
inline constexpr int kMaxProductsPerMaker = 2000;
inline constexpr int kMaxPartsPerProduct = 200;

// The products of one maker's file, in file order, or why the file is refused: "line N: why".
Outcome<std::vector<SheetProduct>> ParseSheetCatalogue(std::string_view text);

struct SheetCatalogueListing {
  std::vector<SheetProduct> products;  // the files in name order, each in file order
  std::vector<std::string> errors;     // one per file refused, naming it
};

// Every maker's file of the folder. A file that cannot be read or is damaged is left out whole;
// a product that cannot be printed as it stands is left out and named.
SheetCatalogueListing ReadSheetCatalogue(const std::filesystem::path& folder);

}  // namespace tavolo
