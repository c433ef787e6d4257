#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "core/formats/ProjectFile.h"
#include "core/imaging/RasterImage.h"
#include "core/library/TemplatePreview.h"
#include "core/library/TemplateTable.h"
#include "core/library/TemplateWriter.h"
#include "core/render/CardRenderer.h"
#include "tests/core/TestFolders.h"
#include "tests/core/formats/ProjectSamples.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// A card that the gradient paints pure blue all over, with one line of text.
CardState BlueCard() {
  CardState card;
  std::tie(card.gradOrientation, card.bgShift, card.backgroundColour, card.bgBrightness) =
      std::tuple(kGradTopToBottom, 1.0f, HslColour{160.0f, 240.0f, 0.0f}, 0.5f);
  card.lines[0] = KeptLines(QStringList{QStringLiteral("Blue")});
  return card;
}

TEST(TemplatePreviewSize, FitsTheCellLessItsMarginKeepingTheCardsProportions) {
  const std::tuple<float, float, QSize> cases[] = {
      {2124.0f, 1230.0f, {243, 141}},  // the default card's shape: as wide as the margins allow
      {615.0f, 1062.0f, {111, 191}},   // upright: as high as they allow
      {kNaN, 615.0f, {243, 141}},      // no usable size: the default card's proportions
  };
  for (const auto& [width, height, expected] : cases) {
    EXPECT_EQ(TemplatePreviewCardSize(width, height), expected) << width << " x " << height;
  }
}

TEST(TemplateTitle, RefusesEmptyNamesAndCharactersFilesCannotHold) {
  const std::vector<std::pair<QString, bool>> cases = {
      {QStringLiteral("Müller & Söhne, 2nd"), true},
      {QStringLiteral(""), false},
      {QStringLiteral("   "), false},
      {QStringLiteral(".."), false},
      {QStringLiteral("a/b"), false},
      {QStringLiteral("a:b"), false},
      {QStringLiteral("what?"), false},
      {QStringLiteral("tab\there"), false},
  };
  for (const auto& [title, ok] : cases) {
    EXPECT_EQ(CheckTemplateTitle(title).Ok(), ok) << title.toStdString();
  }
}

TEST(WriteTemplate, WritesACardThatReadsBackAndAPreviewTheLibraryLists) {
  test::EnsureGuiApplication();
  const test::TempFolder home;
  const BackgroundTable backgrounds = test::Table({"White"});
  CardRenderer renderer(&backgrounds, home / "customphotos");
  const CardState card = BlueCard();

  const Outcome<> written = WriteTemplate(home / "tmpl", QStringLiteral("Bäckerei Blau"), card,
                                          backgrounds, renderer, TemplateSave::kNew);
  ASSERT_TRUE(written.Ok()) << written.Message();
  CardState read;
  ASSERT_TRUE(ReadProject(home / "tmpl" / "Bäckerei Blau.tvt", read, backgrounds).Ok());
  EXPECT_EQ(read, card);

  TemplateTable table;
  const TemplateReload report = table.ReloadIn(home.Path(), backgrounds);
  EXPECT_TRUE(report.unopened.empty());
  ASSERT_EQ(table.Count(), 1);
  EXPECT_EQ(table.Entry(0).preview.size(), TemplatePreviewCardSize(1062.0f, 615.0f) +
                                               QSize(2 * kPreviewShadow, 2 * kPreviewShadow));

  const Outcome<> refused = WriteTemplate(home / "tmpl", QStringLiteral("a/b"), card, backgrounds,
                                          renderer, TemplateSave::kNew);
  EXPECT_FALSE(refused.Ok());
  EXPECT_FALSE(refused.Message().empty());
  EXPECT_FALSE(fs::exists(home / "tmpl" / "a"));
}

// A new template takes a title only when it is free as the card file is named; replacing one and
// failing to write a preview leave the folder as it was.
TEST(WriteTemplate, ANewTemplateNeverReplacesOneAndAFailedOneLeavesNoCardFile) {
  test::EnsureGuiApplication();
  const test::TempFolder home;
  const BackgroundTable backgrounds = test::Table({"White"});
  CardRenderer renderer(&backgrounds, home / "customphotos");
  const fs::path folder = home / "tmpl";
  const fs::path taken = TemplatePath(folder, QStringLiteral("Taken"));
  fs::create_directories(folder);
  test::WriteFileBytes(taken, {'o', 'l', 'd'});
  test::WriteFileBytes(TemplatePreviewPath(taken), {'o', 'l', 'd'});
  // A preview that cannot be written: a folder in its place.
  fs::create_directories(TemplatePreviewPath(TemplatePath(folder, QStringLiteral("Blocked"))));
  const std::tuple<const char*, TemplateSave, int, bool> cases[] = {
      {"Taken", TemplateSave::kNew, EEXIST, false},
      {"Blocked", TemplateSave::kNew, EISDIR, false},
      {"Blocked", TemplateSave::kReplace, EISDIR, false},
      {"Taken", TemplateSave::kReplace, 0, true},
  };
  for (const auto& [title, save, error, written] : cases) {
    const QString name = QString::fromUtf8(title);
    const Outcome<> saved = WriteTemplate(folder, name, BlueCard(), backgrounds, renderer, save);
    EXPECT_EQ(saved.Error(), error) << title << saved.Message();
    const fs::path path = TemplatePath(folder, name);
    if (name == u"Blocked") {
      EXPECT_FALSE(fs::exists(path)) << title;
      continue;
    }
    const std::vector<uint8_t> old = {'o', 'l', 'd'};
    EXPECT_EQ(test::ReadFileBytes(path) == old, !written);
    EXPECT_EQ(test::ReadFileBytes(TemplatePreviewPath(path)) == old, !written);
  }
}

}  // namespace
}  // namespace tavolo
