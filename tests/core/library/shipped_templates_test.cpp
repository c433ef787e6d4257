#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <memory>

#include <QFontDatabase>

#include "core/card/LayoutTable.h"
#include "core/card/QrCodeChunk.h"
#include "core/card/QrCodeDrawing.h"
#include "core/card/QrContentText.h"
#include "core/imaging/RasterImage.h"
#include "core/library/BackgroundLibrary.h"
#include "core/library/TemplatePreview.h"
#include "core/library/TemplateTable.h"
#include "tests/core/card/RenderTestSupport.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;

// The templates the build makes beside the executables, read as the program reads them.
class ShippedTemplates : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    test::EnsureGuiApplication();
    ASSERT_TRUE(fs::exists(Folder() / "tmpl"))
        << "tmpl is missing from " << Folder() << ": build the templates target";
    backgrounds_ = std::make_unique<BackgroundTable>();
    ReadBGFileIn(*backgrounds_, Folder());
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
    EXPECT_TRUE(t.read.Ok()) << t.title << ": " << t.read.detail;
    ASSERT_FALSE(t.preview.isNull()) << t.title;
    EXPECT_LE(t.preview.width(), kPreviewCellWidth) << t.title;
    EXPECT_LE(t.preview.height(), kPreviewCellHeight) << t.title;
  }
}

TEST_F(ShippedTemplates, NameOnlyWhatThisInstallationHas) {
  ASSERT_GT(Count(), 0);
  const QStringList families = QFontDatabase::families();
  for (int i = 0; i < Count(); ++i) {
    const TemplateEntry& t = Entry(i);
    EXPECT_EQ(backgrounds_->Record(t.card.backgroundIndex).name, t.read.backgroundName)
        << t.title << ": its background is not in the library";
    for (int b = 0; b < t.card.boxCount; ++b) {
      const QString& face = t.card.styles[static_cast<size_t>(b)].face;
      EXPECT_TRUE(families.contains(face))
          << t.title << ": the font " << face.toStdString() << " is not installed";
    }
    for (const auto& [name, width, height] :
         {std::tuple{t.card.photo.name, t.card.photo.width, t.card.photo.height},
          {t.card.logo.name, t.card.logo.width, t.card.logo.height}}) {
      if (name.isEmpty()) continue;
      const RasterImage picture(Folder() / "customphotos" / name.toStdString(), kFormatUnknown);
      EXPECT_TRUE(picture.IsValid()) << t.title << ": " << name.toStdString();
      EXPECT_EQ(static_cast<float>(picture.GetWidth()), width) << t.title;
      EXPECT_EQ(static_cast<float>(picture.GetHeight()), height) << t.title;
    }
  }
}

// A QR code on a template encodes, with modules of at least 3 printed pixels (0.25 mm at 300 dpi).
TEST_F(ShippedTemplates, AtLeastSixCarryAQrCodeThatPrintsReadably) {
  int carried = 0;
  for (int i = 0; i < Count(); ++i) {
    const TemplateEntry& t = Entry(i);
    const std::optional<PlacedQrCode> code = QrCodeOf(t.card);
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

// The library replaces a template's lines by the user's eleven values as the layout distributes
// them, so every template holds such a distribution, every value filled.
TEST_F(ShippedTemplates, LinesAreTheirLayoutsDistributionOfElevenValues) {
  ASSERT_GT(Count(), 0);
  std::array<int, kLayoutCount> uses{};
  for (int i = 0; i < Count(); ++i) {
    const TemplateEntry& t = Entry(i);
    ASSERT_GE(t.card.layoutIndex, 0);
    ASSERT_LT(t.card.layoutIndex, kLayoutCount);
    ++uses[static_cast<size_t>(t.card.layoutIndex)];
    std::array<TextBoxLines, kTextBoxCount> expected{};
    EXPECT_EQ(t.card.boxCount,
              FieldDistribution(t.card.layoutIndex, DefaultNamedValues(), expected));
    for (int b = 0; b < t.card.boxCount; ++b) {
      const TextBoxLines& lines = t.card.lines[static_cast<size_t>(b)];
      EXPECT_EQ(lines.count, expected[static_cast<size_t>(b)].count) << t.title << " box " << b;
      for (int l = 0; l < lines.count; ++l) {
        EXPECT_FALSE(lines.line[static_cast<size_t>(l)].trimmed().isEmpty())
            << t.title << " box " << b << " line " << l;
      }
    }
  }
  for (int layoutIndex = 0; layoutIndex < kLayoutCount; ++layoutIndex) {
    EXPECT_GE(uses[static_cast<size_t>(layoutIndex)], 2) << LayoutName(layoutIndex).toStdString();
  }
}

}  // namespace
}  // namespace tavolo
