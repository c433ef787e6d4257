#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/card/BackgroundTable.h"
#include "core/formats/ProjectFile.h"
#include "core/imaging/RasterImage.h"
#include "core/library/TemplateTable.h"
#include "tests/core/TestFolders.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;

using test::TempFolder;

BackgroundTable OneBackground() {
  BackgroundTable table;
  RasterImage image;
  image.Create(2, 2, 24, kFormatBmp);
  table.Append(MakeBackgroundName("Plain"), image, 0.0f);
  return table;
}

// A card that says which file it came from in its first line.
CardState CardTitled(const std::string& title) {
  CardState card;
  card.lines[0].line[0] = QString::fromStdString(title);
  card.lines[0].count = 1;
  return card;
}

std::vector<uint8_t> PngBytes(uint32_t width, uint32_t height) {
  RasterImage image;
  image.Create(width, height, 24, kFormatBmp);
  std::vector<uint8_t> png;
  EXPECT_TRUE(image.Encode(png, kFormatPng)) << image.GetLastError();
  return png;
}

class TemplateTableTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directory(tmpl_); }

  // TITLE.tvt holding a card titled TITLE, with a 3 × 2 preview unless `preview` is false.
  void AddTemplate(const std::string& title, bool preview = true) {
    const fs::path path = tmpl_ / (title + ".tvt");
    ASSERT_TRUE(test::WriteFileBytes(path, SerializeProject(CardTitled(title), backgrounds_)));
    if (preview) {
      ASSERT_TRUE(test::WriteFileBytes(TemplatePreviewPath(path), PngBytes(3, 2)));
    }
  }

  std::vector<std::string> Titles() const {
    std::vector<std::string> titles;
    for (int i = 0; i < table_.Count(); ++i) {
      const TemplateEntry& entry = table_.Entry(i);
      EXPECT_EQ(entry.card.lines[0].line[0].toStdString(), entry.title);
      titles.push_back(entry.title);
    }
    return titles;
  }

  TempFolder home_;
  fs::path tmpl_ = home_ / "tmpl";
  BackgroundTable backgrounds_ = OneBackground();
  TemplateTable table_;
};

TEST_F(TemplateTableTest, ListsOnlyTvtFilesByTitleBytesWithCaseAndAMissingFolderAsEmpty) {
  for (const char* title : {"zeta", "b", "Zeta", "_under", "a", "9lives", "A"}) AddTemplate(title);
  ASSERT_TRUE(
      test::WriteFileBytes(tmpl_ / "upper.TVT", SerializeProject(CardState{}, backgrounds_)));
  ASSERT_TRUE(test::WriteFileBytes(tmpl_ / "notes.txt", {1, 2, 3}));
  fs::create_directory(tmpl_ / "folder.tvt");
  TemplateReload report = table_.ReloadIn(home_.Path(), backgrounds_);
  EXPECT_EQ(Titles(),
            (std::vector<std::string>{"9lives", "A", "Zeta", "_under", "a", "b", "zeta"}));
  EXPECT_TRUE(report.unopened.empty());
  EXPECT_EQ(report.ignored, 0);

  report = table_.ReloadIn(home_ / "elsewhere", backgrounds_);
  EXPECT_EQ(table_.Count(), 0);
  EXPECT_TRUE(report.unopened.empty());
}

// A preview that cannot be loaded is reported and its template kept; a card that cannot be read
// is reported and left out, but one of another version is listed.
TEST_F(TemplateTableTest, WhatCannotBeReadIsReportedOnce) {
  AddTemplate("a missing", false);
  AddTemplate("b broken");
  ASSERT_TRUE(test::WriteFileBytes(tmpl_ / "b broken.tvp", {0x89, 'P', 'N', 'G'}));
  AddTemplate("b huge");  // more pixels than a cell: refused before it is decoded
  ASSERT_TRUE(test::WriteFileBytes(tmpl_ / "b huge.tvp", PngBytes(300, 300)));
  AddTemplate("b long");  // few pixels, but longer than the cell: kept at the cell's size
  ASSERT_TRUE(test::WriteFileBytes(tmpl_ / "b long.tvp", PngBytes(2670, 10)));
  AddTemplate("c good");
  AddTemplate("cut");
  std::vector<uint8_t> bytes = SerializeProject(CardTitled("cut"), backgrounds_);
  bytes.resize(bytes.size() / 2);
  ASSERT_TRUE(test::WriteFileBytes(tmpl_ / "cut.tvt", bytes));
  AddTemplate("old");
  bytes = SerializeProject(CardTitled("old"), backgrounds_);
  bytes[4] = 7;  // the first style's sub-version
  ASSERT_TRUE(test::WriteFileBytes(tmpl_ / "old.tvt", bytes));
  const TemplateReload report = table_.ReloadIn(home_.Path(), backgrounds_);

  ASSERT_EQ(table_.Count(), 6);  // the version mismatch read no lines
  const char* titles[] = {"a missing", "b broken", "b huge", "b long", "c good", "old"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(table_.Entry(i).title, titles[i]);
  EXPECT_TRUE(table_.Entry(0).preview.isNull());
  EXPECT_TRUE(table_.Entry(1).preview.isNull());
  EXPECT_TRUE(table_.Entry(2).preview.isNull());
  EXPECT_EQ(table_.Entry(3).preview.size(), QSize(267, 1));
  EXPECT_EQ(table_.Entry(4).preview.size(), QSize(3, 2));
  EXPECT_EQ(table_.Entry(5).read.result, ProjectResult::kVersionMismatch);
  const std::vector<fs::path> unopened = {tmpl_ / "a missing.tvp", tmpl_ / "b broken.tvp",
                                          tmpl_ / "b huge.tvp", tmpl_ / "cut.tvt"};
  EXPECT_EQ(report.unopened, unopened);
  // All in one message, not one box each.
  std::string listed = "Files could not be opened:";
  for (const fs::path& path : unopened) listed += "\n" + path.string();
  EXPECT_EQ(report.Messages(), std::vector<std::string>{listed});
  TemplateReload one;
  one.unopened = {unopened[0]};
  EXPECT_EQ(one.Messages(),
            std::vector<std::string>{"File could not be opened: " + unopened[0].string()});
}

TEST_F(TemplateTableTest, ListsTheFirstThousandInTitleOrder) {
  constexpr int kFiles = kMaxTemplates + 3;
  const std::vector<uint8_t> bytes = SerializeProject(CardState{}, backgrounds_);
  for (int i = kFiles - 1; i >= 0; --i) {
    char title[16];
    std::snprintf(title, sizeof title, "t%04d", i);
    ASSERT_TRUE(test::WriteFileBytes(tmpl_ / (std::string(title) + ".tvt"), bytes));
  }
  const TemplateReload report = table_.ReloadIn(home_.Path(), backgrounds_);
  ASSERT_EQ(table_.Count(), kMaxTemplates);
  EXPECT_EQ(report.ignored, 3);
  EXPECT_EQ(table_.Entry(0).title, "t0000");
  EXPECT_EQ(table_.Entry(kMaxTemplates - 1).title, "t0999");
  EXPECT_EQ(report.unopened.size(), static_cast<size_t>(kMaxTemplates));  // no previews at all
  // The missing previews are one message, the templates left out another.
  ASSERT_EQ(report.Messages().size(), 2u);
  EXPECT_TRUE(report.Messages()[0].ends_with("\nand 980 more.")) << report.Messages()[0];
  EXPECT_TRUE(report.Messages()[1].starts_with("Only the first 1000 templates are listed; 3 more"))
      << report.Messages()[1];
}

}  // namespace
}  // namespace tavolo
