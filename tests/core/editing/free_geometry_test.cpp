// Placing objects freely: dragging a handle or a whole object (the rectangle it gives and the guide
// lines it snaps to), and the Arrange menu's align, distribute, nudge and stacking order.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <tuple>
#include <vector>

#include "core/editing/ObjectArrangement.h"
#include "core/editing/SnapGuides.h"

namespace tavolo {

namespace {

// Boxes compared within a thousandth of a pixel.
testing::AssertionResult SameRect(const CardRect& a, const CardRect& b) {
  const auto near = [](float x, float y) { return std::abs(x - y) < 1e-3f; };
  if (near(a.left, b.left) && near(a.top, b.top) && near(a.width, b.width) &&
      near(a.height, b.height))
    return testing::AssertionSuccess();
  return testing::AssertionFailure()
         << a.left << " " << a.top << " " << a.width << " " << a.height << " is not " << b.left
         << " " << b.top << " " << b.width << " " << b.height;
}

using H = ResizeHandle;

TEST(ResizeHandles, AHandleMovesItsEdgesKeepsTheOppositeOnesAndNeverFlipsOrShrinksBelowTheMinimum) {
  const CardRect box{100, 100, 200, 100};  // aspect 2:1
  const std::tuple<CardRect, H, float, float, Aspect, CardRect> cases[] = {
      {box, H::kBottomRight, 50, 20, Aspect::kFree, {100, 100, 250, 120}},
      {box, H::kTopLeft, 30, 10, Aspect::kFree, {130, 110, 170, 90}},
      {box, H::kLeft, 300, 0, Aspect::kFree, {296, 100, 4, 100}},
      // The larger move relative to the side wins; the opposite corner stays.
      {box, H::kBottomRight, 100, 10, Aspect::kKept, {100, 100, 300, 150}},
      {box, H::kBottomRight, 20, 50, Aspect::kKept, {100, 100, 300, 150}},
      {box, H::kTopLeft, 100, 10, Aspect::kKept, {200, 150, 100, 50}},
      // An edge handle grows the other side about its centre line.
      {box, H::kRight, 100, 37, Aspect::kKept, {100, 75, 300, 150}},
      {box, H::kBottomRight, -500, -500, Aspect::kKept, {100, 100, 8, 4}},
      // A rule line has no height to keep an aspect with; a side already below the minimum stays.
      {{100, 100, 200, 2}, H::kTopRight, 50, -1, Aspect::kKept, {100, 99, 250, 3}},
      {{100, 100, 200, 2}, H::kBottomRight, -10, -10, Aspect::kFree, {100, 100, 190, 2}},
  };
  for (const auto& [start, handle, dx, dy, aspect, expected] : cases) {
    EXPECT_TRUE(SameRect(ResizedByHandle(start, handle, dx, dy, aspect), expected))
        << static_cast<int>(handle) << " by " << dx << ", " << dy;
  }
}

TEST(ResizeHandles, ThePointerFindsTheNearestHandleWithinReachAndACornerFirstOnATie) {
  const std::tuple<CardRect, CardPoint, std::optional<H>> cases[] = {
      {{100, 100, 200, 100}, {301, 99}, H::kTopRight},
      {{100, 100, 200, 100}, {200, 203}, H::kBottom},
      {{100, 100, 200, 100}, {94, 150}, std::nullopt},
      {{0, 0, 2, 2}, {1, 0}, H::kTop},
      {{0, 0, 2, 2}, {0.5f, 0}, H::kTopLeft},
  };
  for (const auto& [box, point, expected] : cases) {
    EXPECT_EQ(HandleAt(box, point, 5), expected) << point.x << ", " << point.y;
  }
}

// A card of 1050 × 600 at 300 dpi (a safe margin of 35.43 px) with an object at 600..700 × 100..150
// and one at 700..750 × 300..350.
SnapCandidates Lines() {
  SnapCandidates lines;
  const std::array<CardRect, 2> others = {CardRect{600, 100, 100, 50}, CardRect{700, 300, 50, 50}};
  lines.Build(1050, 600, 300, others);
  return lines;
}

using K = SnapKind;
using Guide = std::tuple<bool, float, float, float, K, int>;

// The guides drawn, their places to a hundredth of a pixel.
std::vector<Guide> Drawn(const SnapResult& result) {
  std::vector<Guide> drawn;
  for (const SnapGuide& g : result.Guides())
    drawn.emplace_back(g.vertical, std::round(g.position * 100) / 100, g.from, g.to, g.kind,
                       g.object);
  return drawn;
}

TEST(SnapGuides, AMovingBoxSnapsItsNearestLineOnEachAxisAndGuidesCoverWhatItMeets) {
  const SnapCandidates lines = Lines();
  const std::tuple<CardRect, CardRect, std::vector<Guide>> cases[] = {
      {{3, 200, 100, 40}, {0, 200, 100, 40}, {{true, 0, 0, 600, K::kCardEdge, -1}}},
      {{472, 245, 100, 110},
       {475, 245, 100, 110},
       {{true, 525, 0, 600, K::kCardCentre, -1}, {false, 300, 0, 1050, K::kCardCentre, -1}}},
      {{33, 400, 100, 30}, {35.433f, 400, 100, 30}, {{true, 35.43f, 0, 600, K::kSafeMargin, -1}}},
      {{12, 400, 100, 30}, {12, 400, 100, 30}, {}},
      {{703, 400, 30, 30}, {700, 400, 30, 30}, {{true, 700, 100, 430, K::kObjectEdge, 0}}},
      // All three lines land on lines: a guide each, the last reaching both objects.
      {{601, 200, 100, 20},
       {600, 200, 100, 20},
       {{true, 600, 100, 220, K::kObjectEdge, 0},
        {true, 650, 100, 220, K::kObjectCentre, 0},
        {true, 700, 100, 350, K::kObjectEdge, 0}}},
  };
  for (const auto& [moving, expected, guides] : cases) {
    const SnapResult result = SnapMove(lines, moving, 6, Snapping::kOn);
    EXPECT_TRUE(SameRect(result.rect, expected)) << moving.left;
    EXPECT_EQ(Drawn(result), guides) << moving.left;
    const SnapResult off = SnapMove(lines, moving, 6, Snapping::kOff);
    EXPECT_TRUE(SameRect(off.rect, moving) && off.guideCount == 0) << moving.left;
  }
}

TEST(SnapGuides, AResizeSnapsOnlyTheEdgesItsHandleMovesAndKeepsTheAspectWhenAsked) {
  const SnapCandidates lines = Lines();
  const std::tuple<CardRect, H, float, Aspect, CardRect, std::vector<Guide>> cases[] = {
      {{100, 400, 100, 50},
       H::kBottomRight,
       497,
       Aspect::kFree,
       {100, 400, 600, 60},
       {{true, 700, 100, 460, K::kObjectEdge, 0}}},
      // The right edge snaps to the card's centre line, the height follows.
      {{300, 350, 100, 50},
       H::kBottomRight,
       122,
       Aspect::kKept,
       {300, 350, 225, 112.5f},
       {{true, 525, 0, 600, K::kCardCentre, -1}}},
      // The foot lies nearer the safe margin than the right edge to an object's centre line.
      {{300, 350, 100, 50},
       H::kBottomRight,
       330,
       Aspect::kKept,
       {300, 350, 429.134f, 214.567f},
       {{false, 564.57f, 0, 1050, K::kSafeMargin, -1}}},
      // Only the left edge moves: the card's centre line near the right edge is no matter.
      {{400, 450, 122, 20}, H::kLeft, 2, Aspect::kFree, {402, 450, 120, 20}, {}},
  };
  for (const auto& [start, handle, dx, aspect, expected, guides] : cases) {
    const SnapResult result = SnapResize(lines, start, handle, dx, 10, aspect, 6, Snapping::kOn);
    EXPECT_TRUE(SameRect(result.rect, expected)) << start.left;
    EXPECT_EQ(Drawn(result), guides) << start.left;
    const SnapResult off = SnapResize(lines, start, handle, dx, 10, aspect, 6, Snapping::kOff);
    EXPECT_TRUE(SameRect(off.rect, ResizedByHandle(start, handle, dx, 10, aspect)));
  }
  EXPECT_TRUE(SameRect(SafeArea(50, 50, 300), {0, 0, 50, 50}));
  // A box that holds no number is no line to snap to.
  SnapCandidates damaged;
  damaged.Build(1050, 600, 300, std::array{CardRect{std::nanf(""), 0, 10, 10}, CardRect{}});
  EXPECT_EQ(damaged.Vertical().size(), 8u);
}

void ExpectBoxes(const std::vector<CardRect>& actual, const std::vector<CardRect>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < actual.size(); ++i) EXPECT_TRUE(SameRect(actual[i], expected[i])) << i;
}

TEST(ObjectArrangement, AlignMovesEachUnlockedBoxOntoTheCardsOrTheSelectionsEdgeOrCentre) {
  // On a card of 1050 × 600; the third box is locked, yet its place counts for the selection.
  const std::vector<ArrangedObject> objects = {
      {{10, 10, 100, 50}}, {{200, 40, 50, 20}}, {{400, 100, 80, 80}, true}};
  const std::tuple<AlignEdge, AlignTarget, CardRect, CardRect> cases[] = {
      {AlignEdge::kLeft, AlignTarget::kSelection, {10, 10, 100, 50}, {10, 40, 50, 20}},
      {AlignEdge::kRight, AlignTarget::kCard, {950, 10, 100, 50}, {1000, 40, 50, 20}},
      {AlignEdge::kCentre, AlignTarget::kSelection, {195, 10, 100, 50}, {220, 40, 50, 20}},
      {AlignEdge::kMiddle, AlignTarget::kCard, {10, 275, 100, 50}, {200, 290, 50, 20}},
      {AlignEdge::kBottom, AlignTarget::kSelection, {10, 130, 100, 50}, {200, 160, 50, 20}},
      {AlignEdge::kTop, AlignTarget::kCard, {10, 0, 100, 50}, {200, 0, 50, 20}},
  };
  for (const auto& [edge, target, first, second] : cases) {
    SCOPED_TRACE(static_cast<int>(edge));
    ExpectBoxes(Aligned(objects, edge, target, 1050, 600), {first, second, objects[2].box});
  }
  ExpectBoxes(Nudged(objects, kLargeNudgeStep, -kNudgeStep),
              {{20, 9, 100, 50}, {210, 39, 50, 20}, objects[2].box});
}

TEST(ObjectArrangement, DistributeSpacesTheUnlockedBoxesEquallyBetweenTheFirstAndTheLast) {
  // Given out of order; the locked box (the fourth) neither moves nor takes a place.
  const float starts[] = {500, 150, 0, 300, 180}, sizes[] = {100, 20, 100, 5, 30};
  const float spaced[] = {500, 216.667f, 0, 300, 353.333f};
  std::vector<ArrangedObject> row, column;
  for (size_t i = 0; i < 5; ++i) {
    row.push_back({{starts[i], 7, sizes[i], 10}, i == 3});
    column.push_back({{7, starts[i], 10, sizes[i]}, i == 3});
  }
  const std::vector<CardRect> across = Distributed(row, DistributeAxis::kHorizontal);
  const std::vector<CardRect> down = Distributed(column, DistributeAxis::kVertical);
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_TRUE(SameRect(across[i], {spaced[i], 7, sizes[i], 10})) << i;
    EXPECT_TRUE(SameRect(down[i], {7, spaced[i], 10, sizes[i]})) << i;
  }
  EXPECT_TRUE(Distributed({}, DistributeAxis::kVertical).empty());
}

TEST(ObjectArrangement, RestackingMovesTheSelectedPastTheirUnselectedNeighboursOrToAnEnd) {
  const std::tuple<std::vector<int>, std::vector<int>, StackMove, std::vector<int>> cases[] = {
      {{0, 1, 2, 3}, {1}, StackMove::kForward, {0, 2, 1, 3}},
      {{0, 1, 2, 3}, {1}, StackMove::kToFront, {0, 3, 1, 2}},
      {{0, 1, 2, 3}, {3, 1, 99}, StackMove::kToBack, {2, 0, 3, 1}},
      // A run of selected objects moves as one; by z, not by index; equal z by index; with
      // nothing to pass the values stay as they are.
      {{0, 1, 2, 3}, {0, 1}, StackMove::kForward, {1, 2, 0, 3}},
      {{30, 10, 20}, {0}, StackMove::kBackward, {1, 0, 2}},
      {{1, 1, 1}, {0}, StackMove::kForward, {1, 0, 2}},
      {{5, 10, 20, 30}, {3}, StackMove::kForward, {5, 10, 20, 30}},
  };
  for (const auto& [z, selected, move, expected] : cases) {
    EXPECT_EQ(Restacked(z, selected, move), expected) << static_cast<int>(move);
  }
}

}  // namespace
}  // namespace tavolo
