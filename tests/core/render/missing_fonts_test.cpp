// Faces a card names that are not installed: each named once, with the face drawn instead; a face
// drawn in its metric twin counts as installed.
#include <gtest/gtest.h>

#include "core/render/MissingFonts.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {
namespace {

TEST(MissingFonts, EachFaceNotInstalledIsNamedOnceWithTheFaceDrawnInItsPlace) {
  test::EnsureGuiApplication();
  CardState card;
  card.boxCount = 4;
  card.styles[0].face = QStringLiteral("Zinden Hill");
  card.styles[1].face = QStringLiteral("DejaVu Sans");
  card.styles[2].face = QStringLiteral("Arial");        // drawn as Liberation Sans, its metric twin
  card.styles[4].face = QStringLiteral("Unused Face");  // past the box count
  CardState back = card;
  back.styles[3].face = QStringLiteral("Zinden Hill");
  back.styles[1].face = QStringLiteral("Other Missing");
  card.back = CardBack(back);

  EXPECT_TRUE(FaceInstalled(QStringLiteral("dejavu sans")));
  EXPECT_TRUE(FaceInstalled(QStringLiteral("Arial")));
  const std::vector<MissingFace> missing = MissingFaces(card);
  ASSERT_EQ(missing.size(), 2u);
  EXPECT_EQ(missing[0].face, "Zinden Hill");
  EXPECT_EQ(missing[1].face, "Other Missing");
  EXPECT_FALSE(missing[0].standIn.isEmpty());
  EXPECT_TRUE(FaceInstalled(missing[0].standIn));
  EXPECT_EQ(MissingFaces(card, false).size(), 1u);
  EXPECT_FALSE(MissingFaceOf(card, 4).has_value());
  EXPECT_TRUE(MissingFaceOf(card, 0).has_value());
}

}  // namespace
}  // namespace tavolo
