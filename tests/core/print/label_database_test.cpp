// The reader of gLabels' label database on crafted files, and the merge of what it finds into
// the shipped products.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/print/LabelDatabase.h"
#include "core/print/SheetCatalogue.h"
#include "tests/core/TestFolders.h"

namespace tavolo {
namespace {

QByteArray File(const std::string& templates, bool withNamespace = true) {
  const std::string root = withNamespace
                               ? "<Glabels-templates xmlns=\"http://glabels.org/xmlns/3.0/\">"
                               : "<Glabels-templates>";
  return QByteArray::fromStdString("<?xml version=\"1.0\"?>\n" + root + templates +
                                   "</Glabels-templates>\n");
}

// A business card of `shape` (the element with its attributes and layouts inside) on A4.
std::string Card(const std::string& part, const std::string& shape,
                 const std::string& paper = "size=\"A4\"") {
  return "<Template brand=\"Acme\" part=\"" + part + "\" " + paper +
         " _description=\"Business Cards\"><Meta category=\"card\"/>"
         "<Meta category=\"business-card\"/>" +
         shape + "</Template>";
}

const std::string kRectangle =
    "<Label-rectangle id=\"0\" width=\"85mm\" height=\"54mm\" round=\"3mm\">"
    "<Markup-margin size=\"2mm\"/>"
    "<Layout nx=\"2\" ny=\"5\" x0=\"15mm\" y0=\"13.5mm\" dx=\"95mm\" dy=\"54mm\"/>"
    "</Label-rectangle>";

std::string Parts(const SheetProduct& product) {
  std::string parts;
  for (const PartNumber& p : product.parts) parts += (p.maker + u' ' + p.part).toStdString() + ";";
  return parts;
}

TEST(LabelDatabase, ReadsRectangularBusinessCardsWithTheirEquivalents) {
  const std::string equivalents =
      "<Template brand=\"Acme\" part=\"B1\" equiv=\"A1\"/>"
      "<Template brand=\"Acme\" part=\"B2\" equiv=\"B1\"/>"    // an equivalent of one
      "<Template brand=\"Acme\" part=\"B3\" equiv=\"Z9\"/>"    // of nothing
      "<Template brand=\"Acme\" part=\"B4\" equiv=\"B4\"/>"    // of itself
      "<Template brand=\"Other\" part=\"B5\" equiv=\"A1\"/>";  // another maker's A1
  const LabelDatabaseFile files[] = {
      {"a.xml", File(equivalents + Card("A1", kRectangle))},
      // Without the namespace, the equivalent in another file than its product.
      {"b.xml", File("<Template brand=\"Acme\" part=\"C1\" equiv=\"A1\"/>", false)},
      {"c.xml", File(Card("IN1",
                          "<Label-rectangle width=\"3.5in\" height=\"2in\"><Layout nx=\"2\" "
                          "ny=\"5\" x0=\"0.75in\" y0=\"0.5in\" dx=\"3.5in\" dy=\"2in\"/>"
                          "</Label-rectangle>",
                          "size=\"US-Letter\""))},
      {"paper-sizes.xml", "<?xml version=\"1.0\"?><Glabels-paper-sizes/>"},  // left alone
  };
  const LabelDatabaseListing listing = ParseLabelDatabase(files);
  EXPECT_TRUE(listing.errors.empty());
  ASSERT_EQ(listing.products.size(), 2u);
  const SheetProduct& mm = listing.products[0];
  EXPECT_EQ(Parts(mm), "Acme A1;Acme B1;Acme B2;Acme C1;");
  EXPECT_EQ(mm.paper.windowsId(), 9);
  EXPECT_EQ(mm.source, SheetSource::kInstalledDatabase);
  EXPECT_EQ(mm.description, "Business Cards");
  const SheetGeometry& g = mm.geometry;
  EXPECT_EQ(g.unit, LengthUnit::kMm);
  for (const auto& [got, expected] : {std::pair{g.cardWidth, 85.0},
                                      {g.cardHeight, 54.0},
                                      {g.left, 15.0},
                                      {g.top, 13.5},
                                      {g.across, 95.0},
                                      {g.down, 54.0},
                                      {g.cornerRadius, 3.0}}) {
    EXPECT_NEAR(got, expected, 1e-9);
  }
  EXPECT_EQ(std::pair(g.columns, g.rows), std::pair(2, 5));
  const SheetProduct& inches = listing.products[1];
  EXPECT_EQ(inches.geometry.unit, LengthUnit::kInches);
  EXPECT_NEAR(inches.geometry.left, 0.75, 1e-9);
  EXPECT_EQ(PaperName(inches.paper), "Letter");
}

TEST(LabelDatabase, SkipsWhatCannotBeLaidOutAndFilesThatAreBrokenOrHostile) {
  const auto layout = [](const std::string& attributes) {
    return "<Label-rectangle width=\"85mm\" height=\"54mm\"><Layout " + attributes +
           "/></Label-rectangle>";
  };
  const std::string skipped[] = {
      "<Label-round radius=\"20mm\"><Layout nx=\"2\" ny=\"2\" x0=\"0\" y0=\"0\" dx=\"60mm\" "
      "dy=\"60mm\"/></Label-round>",
      layout("nx=\"2\" ny=\"5\" x0=\"15mm\" y0=\"13.5mm\" dy=\"54mm\""),  // no horizontal pitch
      layout("nx=\"2\" ny=\"5\" y0=\"13.5mm\" dx=\"95mm\" dy=\"54mm\""),  // no x0
      layout("nx=\"1000000000\" ny=\"1000000000\" x0=\"0\" y0=\"0\" dx=\"1\" dy=\"1\""),
      layout("nx=\"2\" ny=\"5\" x0=\"1e308mm\" y0=\"13.5mm\" dx=\"95mm\" dy=\"54mm\""),
      layout("nx=\"2\" ny=\"5\" x0=\"-5mm\" y0=\"13.5mm\" dx=\"95mm\" dy=\"54mm\""),
      layout("nx=\"2\" ny=\"5\" x0=\"15mm\" y0=\"13.5mm\" dx=\"95furlong\" dy=\"54mm\""),
      layout("nx=\"3\" ny=\"5\" x0=\"15mm\" y0=\"13.5mm\" dx=\"95mm\" dy=\"54mm\""),  // off A4
      // Two layouts that are not one even grid.
      "<Label-rectangle width=\"85mm\" height=\"54mm\"><Layout nx=\"1\" ny=\"5\" x0=\"15mm\" "
      "y0=\"13.5mm\" dx=\"95mm\" dy=\"54mm\"/><Layout nx=\"1\" ny=\"4\" x0=\"110mm\" "
      "y0=\"13.5mm\" dx=\"95mm\" dy=\"54mm\"/></Label-rectangle>",
  };
  std::string templates;
  for (size_t i = 0; i < std::size(skipped); ++i) {
    templates += Card("S" + std::to_string(i), skipped[i]);
  }
  // Two halves of one even grid, one of them given twice, are taken as that grid.
  templates += Card("HALVES",
                    "<Label-rectangle width=\"85mm\" height=\"54mm\"><Layout nx=\"1\" ny=\"5\" "
                    "x0=\"15mm\" y0=\"13.5mm\" dx=\"0\" dy=\"54mm\"/><Layout nx=\"1\" ny=\"5\" "
                    "x0=\"110mm\" y0=\"13.5mm\" dx=\"0\" dy=\"54mm\"/><Layout nx=\"1\" ny=\"5\" "
                    "x0=\"110mm\" y0=\"13.5mm\" dx=\"0\" dy=\"54mm\"/></Label-rectangle>");
  // Not a business card.
  templates += "<Template brand=\"Acme\" part=\"L\" size=\"A4\"><Meta category=\"label\"/>" +
               kRectangle + "</Template>";

  const LabelDatabaseFile files[] = {
      {"skips.xml", File(templates)},
      {"broken.xml", File(Card("X", kRectangle)).chopped(30)},
      // Well formed, so that only its depth refuses it.
      {"deep.xml", File(test::Repeated("<a>", kMaxLabelDatabaseDepth + 1) +
                        test::Repeated("</a>", kMaxLabelDatabaseDepth + 1))},
      {"many.xml", File(test::Repeated("<b/>", kMaxLabelDatabaseElements + 1))},
      {"laughs.xml",
       "<?xml version=\"1.0\"?><!DOCTYPE t [<!ENTITY a \"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\">"
       "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
       "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">]>"
       "<Glabels-templates><Template brand=\"&c;\"/></Glabels-templates>"},
  };
  const LabelDatabaseListing listing = ParseLabelDatabase(files);
  ASSERT_EQ(listing.products.size(), 1u);
  EXPECT_EQ(Parts(listing.products[0]), "Acme HALVES;");
  EXPECT_EQ(listing.products[0].geometry.columns, 2);
  EXPECT_NEAR(listing.products[0].geometry.across, 95.0, 1e-9);
  EXPECT_EQ(listing.skipped, static_cast<int>(std::size(skipped)));
  ASSERT_EQ(listing.errors.size(), 4u);
  for (size_t i = 0; i < listing.errors.size(); ++i) {
    EXPECT_TRUE(listing.errors[i].starts_with("The label database file " +
                                              std::string(files[i + 1].name) + " is skipped: "))
        << listing.errors[i];
  }
}

TEST(SheetCatalogue, MergesTheDatabaseIntoShippedProductsOfTheSameGeometry) {
  const auto product = [](const char* maker, const char* part, double left) {
    SheetProduct p;
    p.parts = {{maker, part}};
    p.paper = QPageSize(QPageSize::A4);
    p.geometry = {LengthUnit::kMm, 85, 54, left, 13.5, 95, 54, 2, 5, 0};
    return p;
  };
  std::vector<SheetProduct> products = {product("Avery", "C32011", 15), product("Geha", "P70", 15)};
  MergeDatabaseProducts(products, {product("Geha", "P 71", 15.05),      // Geha's
                                   product("Avery", "c32011", 15),      // already there
                                   product("DECAdry", "OCC-3342", 15),  // the first's
                                   product("Far", "F1", 16)});
  ASSERT_EQ(products.size(), 3u);
  EXPECT_EQ(Parts(products[0]), "Avery C32011;DECAdry OCC-3342;");
  EXPECT_EQ(Parts(products[1]), "Geha P70;Geha P 71;");
  EXPECT_EQ(Parts(products[2]), "Far F1;");

  const std::tuple<const char*, std::vector<size_t>> lookups[] = {
      {"Avery C32011", {0}}, {"c 32011", {0}}, {"P71", {1}}, {"geha p-71", {1}},
      {"Avery P71", {}},     {"", {}},         {"F", {}},
  };
  for (const auto& [text, found] : lookups) {
    EXPECT_EQ(FindByPartNumber(products, QString::fromUtf8(text)), found) << text;
  }
}

}  // namespace
}  // namespace tavolo
