// Every sheet product the program offers: the shipped catalogue, the business cards of the label
// database gLabels installs (those of a shipped product's geometry merged into it, as more part
// numbers of the same sheet), and the page layouts the user saved, under the user's name.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <QString>

#include "core/base/DataFolder.h"
#include "core/print/PageLayout.h"
#include "core/print/SheetProduct.h"

namespace tavolo {

struct SheetProductSources {
  std::filesystem::path shipped;                 // the makers' files
  std::vector<std::filesystem::path> databases;  // the label database's folders
  DataFolder layouts;                            // the page layouts; the user's are products
  QString userName;                              // the maker of the user's products
};

// This run's: the program's sheets folder, the system's label database, the abctmp folders and
// the account's name.
SheetProductSources InstalledSheetProductSources();

struct SheetCatalogue {
  // The shipped products, then the database's others, then the user's.
  std::vector<SheetProduct> products;
  std::vector<std::string> errors;  // one per file that could not be read
};

SheetCatalogue LoadSheetCatalogue(const SheetProductSources& sources);

// Adds the database's products to the shipped ones: a product of the geometry of a shipped one
// adds its part numbers to it (to the one that shares a part number with it when several have
// the geometry, else to one of its maker, else to the first); the others are appended.
void MergeDatabaseProducts(std::vector<SheetProduct>& products, std::vector<SheetProduct> database);

// The user's own products: the layouts that are not the page layout of a product of the
// catalogue, each with its name for a part number under `userName`. The grid on the layout's
// paper gives the columns and rows; a paper the program does not know gives none.
std::vector<SheetProduct> UsersProducts(const std::vector<PageLayout>& layouts,
                                        const std::vector<SheetProduct>& catalogue,
                                        const QString& userName);

// The products sold under `text`: a part number ("5881", "LP 800") or a maker and a part number
// ("Avery 5881"), compared as ComparablePart does.
std::vector<size_t> FindByPartNumber(const std::vector<SheetProduct>& products,
                                     const QString& text);

}  // namespace tavolo
