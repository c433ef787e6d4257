// tavolo-cli info, backgrounds and render, run as a user runs them.
#include <tuple>
#include <vector>

#include "core/card/ClearGround.h"
#include "core/card/ShrinkToFit.h"
#include "core/imaging/RasterImage.h"
#include "tests/cli/CliRun.h"
#include "tests/core/formats/ProjectSamples.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;

using ProjectCli = test::CliTest;

TEST_F(ProjectCli, InfoPrintsTheCardAsJsonAndFailsOnDamagedFiles) {
  CardState card = test::UnusualState();
  card.lines[1].line[1] = QStringLiteral("Tab\there \"quoted\" \u540d\u7247");
  SetShrinkToFit(card, 1, true);
  std::array<std::optional<PixelRect>, kTextBoxCount> areas{};
  areas[1] = PixelRect{44, 60, 700, 126};
  card.backgroundIndex = 0;  // as the file will hold it
  SetClearGround(card, areas);
  ContactDetails details;
  details[1] = QStringLiteral("\u00c5sa Berg");
  card.contact = details;
  const std::string path = Project(card, "card.tvc", "Linen");

  test::ShellOutcome info = Run("info '" + path + "'");
  EXPECT_EQ(info.code, 0) << info.output;
  for (const char* field :
       {"\"result\": \"success\"", "\"background\": \"Linen\"", "\"version\": 2", "\"lnmb\": 9",
        "\"bgShift\": -0", "\"Tab\\there \\\"quoted\\\" \u540d\u7247\"",
        "\"shrinkToFit\": [false, true, false, false, false]",
        "\"clearGround\": [null, [44, 60, 700, 126], null, null, null]",
        "\"contact\": {\n    \"companyName\": \"\",\n    \"name\": \"\u00c5sa Berg\",",
        "\"phone2\": \"\"\n  }"}) {
    EXPECT_TRUE(test::Says(info, field));
  }

  std::vector<uint8_t> bytes = test::ReadFileBytes(path);
  bytes.resize(bytes.size() / 2);
  ASSERT_TRUE(test::WriteFileBytes(path, bytes));
  info = Run("info '" + path + "'");
  EXPECT_NE(info.code, 0);
  EXPECT_TRUE(test::Says(info, "\"result\": \"file error\""));
}

TEST_F(ProjectCli, BackgroundsListsTheTableAndFailsWithoutALibrary) {
  fs::remove(home_ / "fl1.tmp");
  test::ShellOutcome listed = Run("backgrounds");
  EXPECT_NE(listed.code, 0);
  EXPECT_TRUE(test::Says(listed, "fl1.tmp was not found"));

  const std::vector<LibraryEntry> entries = {{MakeBackgroundName("Soft Blue"), 0.0f, {}},
                                             {MakeBackgroundName("Sand"), 119.5f, {}}};
  ASSERT_TRUE(WriteBackgroundLibrary(home_ / "fl1.tmp", entries));
  listed = Run("backgrounds");
  EXPECT_EQ(listed.code, 0) << listed.output;
  EXPECT_TRUE(test::Says(listed, "     0 \"Soft Blue\"            -0.5\n"));
  EXPECT_TRUE(test::Says(listed, "     1 \"Sand\""));
  EXPECT_EQ(Run("backgrounds Sand").code, 2) << "it takes no arguments";
}

// The objects placed on the card, listed in drawing order; one of a later version's kind is kept
// and not drawn, with a warning, and --strict refuses to draw the card without it.
TEST_F(ProjectCli, InfoListsThePlacedObjectsAndALaterKindIsLeftOutWithAWarning) {
  CardState card;
  card.logo.name = QStringLiteral("logo.png");
  PlacedObject band;
  std::tie(band.left, band.top, band.width, band.height, band.z, band.locked) =
      std::tuple(0.0f, 500.0f, 1062.0f, 115.0f, 0, true);
  band.source = ShapeSource{qRgb(0, 0, 0), 0.0f, qRgb(0x12, 0x34, 0x56), 0.0f};
  PlacedObject later = band;
  later.kind = static_cast<ObjectKind>(77);
  later.z = 900;
  later.source = KeptSource{{1, 2, 3, 4}};
  card.objects = {later, band};
  const std::string project = Project(card);

  const test::ShellOutcome info = Run("info '" + project + "'");
  EXPECT_EQ(info.code, 0) << info.output;
  for (const char* listed :
       {"\"kind\": \"rectangle\",\n      \"added\": 1,\n      \"left\": 0,\n      \"top\": 500,",
        "\"locked\": true,\n      \"source\": {\n        \"stroke\": \"#000000\",\n        "
        "\"strokeWidth\": 0,\n        \"fill\": \"#123456\"",
        "\"kind\": \"logo\",\n      \"added\": null", "\"kind\": \"unknown\",\n      \"added\": 0",
        "\"keptBytes\": 4", "placed objects of a kind this version does not know"}) {
    EXPECT_TRUE(test::Says(info, listed));
  }
  EXPECT_LT(info.output.find("\"kind\": \"rectangle\""), info.output.find("\"kind\": \"logo\""));

  const std::string out = Scratch("card.png");
  const test::ShellOutcome drawn = Run("render '" + project + "' -o '" + out + "'");
  EXPECT_EQ(drawn.code, 0) << drawn.output;
  EXPECT_TRUE(test::Says(drawn, "1 placed objects of a kind this version does not know"));
  EXPECT_NE(Run("render '" + project + "' -o '" + out + "' --strict").code, 0);
}

// Full size, or divided, with the card's dpi; a file name is bytes, so one that is not UTF-8
// reaches the file as it was given.
TEST_F(ProjectCli, RendersFullSizeOrDividedWithTheCardsDpi) {
  CardState card;
  card.dpi = 600;
  card.lines[0].count = 1;
  card.lines[0].line[0] = QStringLiteral("Ferro & Figli");
  const std::string project = Project(card, "caf\xe9.tvc");
  const std::tuple<const char*, const char*, int, uint32_t, uint32_t> cases[] = {
      {"caf\xe9.png", "", kFormatPng, 1062, 615},
      {"small.img", " --format gif --ndiv 3", kFormatGif, 354, 205},
  };
  for (const auto& [file, options, format, width, height] : cases) {
    const test::ShellOutcome run =
        Run("render '" + project + "' -o '" + Scratch(file) + "'" + options);
    ASSERT_EQ(run.code, 0) << run.output;
    const RasterImage image(fs::path(Scratch(file)), kFormatUnknown);
    ASSERT_TRUE(image.IsValid()) << file;
    EXPECT_EQ(image.GetType(), format);
    EXPECT_EQ(image.GetWidth(), width);
    EXPECT_EQ(image.GetHeight(), height);
    EXPECT_EQ(image.GetXDpi(), format == kFormatPng ? 600 : 0);
  }
}

}  // namespace
}  // namespace tavolo
