// The makers' files of sheet products, the catalogue the build ships against the makers'
// published figures and against gLabels' database, and the search by what is on the box.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "core/print/LabelDatabase.h"
#include "core/print/SheetCatalogue.h"
#include "core/print/SheetCatalogueFile.h"
#include "core/print/SheetSearch.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;

const fs::path kShipped = fs::path(TAVOLO_BIN_DIR) / "sheets";
const fs::path kInstalledDatabase = "/usr/share/libglabels-3.0/templates";

TEST(SheetCatalogueFile, ReadsAMakersProductsOrSaysWhichLineIsWrong) {
  const std::string product =
      "product: 5371\npaper: Letter\nunit: in\ncard: 3.5 x 2\nmargins: 0.75 0.5\n"
      "pitch: 3.5 2\ncards: 2 x 5\n";
  const Outcome<std::vector<SheetProduct>> read = ParseSheetCatalogue(
      "# Avery\nmaker: Avery\n\n" + product + "also: 5376, 5377 # laser\nalso: BC#11\n" +
      "product: C32011\ndescription: Quick&Clean\npaper: a4\nunit: mm\ncard: 85x54\n"
      "margins: 15 13.5\npitch: 95 54\ncards: 2 x 5\ncorners: 3\n");
  ASSERT_TRUE(read.Ok()) << read.Message();
  ASSERT_EQ(read.Value().size(), 2u);
  const SheetProduct& letter = read.Value()[0];
  EXPECT_EQ(letter.parts,
            (std::vector<PartNumber>{
                {"Avery", "5371"}, {"Avery", "5376"}, {"Avery", "5377"}, {"Avery", "BC#11"}}));
  EXPECT_EQ(letter.description, "Business Cards");
  EXPECT_EQ(ProductName(letter), "Avery 5371 Business Cards (Letter)");
  EXPECT_EQ(letter.geometry, (SheetGeometry{LengthUnit::kInches, 3.5, 2, 0.75, 0.5, 3.5, 2, 2, 5}));
  EXPECT_EQ(ProductName(read.Value()[1]), "Avery C32011 Quick&Clean (A4)");
  EXPECT_EQ(read.Value()[1].geometry.cornerRadius, 3);

  const std::pair<std::string, std::string> refused[] = {
      {product, "line 1: \"maker\" comes before the products"},
      {"maker: A\nmaker: B\n", "line 2: \"maker\" is given twice"},
      {"maker: A\n" + product + "paper: A4\n", "line 9: \"paper\" is given twice"},
      {"maker: A\n" + product + "colour: red\n", "line 9: unknown key \"colour\""},
      {"maker: A\npaper: A4\n", "line 2: \"paper\" comes before any \"product\""},
      {"maker: A\nproduct: 1\npaper: A4\n", "line 2: the product has no \"unit\""},
      {"maker: A\n" + std::regex_replace(product, std::regex("Letter"), "Napkin"),
       "line 2: no paper is named \"Napkin\""},
      {"maker: A\n" + std::regex_replace(product, std::regex("3.5 x 2"), "3.5 x -2"),
       "line 2: \"card\" needs two numbers, not \"3.5 x -2\""},
      {"maker: A\n" + std::regex_replace(product, std::regex("2 x 5"), "2 x 5.5"),
       "line 2: \"cards\" needs two whole numbers, not \"2 x 5.5\""},
      {"maker: A\nproduct\n", "line 2: expected \"key: value\""},
      {"maker: A\n", "the file names no product"},
  };
  for (const auto& [text, message] : refused) {
    EXPECT_EQ(ParseSheetCatalogue(text).Message(), message) << text;
  }
}

// The makers' published figures of the products gLabels' database lacks (the others are checked
// against it below): paper, unit, card, first card, pitch, columns and rows.
using Published = std::tuple<const char*, const char*, const char*, double, double, double, double,
                             double, double, int, int>;
constexpr Published kPublished[] = {
    {"A-One 51002", "A4", "mm", 91, 55, 14, 11, 91, 55, 2, 5},
    {"A-One 51091", "A4", "mm", 85, 49, 17, 14, 91, 55, 2, 5},
    {"A-One 51151", "A4", "mm", 182, 55, 14, 11, 182, 55, 1, 5},
    {"Avery L7413", "A4", "mm", 90, 50.8, 15, 21.5, 90, 50.8, 2, 5},
    {"Avery L7417", "A4", "mm", 90, 54, 15, 13.5, 90, 54, 2, 5},
    {"Avery C2364", "A4", "mm", 85, 54, 15, 13.5, 95, 54, 2, 5},
    {"Avery C9362", "A4", "mm", 85, 54, 15, 13.5, 95, 54, 2, 5},
    {"Avery C9312", "A4", "mm", 85, 54, 17, 31.5, 91, 60, 2, 4},
    {"Avery J21131", "A4", "mm", 91, 55, 14, 11, 91, 55, 2, 5},
    {"Avery J21149", "A4", "mm", 91, 55, 15, 25, 99, 64, 2, 4},
    {"Elecom MT-JMN1WN", "A4", "mm", 91, 55, 14, 11, 91, 55, 2, 5},
    {"Herma 5028", "A4", "mm", 83.8, 50.8, 18.6, 22, 89.2, 50.8, 2, 5},
    {"Hisago BM102S", "A4", "mm", 90, 55, 15, 7, 90, 55, 2, 5},
    {"Hisago CJ161S", "A4", "mm", 90, 50, 10, 13.5, 100, 55, 2, 5},
    {"Hisago CJ600S", "A4", "mm", 91, 55, 10, 25, 99, 64, 2, 4},
    {"Hisago BM130S", "A4", "mm", 180, 55, 10, 25, 180, 64, 1, 4},
    {"Sanwa Supply JP-MC10EW", "A4", "mm", 90, 55, 15, 7, 90, 55, 2, 5},
    {"Sigel LP800", "A4", "mm", 85, 55, 15, 10, 95, 55, 2, 5},
    {"Sigel LP795", "A4", "mm", 85, 55, 14, 10.5, 95, 55, 2, 5},
    {"Sigel DP830", "A4", "mm", 85, 55, 14.1, 10.9, 94.9, 55, 2, 5},
    {"Sigel DP836", "A4", "mm", 85, 55, 15, 10, 95, 55, 2, 5},
    {"Sigel DP835", "A4", "mm", 85, 55, 15, 11, 95, 55, 2, 5},
    {"Sigel DP837", "A4", "mm", 85, 55, 15, 6, 95, 56.5, 2, 5},
    {"Sigel DP838", "A4", "mm", 170, 55, 20, 10, 170, 55, 1, 5},
    {"Tower CIL-B440", "A4", "mm", 85, 55, 15, 10, 100, 55, 2, 5},
    {"Zweckform 32011", "A4", "mm", 85, 54, 15, 13.5, 95, 54, 2, 5},
    {"Zweckform 32014", "A4", "mm", 85, 54, 15, 13.5, 95, 54, 2, 5},
    {"Zweckform 32017", "A4", "mm", 170, 54, 20, 13.5, 170, 54, 1, 5},
    {"Zweckform 32020", "A4", "mm", 85, 54, 15, 13.5, 95, 54, 2, 5},
    {"Zweckform 32029", "A4", "mm", 85, 54, 15, 13.5, 95, 54, 2, 5},
    {"Zweckform 32030", "A4", "mm", 85, 54, 15, 13.5, 95, 54, 2, 5},
    {"Zweckform 32040", "A4", "mm", 85, 54, 15, 13.5, 95, 54, 2, 5},
};

TEST(ShippedSheets, AreTheMakersPublishedFigures) {
  const SheetCatalogueListing shipped = ReadSheetCatalogue(kShipped);
  ASSERT_TRUE(shipped.errors.empty()) << shipped.errors.front();
  ASSERT_EQ(shipped.products.size(), 66u);
  size_t parts = 0;
  for (const SheetProduct& p : shipped.products) parts += p.parts.size();
  EXPECT_GE(parts, 150u);
  for (const auto& [name, paper, unit, w, h, left, top, across, down, columns, rows] : kPublished) {
    const std::vector<size_t> found = FindByPartNumber(shipped.products, name);
    ASSERT_EQ(found.size(), 1u) << name;
    const SheetProduct& p = shipped.products[found.front()];
    EXPECT_EQ(PaperName(p.paper), paper) << name;
    EXPECT_EQ(
        p.geometry,
        (SheetGeometry{std::string_view(unit) == "in" ? LengthUnit::kInches : LengthUnit::kMm, w, h,
                       left, top, across, down, columns, rows, p.geometry.cornerRadius}))
        << name;
  }
}

// A business-card part number of gLabels' database, found without its reader: templates in the
// category and the equivalents of those.
std::set<std::pair<std::string, std::string>> DatabaseBusinessCards(const fs::path& folder) {
  const std::regex tag("<Template\\s[^>]*?brand=\"([^\"]*)\"[^>]*?part=\"([^\"]*)\"([^>]*)>");
  const std::regex equiv("equiv=\"([^\"]*)\"");
  std::set<std::pair<std::string, std::string>> cards;
  std::vector<std::tuple<std::string, std::string, std::string>> equivalents;
  for (const fs::directory_entry& file : fs::directory_iterator(folder)) {
    std::stringstream text;
    text << std::ifstream(file.path()).rdbuf();
    const std::string all = text.str();
    for (auto it = std::sregex_iterator(all.begin(), all.end(), tag); it != std::sregex_iterator();
         ++it) {
      const std::string rest = (*it)[3];
      std::smatch target;
      if (std::regex_search(rest, target, equiv)) {
        equivalents.emplace_back((*it)[1], (*it)[2], target[1]);
      } else if (all.substr(it->position(),
                            all.find("</Template>", it->position()) - it->position())
                     .find("\"business-card\"") != std::string::npos) {
        cards.emplace((*it)[1], (*it)[2]);
      }
    }
  }
  for (const auto& [brand, part, of] : equivalents) {
    if (cards.contains({brand, of})) cards.emplace(brand, part);
  }
  return cards;
}

TEST(ShippedSheets, AgreeWithTheInstalledLabelDatabaseWhichIsOfferedWhole) {
  if (!fs::is_directory(kInstalledDatabase)) GTEST_SKIP() << "glabels-data is not installed";
  const SheetCatalogueListing shipped = ReadSheetCatalogue(kShipped);
  const LabelDatabaseListing database = ReadLabelDatabase(std::vector{kInstalledDatabase});
  EXPECT_TRUE(database.errors.empty()) << database.errors.front();
  for (const SheetProduct& ours : shipped.products) {
    for (const SheetProduct& theirs : database.products) {
      for (const PartNumber& part : theirs.parts) {
        if (HasPart(ours, part.maker, part.part)) {
          EXPECT_TRUE(SameGeometry(ours, theirs))
              << ProductName(ours).toStdString() << " and the database's "
              << ProductName(theirs).toStdString();
        }
      }
    }
  }
  std::vector<SheetProduct> offered = shipped.products;
  MergeDatabaseProducts(offered, database.products);
  const auto cards = DatabaseBusinessCards(kInstalledDatabase);
  EXPECT_GE(cards.size(), 114u);
  for (const auto& [brand, part] : cards) {
    EXPECT_FALSE(FindByPartNumber(offered, QString::fromStdString(brand + part)).empty())
        << brand << " " << part;
  }
  // The database's Avery 5881 is the shipped 8373's sheet.
  const std::vector<size_t> clean = FindByPartNumber(offered, "Avery 5881");
  ASSERT_EQ(clean.size(), 1u);
  EXPECT_EQ(offered[clean.front()].source, SheetSource::kShipped);
  EXPECT_EQ(offered[clean.front()].Main().part, "8373");
}

TEST(SheetSearch, FindsByMakerPartNumberAndSizeGroupedByPaperTheLastUsedFirst) {
  const auto product = [](const char* maker, const char* part, const char* paper, double w,
                          double h, LengthUnit unit) {
    SheetProduct p;
    p.parts = {{maker, part}};
    p.paper = QPageSize(paper == std::string_view("A4") ? QPageSize::A4 : QPageSize::Letter);
    p.description = "Business Cards";
    p.geometry = {unit, w, h, 0, 0, w, h, 2, 5, 0};
    return p;
  };
  std::vector<SheetProduct> products = {
      product("Sigel", "LP 800", "A4", 85, 55, LengthUnit::kMm),
      product("Avery", "5371", "Letter", 3.5, 2, LengthUnit::kInches),
      product("Avery", "C32011", "A4", 85, 54, LengthUnit::kMm),
      product("Avery", "C3201", "A4", 85, 54, LengthUnit::kMm),
  };
  products[1].parts.push_back({"Avery", "5881"});
  const std::tuple<const char*, std::vector<size_t>> searches[] = {
      {"", {0, 1, 2, 3}},  {"5881", {1}},
      {"avery 5371", {1}}, {"sigel lp800", {0}},
      {"85 x 54", {2, 3}}, {"54×85", {2, 3}},
      {"3.5x2", {1}},      {"88.9 x 50.8", {1}},
      {"letter", {1}},     {"business avery", {1, 2, 3}},
      {"napkin", {}},
  };
  for (const auto& [text, expected] : searches) {
    std::vector<size_t> found;
    for (size_t i = 0; i < products.size(); ++i) {
      if (MatchesSearch(products[i], QString::fromUtf8(text))) found.push_back(i);
    }
    EXPECT_EQ(found, expected) << text;
  }

  const std::vector<SheetGroup> groups =
      SearchSheetProducts(products, "", {ProductKey(products[0]), "GONE/1"}, "Letter");
  ASSERT_EQ(groups.size(), 3u);
  EXPECT_EQ(groups[0].title, "Last used");
  EXPECT_EQ(groups[0].products, std::vector<size_t>{0});
  EXPECT_EQ(groups[1].title, "Letter");
  EXPECT_EQ(groups[2].title, "A4");
  EXPECT_EQ(groups[2].products, (std::vector<size_t>{3, 2}));  // C3201 before C32011
  EXPECT_EQ(CardSizeText(products[1]), "3.5 × 2 in");
  EXPECT_EQ(EquivalentsText(products[1]), "5881");
}

}  // namespace
}  // namespace tavolo
