#include "SheetChoice.h"

#include <string>

#include "core/base/ProgramFolder.h"
#include "core/print/PageLayoutFile.h"
#include "core/print/PageLayoutLibrary.h"
#include "core/print/PaperChange.h"
#include "core/print/SheetCatalogue.h"
#include "core/storage/PrintableName.h"

namespace tavolo::cli {

namespace {

bool NamesAFile(const std::string& layout) {
  return HasLayoutExtension(layout) || layout.find('/') != std::string::npos;
}

enum class PartLookup { kFound, kNone };

// The sheet product sold under the part number, into `choice`; when several makers sell one of
// that number, a usage error that says which and that the maker must be given.
Step<PartLookup> FindProduct(const std::string& wanted, SheetChoice& choice) {
  const SheetCatalogue catalogue = LoadSheetCatalogue(InstalledSheetProductSources());
  const std::vector<size_t> found =
      FindByPartNumber(catalogue.products, QString::fromStdString(wanted));
  if (found.empty()) return PartLookup::kNone;
  if (found.size() == 1) {
    choice.product = catalogue.products[found.front()];
    choice.layout = LayoutOf(*choice.product);
    return PartLookup::kFound;
  }
  std::string known;
  for (const size_t i : found) {
    known += "\n  " + PrintableName(ProductName(catalogue.products[i]).toStdString());
  }
  return Misused(TrMessage("several sheet products have the part number '%1': give the maker too, "
                           "as in 'Avery 5881'",
                           wanted),
                 TrMessage("The sheet products of that number:%1", known));
}

// The layout named on the command line: a file, a predefined layout by its name (with case,
// else without), or a sheet product by its part number.
Step<> FindLayout(const std::string& wanted, SheetChoice& choice) {
  PageLayout& layout = choice.layout;
  if (NamesAFile(wanted)) {
    Outcome<PageLayout> read = ReadPageLayoutFile(wanted);
    if (!read) {
      return CliFailure{
          read.Message(),
          read.Error() == kLaterLayoutVersion ? Stop::kVersionMismatch : Stop::kFailure,
          {}};
    }
    layout = std::move(read).Value();
    return {};
  }
  const PageLayoutListing listing = ReadPageLayouts(PageLayoutsFolder());
  const std::vector<PageLayout> layouts = PredefinedListOrder(listing.layouts);
  const QString name = QString::fromStdString(wanted);
  int found = FindPageLayout(layouts, name);
  for (size_t i = 0; found < 0 && i < layouts.size(); ++i) {
    if (layouts[i].name.compare(name, Qt::CaseInsensitive) == 0) found = static_cast<int>(i);
  }
  if (found >= 0) {
    layout = layouts[found];
    return {};
  }
  const Step<PartLookup> product = FindProduct(wanted, choice);
  if (!product) return product.Fault();
  if (product.Value() == PartLookup::kFound) return {};
  std::string known;
  for (const PageLayout& l : layouts) known += "\n  " + PrintableName(l.name.toStdString());
  for (const std::string& error : listing.errors) known += "\n  (" + PrintableName(error) + ")";
  const std::string folder = PrintableName(PageLayoutsFolder().shipped.string());
  return Misused(TrMessage("no page layout is named '%1' and no sheet product has that part "
                           "number (tavolo-cli sheets lists them)",
                           wanted),
                 known.empty() ? TrMessage("The page layouts of %1: none", folder)
                               : TrMessage("The page layouts of %1:%2", folder, known));
}

}  // namespace

Step<SheetChoice> ChooseSheet(const Arguments& arguments) {
  SheetChoice choice;
  choice.givenLayout = arguments.values.contains("--layout");
  if (choice.givenLayout) {
    if (Step<> found = FindLayout(arguments.values.at("--layout"), choice); !found) {
      return found.Fault();
    }
  }
  const std::vector<Paper> papers = PaperCatalogue();
  int paper = 0;
  if (arguments.values.contains("--paper")) {
    const std::string& wanted = arguments.values.at("--paper");
    paper = FindPaper(papers, QString::fromStdString(wanted));
    if (paper < 0) {
      return Misused(
          TrMessage("no paper is named '%1': give a name such as A4 or Letter, or a "
                    "Windows paper number such as 9",
                    wanted));
    }
  } else if (choice.givenLayout) {
    paper = FindPaperById(papers, choice.layout.paper);
    if (paper < 0) {
      return Misused(TrMessage("the page layout's paper %1 is not known: give one with --paper",
                               choice.layout.paper));
    }
  }
  choice.paper = papers[paper];
  return choice;
}

void LayOutWhenNotGiven(SheetChoice& choice, const CardState& card) {
  if (choice.product) {
    choice.layout = LayoutOf(*choice.product, card.dpi);
  } else if (!choice.givenLayout) {
    FitSheetToCard(choice.layout, QSizeF(card.cardWidth, card.cardHeight), choice.paper, card.dpi,
                   LengthUnit::kInches);
  }
}

}  // namespace tavolo::cli
