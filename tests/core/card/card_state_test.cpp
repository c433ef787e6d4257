#include <gtest/gtest.h>

#include "core/card/CardState.h"

namespace tavolo {
namespace {

TEST(CardState, DefaultsDescribeAPlainFullSizeCard) {
  const CardState s;
  EXPECT_EQ(s.cardWidth, 1062.0f);
  EXPECT_EQ(s.cardHeight, 615.0f);
  EXPECT_EQ(s.dpi, 300);
  EXPECT_EQ(s.widthUnit, 3);
  EXPECT_EQ(s.heightUnit, 3);
  EXPECT_EQ(s.bgColor, (HslColor{0, 240, 240}));
  EXPECT_EQ(s.bgBrightness, 1.0f);
  EXPECT_EQ(s.photo.x, 500.0f);
  EXPECT_EQ(s.logo.y, 300.0f);
  EXPECT_EQ(s.picSize, 0.5f);
  for (const TextBoxStyle& style : s.styles) {
    EXPECT_EQ(style.size, QStringLiteral("36"));
    EXPECT_EQ(style.face, QStringLiteral("Arial"));
    EXPECT_EQ(style.style, QStringLiteral("Regular"));
    EXPECT_EQ(style.frameSize, 8);
    EXPECT_EQ(style.brightness, 1.0f);
  }
}

TEST(CardState, CopiesAreDeep) {
  CardState a;
  for (int b = 0; b < kTextBoxCount; ++b) {
    a.lines[b].count = kMaxLinesPerBox;
    for (int i = 0; i < kMaxLinesPerBox; ++i) a.lines[b].line[i] = QString("b%1 l%2").arg(b).arg(i);
    a.styles[b].face = QString("Face %1").arg(b);
  }
  a.picPath = "pic";
  a.photo.name = "photo.png";
  a.photo.path = "/x/photo.png";
  a.logo.name = "logo.png";
  a.logo.path = "/x/logo.png";
  a.hueShift = 0.25f;

  CardState b = a;
  EXPECT_EQ(a, b);
  b.lines[4].line[19] = "changed";
  b.styles[2].size = "99";
  b.picPath = "other";
  b.photo.name = "other.png";
  b.logo.path = "/y";
  b.hueShift = 0.5f;
  EXPECT_EQ(a.lines[4].line[19], QStringLiteral("b4 l19"));
  EXPECT_EQ(a.styles[2].size, QStringLiteral("36"));
  EXPECT_EQ(a.picPath, QStringLiteral("pic"));
  EXPECT_EQ(a.photo.name, QStringLiteral("photo.png"));
  EXPECT_EQ(a.logo.path, QStringLiteral("/x/logo.png"));
  EXPECT_EQ(a.hueShift, 0.25f);
}

TEST(CardState, BlankProjectResetsStylesAndGradientOnly) {
  CardState s;
  s.styles[3].face = "Georgia";
  s.styles[3].frameMode = kFrameCardLong;
  s.styles[3].brightness = 0.7f;
  s.bgShift = 0.4f;
  s.gradOrientation = kGradRightToLeft;
  s.bgBrightness = 0.2f;
  s.hueShift = 0.3f;
  s.lnmb = 6;
  s.lines[0].line[0] = "kept";
  ResetForBlankProject(s);
  EXPECT_EQ(s.styles[3].face, QStringLiteral("Arial"));
  EXPECT_EQ(s.styles[3].frameMode, kFrameNone);
  EXPECT_EQ(s.styles[3].brightness, 0.0f);
  EXPECT_EQ(s.styles[0].fillColor, (HslColor{0, 240, 240}));
  EXPECT_EQ(s.bgShift, 0.0f);
  EXPECT_EQ(s.gradOrientation, kGradTopToBottom);
  EXPECT_EQ(s.bgBrightness, 1.0f);
  EXPECT_EQ(s.hueShift, 0.3f);
  EXPECT_EQ(s.lnmb, 6);
  EXPECT_EQ(s.lines[0].line[0], QStringLiteral("kept"));
}

}  // namespace
}  // namespace tavolo
