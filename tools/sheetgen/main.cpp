// sheetgen builds the sheet products of data/sheets into the program's folder: each maker's
// file is checked and copied into the sheets folder, and each product's page layout is written
// into the abctmp folder. A product that does not check out fails the build: the grid the
// program lays out on its paper must be the product's, its last card must end on the paper,
// each length must show in the print dialog as the figure written, and no part number may be
// given twice.
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <system_error>

#include "core/print/LengthDisplay.h"
#include "core/print/PageLayoutFile.h"
#include "core/print/SheetCatalogueFile.h"
#include "core/print/SheetProduct.h"
#include "core/print/SheetSearch.h"
#include "core/storage/FileIo.h"

namespace {

using tavolo::SheetProduct;

int Fail(const std::string& where, const std::string& message) {
  std::fprintf(stderr, "sheetgen: %s: %s\n", where.c_str(), message.c_str());
  return 1;
}

// Which length, if any, the print dialog would not show as the figure written.
std::string NotShownAsWritten(const SheetProduct& product) {
  const tavolo::SheetGeometry& g = product.geometry;
  const tavolo::PageLayout layout = tavolo::LayoutOf(product);
  const std::pair<const char*, std::pair<float, double>> lengths[] = {
      {"card width", {layout.cardWidth, g.cardWidth}},
      {"card height", {layout.cardHeight, g.cardHeight}},
      {"left margin", {layout.leftMargin, g.left}},
      {"top margin", {layout.topMargin, g.top}},
      {"horizontal pitch", {layout.horizontalPitch, g.columns > 1 ? g.across : g.cardWidth}},
      {"vertical pitch", {layout.verticalPitch, g.rows > 1 ? g.down : g.cardHeight}},
  };
  for (const auto& [name, length] : lengths) {
    const float shown = tavolo::ToDisplay(length.first, tavolo::kSheetLayoutDpi, g.unit);
    if (shown != tavolo::ShownFigure(length.second)) return name;
  }
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fputs("Usage: sheetgen SHEETS-FOLDER LAYOUTS-FOLDER MAKER.sheets...\n", stderr);
    return 2;
  }
  const std::filesystem::path sheets = argv[1];
  const std::filesystem::path layouts = argv[2];
  std::filesystem::create_directories(sheets);
  std::map<QString, std::string> parts;  // each part number and the file giving it
  int products = 0;
  int partCount = 0;
  for (int i = 3; i < argc; ++i) {
    const std::filesystem::path file = argv[i];
    const auto bytes = tavolo::ReadWholeFile(file, tavolo::kMaxSheetCatalogueBytes);
    if (!bytes) return Fail(file.string(), bytes.Message());
    const std::string_view text(reinterpret_cast<const char*>(bytes.Value().data()),
                                bytes.Value().size());
    const auto parsed = tavolo::ParseSheetCatalogue(text);
    if (!parsed) return Fail(file.string(), parsed.Message());
    for (const SheetProduct& product : parsed.Value()) {
      const std::string name = tavolo::ProductName(product).toStdString();
      if (const tavolo::Outcome<> usable = tavolo::CheckSheetProduct(product); !usable) {
        return Fail(file.string(), name + ": " + usable.Message());
      }
      if (const std::string length = NotShownAsWritten(product); !length.empty()) {
        return Fail(file.string(),
                    name + ": the " + length + " cannot be shown as itself in the print dialog");
      }
      for (const tavolo::PartNumber& part : product.parts) {
        const QString key =
            tavolo::ComparablePart(part.maker) + u'/' + tavolo::ComparablePart(part.part);
        const auto [given, added] = parts.emplace(key, file.string());
        if (!added) {
          return Fail(file.string(), (part.maker + u' ' + part.part).toStdString() +
                                         " is given twice (before in " + given->second + ")");
        }
      }
      const auto written = tavolo::SaveSheetProduct(layouts, tavolo::LayoutOf(product));
      if (!written) return Fail(file.string(), written.Message());
      std::printf("%s: %s, %d x %d cards of %s\n", name.c_str(),
                  tavolo::PaperName(product.paper).toStdString().c_str(), product.geometry.columns,
                  product.geometry.rows,
                  tavolo::CardSizeText(product, QStringLiteral(" x ")).toStdString().c_str());
      ++products;
      partCount += static_cast<int>(product.parts.size());
    }
    std::error_code error;
    std::filesystem::copy_file(file, sheets / file.filename(), error);
    if (error) return Fail(file.string(), error.message());
  }
  std::printf("%d sheet products, %d part numbers\n", products, partCount);
  return 0;
}
