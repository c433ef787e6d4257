#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "core/print/LengthDisplay.h"
#include "core/print/PageLayoutFile.h"
#include "core/print/PageLayoutLibrary.h"
#include "core/print/PaperCatalogue.h"
#include "core/print/SheetCatalogueFile.h"
#include "core/print/SheetGrid.h"
#include "core/storage/ByteWriter.h"
#include "tests/core/TestFolders.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;
using test::WriteFileBytes;

PageLayout Named(const QString& name, float cardWidth = 1050.0f) {
  return {.cardHeight = 600,
          .cardWidth = cardWidth,
          .horizontalPitch = 1050,
          .verticalPitch = 600,
          .paper = 1,
          .name = name};
}

TEST(PageLayoutFile, WritesVersionLengthsPaperUnitAndName) {
  std::vector<uint8_t> expected;
  ByteWriter out(expected);
  out.PutU32(0);  // the version
  // Card height and width, the horizontal and vertical pitch, the left and top margin.
  for (const float length : {600, 1050, 1050, 600, 225, 150}) out.PutF32(length);
  out.PutU32(1);  // Letter
  out.PutU32(2);  // mm
  out.PutBytes(std::vector<uint8_t>{5, 'A', 'v', 'e', 'r', 'y'});
  PageLayout layout = Named("Avery");
  layout.unit = 2;
  EXPECT_EQ(SerializePageLayout(layout), expected);
}

TEST(PageLayoutFile, RoundTripsByteForByte) {
  PageLayout odd = Named("Étiquettes ✓ 85×54", 1003.9370f);
  odd.leftMargin = 177.16535f;
  odd.topMargin = 0.0f;
  odd.unit = 1;
  odd.paper = 9;
  const PageLayout cases[] = {
      PageLayout{}, odd, Named(QString(kMaxLayoutNameBytes, u'x')),  // the longest name
  };
  for (const PageLayout& layout : cases) {
    const std::vector<uint8_t> bytes = SerializePageLayout(layout);
    const Outcome<PageLayout> read = ParsePageLayout(bytes);
    ASSERT_TRUE(read.Ok()) << read.Message();
    EXPECT_EQ(read.Value(), layout);
    EXPECT_EQ(SerializePageLayout(read.Value()), bytes);
  }
}

// A later version's lengths may mean something else: it is refused, as a later project is. A
// file whose first bytes are no version a layout could have is no page layout at all.
TEST(PageLayoutFile, ALaterVersionIsRefused) {
  std::vector<uint8_t> bytes = SerializePageLayout(Named("Avery"));
  for (const uint32_t version : {1u, 7u, 0xFFFFu}) {
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(version >> (8 * i));
    for (const size_t size : {size_t{4}, bytes.size()}) {
      const Outcome<PageLayout> read = ParsePageLayout(std::span(bytes).first(size));
      EXPECT_FALSE(read.Ok()) << version;
      EXPECT_EQ(read.Error(), kLaterLayoutVersion) << version;
      EXPECT_EQ(read.Message(), "the format version " + std::to_string(version) +
                                    " is newer than this program reads");
    }
  }
  TempFolder dir;
  ASSERT_TRUE(WriteFileBytes(dir / "later.ptm", bytes));
  EXPECT_EQ(ReadPageLayoutFile(dir / "later.ptm").Message(),
            (dir / "later.ptm").string() +
                " cannot be read: the format version 65535 is newer than this program reads.");
  for (const std::string& text :
       {std::string("root:x:0:0:root:/root:/bin/bash\n"), std::string("\x00\x00\x01\x00 ", 5)}) {
    ASSERT_TRUE(WriteFileBytes(dir / "text", std::vector<uint8_t>(text.begin(), text.end())));
    const Outcome<PageLayout> read = ReadPageLayoutFile(dir / "text");
    EXPECT_EQ(read.Error(), kNotALayout);
    EXPECT_EQ(read.Message(), (dir / "text").string() + " is not a page layout.");
  }
}

// A name longer than a save writes is cut to the longest start a save could write.
TEST(PageLayoutFile, NamesReadAreCutAsSavingCutsThem) {
  const QString euro(300, QChar(0x20AC));  // three bytes each: 66 fit
  for (const auto& [name, kept] :
       {std::pair{QString(kMaxLayoutNameBytes, u'x'), kMaxLayoutNameBytes},
        {QString(kMaxLayoutNameBytes + 1, u'x'), kMaxLayoutNameBytes},
        {QString(1 << 16, u'x'), kMaxLayoutNameBytes},
        {euro, 66}}) {
    const Outcome<PageLayout> read = ParsePageLayout(SerializePageLayout(Named(name)));
    ASSERT_TRUE(read.Ok());
    EXPECT_EQ(read.Value().name, name.left(kept));
    EXPECT_TRUE(IsLayoutFileName(read.Value().name));
  }
}

TEST(PageLayoutFile, DamagedFilesAreRefusedSayingWhere) {
  const std::vector<uint8_t> bytes = SerializePageLayout(Named("Avery"));
  for (size_t size = 0; size < bytes.size(); ++size) {
    EXPECT_FALSE(ParsePageLayout(std::span(bytes).first(size)).Ok()) << size;
  }
  std::vector<uint8_t> notANumber = bytes;
  notANumber[8 + 3] = 0x7F;  // card width: exponent all ones
  notANumber[8 + 2] = 0xC0;
  EXPECT_EQ(ParsePageLayout(notANumber).Message(), "the card width is not a finite number");

  TempFolder dir;
  ASSERT_TRUE(WriteFileBytes(dir / "cut.ptm", std::vector(bytes.begin(), bytes.end() - 2)));
  const Outcome<PageLayout> cut = ReadPageLayoutFile(dir / "cut.ptm");
  EXPECT_FALSE(cut.Ok());
  EXPECT_EQ(cut.Message(),
            (dir / "cut.ptm").string() + " is damaged: the file ends inside the name.");
  EXPECT_FALSE(ReadPageLayoutFile(dir / "missing.ptm").Ok());
  EXPECT_NE(ReadPageLayoutFile(dir / "missing.ptm").Message().find("missing.ptm"),
            std::string::npos);
}

TEST(PageLayoutLibrary, ListsTheFolderInNameOrderAndAveryFirst) {
  TempFolder dir;
  std::vector<uint8_t> otherVersion = SerializePageLayout(Named("Future"));
  otherVersion[0] = 1;
  PageLayout offThePaper = Named("Far");
  offThePaper.leftMargin = 2e9f;
  for (const auto& [file, layout] : {std::pair{"a.ptm", Named("Business sheet")},
                                     {"b.ptm", Named("avery lower case")},
                                     {"d.ptm", Named("Avery business cards")},
                                     {"f.ptm", Named("AveryX")},
                                     {"g.ptm", offThePaper},
                                     {"notes.txt", Named("Not listed")}}) {
    ASSERT_TRUE(WritePageLayoutFile(dir / file, layout).Ok());
  }
  ASSERT_TRUE(WriteFileBytes(dir / "c.PTM", otherVersion));
  ASSERT_TRUE(WriteFileBytes(dir / "e.ptm", {0, 0, 0, 0, 1}));
  fs::create_directory(dir / "folder.ptm");

  const PageLayoutListing listing = ReadPageLayouts(dir.Path());
  std::vector<QString> names;
  for (const PageLayout& layout : listing.layouts) names.push_back(layout.name);
  EXPECT_EQ(names, (std::vector<QString>{"Business sheet", "avery lower case",
                                         "Avery business cards", "AveryX"}));
  // The later version, the damaged file and the layout off its paper, each named.
  EXPECT_EQ(listing.errors,
            (std::vector<std::string>{
                (dir / "c.PTM").string() +
                    " cannot be read: the format version 1 is newer than this program reads.",
                (dir / "e.ptm").string() + " is damaged: the file ends inside the card height.",
                (dir / "g.ptm").string() + " is refused: " + GridMessage(GridFault::kOffThePaper) +
                    "."}));

  names.clear();
  for (const PageLayout& layout : PredefinedListOrder(listing.layouts))
    names.push_back(layout.name);
  EXPECT_EQ(names, (std::vector<QString>{"Avery business cards", "AveryX", "Business sheet",
                                         "avery lower case"}));
  EXPECT_EQ(FindPageLayout(listing.layouts, QStringLiteral("AveryX")), 3);
  EXPECT_EQ(FindPageLayout(listing.layouts, QStringLiteral("averyx")), -1);

  const PageLayoutListing missing = ReadPageLayouts(dir / "nowhere");
  EXPECT_TRUE(missing.layouts.empty());
  EXPECT_EQ(missing.errors.size(), 1u);
}

TEST(PageLayoutLibrary, ListsAtMostAThousandFiles) {
  TempFolder dir;
  ASSERT_TRUE(WriteFileBytes(dir / "10000.ptm", SerializePageLayout(PageLayout{})));
  for (int i = 1; i < kMaxPageLayouts + 2; ++i) {
    fs::create_hard_link(dir / "10000.ptm", dir / (std::to_string(10000 + i) + ".ptm"));
  }
  const PageLayoutListing listing = ReadPageLayouts(dir.Path());
  EXPECT_EQ(listing.layouts.size(), static_cast<size_t>(kMaxPageLayouts));
  EXPECT_EQ(listing.leftOut, 2);
  EXPECT_EQ(listing.errors, std::vector<std::string>{"Only the first 1000 page layouts are "
                                                     "listed; 2 more in " +
                                                     dir.Path().string() + " are left out."});
}

TEST(SaveSheetProduct, WritesNameDotPtmOrSaysWhyNot) {
  const std::tuple<QString, bool> cases[] = {
      {QStringLiteral("Étiquettes (A4)"), true},
      {QString(kMaxLayoutNameBytes / 2, u'é'), true},  // two bytes each in a file name
      {QString(kMaxLayoutNameBytes / 2 + 1, u'é'), false},
      {QString(), false},
      {QStringLiteral(".."), false},
      {QStringLiteral("../up"), false},
      {QString::fromUtf16(u"nul\0l", 5), false},
  };
  for (const auto& [name, ok] : cases) {
    TempFolder dir;
    const fs::path folder = dir / "abctmp";  // made when missing
    PageLayout layout = Named(name);
    const Outcome<fs::path> saved = SaveSheetProduct(folder, layout);
    EXPECT_EQ(saved.Ok(), ok) << name.toStdString();
    if (ok) {
      EXPECT_EQ(saved.Value().filename(), (name + ".ptm").toStdString());
      EXPECT_EQ(ReadPageLayoutFile(saved.Value()).Value(), layout);
      layout.cardWidth = 900;
      ASSERT_TRUE(SaveSheetProduct(folder, layout).Ok());
      EXPECT_EQ(ReadPageLayouts(folder).layouts, std::vector<PageLayout>{layout});
    } else {
      EXPECT_FALSE(saved.Message().empty());
      EXPECT_TRUE(!fs::exists(folder) || fs::is_empty(folder)) << name.toStdString();
    }
  }
}

// The predefined page layouts the build ships beside the program, against the sheet products'
// own figures: one sheet in inches on Letter and one in millimetres on A4 stand for the rest.
const std::filesystem::path kLayouts = std::filesystem::path(TAVOLO_BIN_DIR) / "abctmp";

TEST(ShippedLayouts, AreTheProductsFiguresAndFitTheirPaper) {
  constexpr auto kIn = LengthUnit::kInches;
  constexpr auto kMm = LengthUnit::kMm;
  // The paper, the unit, the lengths shown (card height, card width, vertical pitch, horizontal
  // pitch, left, top) and the grid.
  const std::tuple<const char*, int32_t, LengthUnit, ShownLengths, int, int> products[] = {
      {"Avery 5371 Business Cards (Letter)", 1, kIn, {2, 3.5f, 2, 3.5f, 0.75f, 0.5f}, 2, 5},
      {"Herma 5028 Business Cards (A4)", 9, kMm, {50.8f, 83.8f, 50.8f, 89.2f, 18.6f, 22}, 2, 5},
  };
  const PageLayoutListing listing = ReadPageLayouts(kLayouts);
  ASSERT_TRUE(listing.errors.empty()) << listing.errors.front();
  ASSERT_EQ(listing.layouts.size(),
            ReadSheetCatalogue(kLayouts.parent_path() / "sheets").products.size());

  const std::vector<Paper> papers = PaperCatalogue(QLocale::c());
  for (const auto& [name, id, unit, shown, columns, rows] : products) {
    const int at = FindPageLayout(listing.layouts, QString::fromUtf8(name));
    ASSERT_GE(at, 0) << name;
    const PageLayout& layout = listing.layouts[at];
    EXPECT_EQ(layout.paper, id) << name;
    EXPECT_EQ(layout.unit, static_cast<int32_t>(unit)) << name;
    EXPECT_EQ(ShowLengths(layout, 300, unit), shown) << name;

    const Paper& paper = papers[FindPaperById(papers, layout.paper)];
    const SheetPlacement placement = PlaceCards(layout, paper.WholeMm(), 300, 254);  // in 0.1 mm
    EXPECT_EQ(CountedOf(placement.grid).columns, columns) << name;
    EXPECT_EQ(CountedOf(placement.grid).rows, rows) << name;
    ASSERT_FALSE(placement.cards.empty()) << name;
    const QRectF last = placement.cards.back();
    EXPECT_LE(last.right(), paper.widthTenthsMm) << name;
    EXPECT_LE(last.bottom(), paper.heightTenthsMm) << name;
  }

  // The list the print dialog shows: the Avery sheets first, then the others, by file name.
  const std::vector<PageLayout> listed = PredefinedListOrder(listing.layouts);
  EXPECT_EQ(listed[12].name, "Avery L7417 Business Cards (A4)");
  EXPECT_EQ(listed[13].name, "A-One 51002 Business Cards (A4)");
}

}  // namespace
}  // namespace tavolo
