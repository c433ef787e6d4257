#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "core/card/QrCodeChunk.h"
#include "core/card/QrCodeDrawing.h"
#include "core/card/QrContentText.h"
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

}  // namespace
}  // namespace tavolo
