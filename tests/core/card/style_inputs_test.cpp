// What the text and background options offer and accept.
#include <gtest/gtest.h>

#include "core/card/StyleInputs.h"

namespace tavolo {
namespace {

TEST(StyleInputs, TheListsHoldTheirEntriesInOrder) {
  const QStringList sizes = FontSizeChoices();
  ASSERT_EQ(sizes.size(), 19);
  EXPECT_EQ(sizes.front(), "8");
  EXPECT_EQ(sizes[1], "12");
  EXPECT_EQ(sizes.back(), "80");
  EXPECT_EQ(FontStyleChoices(), (QStringList{"Regular", "Bold", "Italic", "Bold Italic"}));
  EXPECT_EQ(GradientOrientationChoices(),
            (QStringList{"Top to Bottom", "Left to Right", "Bottom to Top", "Right to Left"}));
}

TEST(StyleInputs, ATypedSizeCountsOnlyFromSixTo250) {
  const struct {
    const char* typed;
    const char* kept;  // null: nothing changes
  } cases[] = {
      {"5", nullptr},
      {"6", "6"},
      {"25", "25"},
      {"250", "250"},
      {"251", nullptr},
      {"07", "7"},
      {"+12", "12"},
      {"-12", nullptr},
      {"", nullptr},
      {"12pt", nullptr},
      {"1e2", nullptr},
      {" 40 ", "40"},
      {"99999999999", nullptr},
  };
  for (const auto& c : cases) {
    const std::optional<QString> size = TypedFontSize(QString::fromLatin1(c.typed));
    if (c.kept == nullptr) {
      EXPECT_FALSE(size.has_value()) << c.typed;
    } else {
      EXPECT_EQ(size.value_or("none"), QString::fromLatin1(c.kept)) << c.typed;
    }
  }
}

TEST(StyleInputs, BlackAndWhiteSwatchesBringTheirBrightnessAndOthersAHalf) {
  EXPECT_EQ(SwatchBrightness({0, 0, 0}), 0.0f);
  EXPECT_EQ(SwatchBrightness({0, 240, 240}), 1.0f);
  EXPECT_EQ(SwatchBrightness({139.4f, 240, 120}), 0.5f);
  EXPECT_EQ(SwatchBrightness({0, 0, 239.9f}), 0.5f);
}

}  // namespace
}  // namespace tavolo
