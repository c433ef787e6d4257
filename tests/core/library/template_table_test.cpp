#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include <QRawFont>
#include <QTextLayout>

#include "core/card/BackgroundTable.h"
#include "core/card/ClearGround.h"
#include "core/card/LayoutTable.h"
#include "core/card/ShrinkToFit.h"
#include "core/card/TemplateLabels.h"
#include "core/document/CardDocument.h"
#include "core/editing/CardSize.h"
#include "core/editing/SnapCandidates.h"
#include "core/formats/ProjectFile.h"
#include "core/library/BackgroundLibrary.h"
#include "core/library/TemplatePreview.h"
#include "core/library/TemplateTable.h"
#include "core/qr/QrCodeDrawing.h"
#include "core/qr/QrContentText.h"
#include "core/render/TextBoxLayout.h"
#include "tests/core/TestFolders.h"
#include "tests/core/formats/ProjectSamples.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;

using test::TempFolder;

// A card that says which file it came from in its first line.
CardState CardTitled(const std::string& title) {
  CardState card;
  card.lines[0] = KeptLines(QStringList{QString::fromStdString(title)});
  return card;
}

// A black PNG file of width × height pixels.
std::vector<uint8_t> PngBytes(int width, int height) {
  return test::PngFile(width, height, [](int, int) { return 0xFF000000u; });
}

class TemplateTableTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directory(tmpl_); }

  // TITLE.tvt holding a card titled TITLE, with a preview of those bytes unless there are none.
  void AddTemplate(const std::string& title,
                   const std::optional<std::vector<uint8_t>>& preview = PngBytes(3, 2)) {
    const fs::path path = tmpl_ / (title + ".tvt");
    ASSERT_TRUE(test::WriteFileBytes(path, SerializeProject(CardTitled(title), backgrounds_)));
    if (preview) {
      ASSERT_TRUE(test::WriteFileBytes(TemplatePreviewPath(path), *preview));
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
  BackgroundTable backgrounds_ = test::Table({"Plain"});
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
  AddTemplate("a missing", std::nullopt);
  AddTemplate("b broken", std::vector<uint8_t>{0x89, 'P', 'N', 'G'});
  // More pixels than a cell: refused before it is decoded; few pixels, but longer than the cell:
  // kept at the cell's size.
  AddTemplate("b huge", PngBytes(300, 300));
  AddTemplate("b long", PngBytes(2670, 10));
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

  // The version mismatch read no lines; a preview that is not shown is null, of size 0 × 0.
  const std::pair<std::string, QSize> shown[] = {{"a missing", {0, 0}}, {"b broken", {0, 0}},
                                                 {"b huge", {0, 0}},    {"b long", {267, 1}},
                                                 {"c good", {3, 2}},    {"old", {3, 2}}};
  ASSERT_EQ(table_.Count(), 6);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(std::pair(table_.Entry(i).title, table_.Entry(i).preview.size()), shown[i]);
  }
  EXPECT_TRUE(table_.Entry(5).laterVersion);
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

// The templates the build makes beside the executables, read as the program reads them.
class ShippedTemplates : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    test::EnsureGuiApplication();
    ASSERT_TRUE(fs::exists(Folder() / "tmpl"))
        << "tmpl is missing from " << Folder() << ": build the templates target";
    backgrounds_ = std::make_unique<BackgroundTable>();
    EXPECT_TRUE(ReadBGFileIn(*backgrounds_, Folder()));
    templates_ = std::make_unique<TemplateTable>();
    reload_ = templates_->ReloadIn(Folder(), *backgrounds_);
  }
  static void TearDownTestSuite() {
    templates_.reset();
    backgrounds_.reset();
  }
  static fs::path Folder() { return TAVOLO_BIN_DIR; }
  static int Count() { return templates_ ? templates_->Count() : 0; }
  static const TemplateEntry& Entry(int i) { return templates_->Entry(i); }

  static inline std::unique_ptr<BackgroundTable> backgrounds_;
  static inline std::unique_ptr<TemplateTable> templates_;
  static inline TemplateReload reload_;
};

TEST_F(ShippedTemplates, AtLeastTwentyFourReadBackWithTheirPreviews) {
  EXPECT_GE(Count(), 24);
  EXPECT_TRUE(reload_.unopened.empty()) << reload_.Messages().front();
  for (int i = 0; i < Count(); ++i) {
    const TemplateEntry& t = Entry(i);
    EXPECT_FALSE(t.laterVersion) << t.title;
    ASSERT_FALSE(t.preview.isNull()) << t.title;
    EXPECT_LE(t.preview.width(), kPreviewCellWidth) << t.title;
    EXPECT_LE(t.preview.height(), kPreviewCellHeight) << t.title;
  }
}

// Every card the program ships, templates and samples, writes back byte for byte as it was read.
TEST_F(ShippedTemplates, ShippedCardsWriteBackByteForByte) {
  int cards = 0;
  for (const fs::path& folder : {Folder() / "tmpl", Folder() / "samples"}) {
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
      const std::string extension = entry.path().extension().string();
      if (extension != ".tvt" && extension != ".tvc") continue;
      const std::vector<uint8_t> bytes = test::ReadFileBytes(entry.path());
      CardState read;
      const ProjectReading result = ReadProject(bytes, read, *backgrounds_);
      EXPECT_TRUE(result.Ok() && result.Value().extensionProblem.empty()) << entry.path();
      EXPECT_EQ(SerializeProject(read, *backgrounds_), bytes) << entry.path();
      ++cards;
    }
  }
  EXPECT_EQ(cards, Count() + 2);
}

// A QR code on a template encodes, with modules of at least 3 printed pixels (0.25 mm at 300 dpi).
TEST_F(ShippedTemplates, AtLeastSixCarryAQrCodeThatPrintsReadably) {
  int carried = 0;
  for (int i = 0; i < Count(); ++i) {
    const TemplateEntry& t = Entry(i);
    const std::optional<PlacedQrCode>& code = t.card.qrCode;
    if (!code) continue;
    ++carried;
    const Outcome<QString> text = QrContentText(t.card, *code);
    ASSERT_TRUE(text.Ok()) << t.title << ": " << text.Message();
    const Outcome<QrSymbol> symbol = EncodeQrSymbol(text.Value());
    ASSERT_TRUE(symbol.Ok()) << t.title << ": " << symbol.Message();
    EXPECT_GE(QrModulesIn(QrCodeArea(*code, 1), symbol.Value().Span()).modulePixels, 3) << t.title;
  }
  EXPECT_GE(carried, 6);
}

// What you pick is what you get: typing a template's sample numbers without their labels makes
// the very card its preview shows.
TEST_F(ShippedTemplates, TheCardFromATemplateIsItsPreviewWithTheTypedDetails) {
  const auto render = [](CardRenderer& renderer, const CardState& card) {
    const int divisor = PrintSizeDivisor(card.cardWidth, card.cardHeight);
    return renderer.Render(card, divisor, static_cast<int>(card.cardWidth) / divisor,
                           static_cast<int>(card.cardHeight) / divisor);
  };
  int labelled = 0;
  for (int i = 0; i < Count(); ++i) {
    const TemplateEntry& t = Entry(i);
    const ContactDetails sample = ContactDetailsOf(t.card);
    ContactDetails typed = sample;
    for (QString& value : typed) {
      const QString label = NumberLabelOf(value);
      if (!label.isEmpty()) value = value.mid(label.size() + 1);
    }
    labelled += typed != sample;
    CardDocument same(backgrounds_.get(), Folder() / "customphotos");
    same.PresetDetails(typed);
    same.Start(&t.card);
    const QImage expected = render(same.Renderer(), t.card);
    ASSERT_FALSE(expected.isNull()) << t.title;
    EXPECT_EQ(render(same.Renderer(), same.Card()), expected) << t.title;
  }
  EXPECT_GE(labelled, 20);
}

// A layout's glyph meets an added object only where it stands on it: inside a filled rectangle or
// ellipse, or inside the outline of one drawn as an outline.
bool GlyphClearOf(const QRectF& glyph, const PlacedObject& object) {
  const QRectF footprint = Footprint(object);
  if (!glyph.intersects(footprint)) return true;
  const auto* shape = std::get_if<ShapeSource>(&object.source);
  if (shape == nullptr || object.kind == ObjectKind::kLine) return false;
  const qreal stroke = shape->strokeWidth;
  return (shape->fill ? footprint : footprint.adjusted(stroke, stroke, -stroke, -stroke))
      .contains(glyph);
}

// Six templates or more place things freely: every added kind is shown, each added text box fits
// its lines and stands inside the safe margin, clear of the pictures.
TEST_F(ShippedTemplates, AtLeastSixPlaceThingsFreelyAndTheirTextBoxesFit) {
  int placing = 0;
  std::set<ObjectKind> kinds;
  for (int i = 0; i < Count(); ++i) {
    const CardState& card = Entry(i).card;
    placing += !card.objects.empty();
    const float margin = SafeMarginPixels(card.dpi);
    const QRectF safe(margin, margin, card.cardWidth - 2 * margin, card.cardHeight - 2 * margin);
    for (const PlacedObject& object : card.objects) {
      kinds.insert(object.kind);
      const auto* text = std::get_if<TextSource>(&object.source);
      if (text == nullptr) continue;
      EXPECT_TRUE(safe.contains(Footprint(object))) << Entry(i).title;
      const TextBoxLayout layout = LayOutFreeText(card, *text, static_cast<int>(object.width),
                                                  static_cast<int>(object.height));
      EXPECT_LE(layout.blockHeight, object.height) << Entry(i).title;
      for (const LaidOutLine& line : layout.lines) {
        EXPECT_FALSE(line.tooWide) << Entry(i).title << ": " << line.text.toStdString();
      }
      for (const PixelRect& p : PictureAreas(card)) {
        EXPECT_FALSE(
            Footprint(object).intersects(QRectF(p.left, p.top, p.right - p.left, p.bottom - p.top)))
            << Entry(i).title;
      }
    }
  }
  EXPECT_GE(placing, 6);
  EXPECT_EQ(kinds, (std::set{ObjectKind::kTextBox, ObjectKind::kLine, ObjectKind::kRectangle,
                             ObjectKind::kEllipse}));
}

// The box of every glyph a laid-out line draws, on the card at full size.
std::vector<QRectF> GlyphBoxes(const TextBoxLayout& layout, const LaidOutLine& line, PixelRect card,
                               const PlacementRow& row) {
  QTextLayout shaped(line.text, line.font);
  shaped.beginLayout();
  const QTextLine text = shaped.createLine();
  shaped.endLayout();
  const PixelRect at = LineArea(layout, line, card, row.align, row.angle);
  std::vector<QRectF> boxes;
  for (const QGlyphRun& run : shaped.glyphRuns()) {
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> places = run.positions();
    for (qsizetype g = 0; g < glyphs.size(); ++g) {
      const QRectF ink = run.rawFont().boundingRect(glyphs[g]).translated(places[g]);
      if (ink.isEmpty()) continue;
      if (row.angle == 0) {
        boxes.push_back(ink.translated(at.left, line.top + line.drop));
      } else {  // turned a quarter to the left about the line's start
        const qreal down = line.baseline - text.ascent();
        boxes.emplace_back(QPointF(line.top + down + ink.top(), at.bottom - ink.right()),
                           QPointF(line.top + down + ink.bottom(), at.bottom - ink.left()));
      }
    }
  }
  return boxes;
}

// With the longest details a template must take, shrunk to fit as a card made from it is, every
// glyph lies in its box's clear area, off every picture, off every added object it does not stand
// on and off every other box's glyphs.
TEST_F(ShippedTemplates, TheLongestDetailsStayOnClearGround) {
  ContactDetails details = DefaultContactDetails();
  details[0] = QStringLiteral("Northfield Property and Development Group Ltd");
  details[1] = QStringLiteral("Maximilian Alexandra Katharina Lindqvist-Montgomery Oberhaus");
  details[7] = QStringLiteral("kl.lindqvist-montgomery@northfieldpg.com");
  for (int i = 0; i < Count(); ++i) {
    CardState card = Entry(i).card;
    const std::string& title = Entry(i).title;
    ASSERT_TRUE(ClearGroundHolds(card)) << title;
    card.boxCount = FieldDistribution(card.layoutIndex, details, card.lines);
    ShrinkNewCardToFit(card);
    const PixelRect whole{0, 0, static_cast<int>(card.cardWidth),
                          static_cast<int>(card.cardHeight)};
    const std::span<const PlacementRow> rows = PlacementRows(card.layoutIndex);
    const auto layouts = LayOutCardText(card, whole);
    std::vector<std::vector<QRectF>> glyphs(rows.size());
    for (size_t r = 0; r < rows.size(); ++r) {
      const std::optional<PixelRect> clear = ClearAreaOf(card, rows[r].box);
      ASSERT_TRUE(layouts[r] && clear) << title << " box " << rows[r].box + 1;
      const QRectF allowed(clear->left, clear->top, clear->right - clear->left,
                           clear->bottom - clear->top);
      for (const LaidOutLine& line : layouts[r]->lines) {
        for (const QRectF& glyph : GlyphBoxes(*layouts[r], line, whole, rows[r])) {
          EXPECT_TRUE(allowed.contains(glyph))
              << title << ": " << line.text.toStdString() << " leaves its clear area "
              << glyph.left() << "," << glyph.top() << "," << glyph.right() << "," << glyph.bottom()
              << " in " << clear->left << "," << clear->top << "," << clear->right << ","
              << clear->bottom;
          for (const PixelRect& p : PictureAreas(card)) {
            EXPECT_FALSE(
                glyph.intersects(QRectF(p.left, p.top, p.right - p.left, p.bottom - p.top)))
                << title << ": " << line.text.toStdString() << " runs into a picture";
          }
          for (const PlacedObject& object : card.objects) {
            EXPECT_TRUE(GlyphClearOf(glyph, object)) << title << ": " << line.text.toStdString()
                                                     << " runs into the " << KindName(object.kind);
          }
          glyphs[r].push_back(glyph);
        }
      }
    }
    for (size_t a = 0; a < rows.size(); ++a) {
      for (size_t b = a + 1; b < rows.size(); ++b) {
        for (const QRectF& one : glyphs[a]) {
          for (const QRectF& other : glyphs[b]) {
            ASSERT_FALSE(one.intersects(other))
                << title << ": boxes " << rows[a].box + 1 << " and " << rows[b].box + 1 << " meet";
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace tavolo
