// libFuzzer target for the two readers of sheet products: the input read as one file of gLabels'
// label database and as one maker's file of the shipped catalogue. Any input reads without harm,
// and every product either reader gives can be printed: it passes the check a shipped product
// passes, and its layout places its cards on its paper.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzRequire.h"
#include "core/print/LabelDatabase.h"
#include "core/print/PaperCatalogue.h"
#include "core/print/SheetCatalogueFile.h"
#include "core/print/SheetGrid.h"

namespace {

void RequirePrintable(const tavolo::SheetProduct& product) {
  Require(!product.parts.empty());
  const tavolo::SheetGrid grid = tavolo::ComputeGrid(
      tavolo::LayoutOf(product), tavolo::PaperFromPageSize(product.paper).WholeMm(),
      tavolo::kSheetLayoutDpi);
  Require(grid.Ok() && grid.Value().columns == product.geometry.columns &&
          grid.Value().rows == product.geometry.rows);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const tavolo::LabelDatabaseFile file{
      "fuzz.xml", QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))};
  const tavolo::LabelDatabaseListing database = tavolo::ParseLabelDatabase({&file, 1});
  Require(database.errors.size() <= 1);
  for (const tavolo::SheetProduct& product : database.products) RequirePrintable(product);

  const tavolo::Outcome<std::vector<tavolo::SheetProduct>> catalogue =
      tavolo::ParseSheetCatalogue(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!catalogue) return 0;
  for (const tavolo::SheetProduct& product : catalogue.Value()) {
    if (tavolo::CheckSheetProduct(product)) RequirePrintable(product);
  }
  return 0;
}
