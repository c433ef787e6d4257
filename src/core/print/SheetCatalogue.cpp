#include "core/print/SheetCatalogue.h"

#include <algorithm>

#include "core/base/ProgramFolder.h"
#include "core/base/Translation.h"
#include "core/base/UserName.h"
#include "core/print/LabelDatabase.h"
#include "core/print/LengthDisplay.h"
#include "core/print/PageLayoutLibrary.h"
#include "core/print/PaperCatalogue.h"
#include "core/print/SheetCatalogueFile.h"
#include "core/print/SheetGrid.h"

namespace tavolo {

namespace {

bool SharesPart(const SheetProduct& a, const SheetProduct& b) {
  return std::ranges::any_of(b.parts,
                             [&a](const PartNumber& p) { return HasPart(a, p.maker, p.part); });
}

}  // namespace

SheetProductSources InstalledSheetProductSources() {
  QString user = UserDisplayName();
  if (user.isEmpty()) user = Tr("My sheets");
  return {SheetCatalogueFolder(), LabelDatabaseFolders(), PageLayoutsFolder(), user};
}

SheetCatalogue LoadSheetCatalogue(const SheetProductSources& sources) {
  SheetCatalogue catalogue;
  SheetCatalogueListing shipped = ReadSheetCatalogue(sources.shipped);
  catalogue.products = std::move(shipped.products);
  catalogue.errors = std::move(shipped.errors);
  LabelDatabaseListing database = ReadLabelDatabase(sources.databases);
  std::ranges::move(database.errors, std::back_inserter(catalogue.errors));
  MergeDatabaseProducts(catalogue.products, std::move(database.products));
  const PageLayoutListing layouts = ReadPageLayouts(sources.layouts);
  std::ranges::move(UsersProducts(layouts.layouts, catalogue.products, sources.userName),
                    std::back_inserter(catalogue.products));
  return catalogue;
}

void MergeDatabaseProducts(std::vector<SheetProduct>& products,
                           std::vector<SheetProduct> database) {
  const size_t shipped = products.size();
  for (SheetProduct& found : database) {
    size_t same = shipped;
    int best = -1;
    for (size_t i = 0; i < shipped; ++i) {
      if (!SameGeometry(products[i], found)) continue;
      const int score = SharesPart(products[i], found)                            ? 2
                        : SameMaker(products[i].Main().maker, found.Main().maker) ? 1
                                                                                  : 0;
      if (score > best) {
        best = score;
        same = i;
      }
    }
    if (same == shipped) {
      products.push_back(std::move(found));
      continue;
    }
    for (const PartNumber& part : found.parts) {
      if (!HasPart(products[same], part.maker, part.part)) products[same].parts.push_back(part);
    }
  }
}

std::vector<SheetProduct> UsersProducts(const std::vector<PageLayout>& layouts,
                                        const std::vector<SheetProduct>& catalogue,
                                        const QString& userName) {
  const std::vector<Paper> papers = PaperCatalogue();
  std::vector<SheetProduct> mine;
  for (const PageLayout& layout : layouts) {
    const bool shipped = std::ranges::any_of(catalogue, [&layout](const SheetProduct& product) {
      return product.source == SheetSource::kShipped && ProductName(product) == layout.name &&
             LayoutOf(product) == layout;
    });
    if (shipped) continue;
    SheetProduct product;
    product.parts.push_back({userName, layout.name});
    product.source = SheetSource::kUser;
    product.savedLayout = layout;
    SheetGeometry& g = product.geometry;
    g.unit = LengthUnitFromStored(layout.unit);
    const auto inUnit = [&](float printPixels) {
      return static_cast<double>(PrintPixelsInUnit(printPixels, kSheetLayoutDpi, g.unit));
    };
    g.cardWidth = inUnit(layout.cardWidth);
    g.cardHeight = inUnit(layout.cardHeight);
    g.left = inUnit(layout.leftMargin);
    g.top = inUnit(layout.topMargin);
    g.across = inUnit(layout.horizontalPitch);
    g.down = inUnit(layout.verticalPitch);
    if (const int paper = FindPaperById(papers, layout.paper); paper >= 0) {
      product.paper = papers[static_cast<size_t>(paper)].pageSize;
      const GridSize grid = CountedOf(
          ComputeGrid(layout, papers[static_cast<size_t>(paper)].WholeMm(), kSheetLayoutDpi));
      g.columns = grid.columns;
      g.rows = grid.rows;
    }
    mine.push_back(std::move(product));
  }
  return mine;
}

std::vector<size_t> FindByPartNumber(const std::vector<SheetProduct>& products,
                                     const QString& text) {
  const QString wanted = ComparablePart(text);
  std::vector<size_t> found;
  if (wanted.isEmpty()) return found;
  for (size_t i = 0; i < products.size(); ++i) {
    const bool sold = std::ranges::any_of(products[i].parts, [&wanted](const PartNumber& p) {
      return ComparablePart(p.part) == wanted || ComparablePart(p.maker + p.part) == wanted;
    });
    if (sold) found.push_back(i);
  }
  return found;
}

}  // namespace tavolo
