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
  card.styles[1].face = QStringLiteral("dejavu sans");
  card.styles[2].face = QStringLiteral("Arial");        // drawn as Liberation Sans, its metric twin
  card.styles[4].face = QStringLiteral("Unused Face");  // past the box count
  CardState back = card;
  back.styles[3].face = QStringLiteral("Zinden Hill");
  back.styles[1].face = QStringLiteral("Other Missing");
  card.back = CardBack(back);

  const std::vector<MissingFace> missing = MissingFaces(card);
  ASSERT_EQ(missing.size(), 2u);
  EXPECT_EQ(missing[0].face + missing[1].face, "Zinden HillOther Missing");
  EXPECT_TRUE(FaceInstalled(missing[0].standIn)) << missing[0].standIn.toStdString();
  EXPECT_EQ(MissingFaces(card, false).size(), 1u);
}

}  // namespace
}  // namespace tavolo
