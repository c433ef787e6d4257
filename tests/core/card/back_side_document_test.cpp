// The card document with a back: switching the back on and off, showing either face for editing,
// and one history for both faces.
#include <gtest/gtest.h>

#include "core/card/CardDocument.h"
#include "tests/core/card/RenderTestSupport.h"

namespace tavolo {
namespace {

struct TwoSidedSession {
  TwoSidedSession() {
    test::EnsureGuiApplication();
    doc.SetListener({[this] { Rebuild(); }, {}});
    doc.Start(nullptr);
  }
  // The editors hand back each new box's lines, as the main window's do.
  void Rebuild() {
    const CardState& live = doc.Live();
    for (int b = 0; b < live.boxCount; ++b) {
      QStringList lines;
      for (int i = 0; i < live.lines[b].count; ++i) lines << live.lines[b].line[i];
      doc.SetBoxLines(b, lines);
    }
  }
  void Type(int box, const QString& line) { doc.SetBoxLines(box, {line}); }
  CardDocument doc{nullptr, {}};
};

TEST(BackSideDocument, TheBackIsEditedApartFromTheFrontAndBothShareOneHistory) {
  TwoSidedSession s;
  s.Type(0, QStringLiteral("Front text"));
  ASSERT_TRUE(s.doc.SetBackSide(true));
  EXPECT_EQ(s.doc.ShownFace(), CardFace::kBack);
  EXPECT_TRUE(s.doc.HasBack());
  // The back starts as a copy of the front.
  EXPECT_EQ(s.doc.Live().lines[0].line[0], QStringLiteral("Front text"));

  s.Type(0, QStringLiteral("Back text"));
  CardState live = s.doc.Live();
  live.backgroundIndex = 0;
  live.cardWidth = 900.0f;  // Card Properties on the back sizes both faces
  s.doc.SetLive(live);
  s.doc.RecordEdit();

  const CardState card = s.doc.Card();
  EXPECT_EQ(card.lines[0].line[0], QStringLiteral("Front text"));
  ASSERT_TRUE(card.back.Has());
  EXPECT_EQ(card.back.Face().lines[0].line[0], QStringLiteral("Back text"));
  EXPECT_EQ(card.back.Face().backgroundIndex, 0);
  EXPECT_EQ(card.cardWidth, 900.0f);
  EXPECT_EQ(s.doc.History().Slot(s.doc.History().Current()), card);

  // Showing the front records nothing and edits the front.
  const int steps = s.doc.History().UndoCount();
  ASSERT_TRUE(s.doc.ShowFace(CardFace::kFront));
  EXPECT_EQ(s.doc.History().UndoCount(), steps);
  EXPECT_EQ(s.doc.Live().lines[0].line[0], QStringLiteral("Front text"));
  EXPECT_EQ(s.doc.Card(), card);
  EXPECT_FALSE(s.doc.ShowFace(CardFace::kFront));

  // Undo walks back through both faces' steps; past the switch-on the card is one-sided again
  // and the front is shown.
  ASSERT_TRUE(s.doc.ShowFace(CardFace::kBack));
  ASSERT_TRUE(s.doc.Undo());
  EXPECT_EQ(s.doc.ShownFace(), CardFace::kBack);
  EXPECT_EQ(s.doc.Live().lines[0].line[0], QStringLiteral("Back text"));
  EXPECT_EQ(s.doc.Live().backgroundIndex, 1);
  ASSERT_TRUE(s.doc.Undo());
  ASSERT_TRUE(s.doc.Undo());
  EXPECT_FALSE(s.doc.HasBack());
  EXPECT_EQ(s.doc.ShownFace(), CardFace::kFront);
  EXPECT_EQ(s.doc.Live().lines[0].line[0], QStringLiteral("Front text"));
  EXPECT_FALSE(s.doc.ShowFace(CardFace::kBack));
  ASSERT_TRUE(s.doc.Redo());
  EXPECT_TRUE(s.doc.HasBack());

  // Switching the back off is one step, and New Blank Project leaves a one-sided card.
  ASSERT_TRUE(s.doc.SetBackSide(false));
  EXPECT_FALSE(s.doc.Card().back.Has());
  ASSERT_TRUE(s.doc.Undo());
  EXPECT_TRUE(s.doc.HasBack());
  s.doc.NewBlankProject();
  EXPECT_FALSE(s.doc.HasBack());
  EXPECT_EQ(s.doc.ShownFace(), CardFace::kFront);
}

}  // namespace
}  // namespace tavolo
