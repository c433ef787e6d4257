// The background and layout choosers.
#include <QCursor>
#include <vector>

#include "core/card/BackgroundTable.h"
#include "tests/core/GoldenImage.h"
#include "tests/ui/WidgetTest.h"
#include "ui/choosers/BackgroundChooser.h"
#include "ui/choosers/LayoutChooser.h"

namespace tavolo {
namespace {

using test::ControlTest;
using test::MatchesGolden;

using test::SyntheticBackgrounds;

class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
  int count = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    count += event->type() == QEvent::Paint;
    return false;
  }
};

void Click(QWidget& widget, QPoint point) {
  QTest::mouseClick(&widget, Qt::LeftButton, {}, point);
}

// Puts the mouse over `point` of `chooser`, waits (generously, for a loaded machine) until the
// 30 ms timer has seen it, then lets a few more ticks pass.
template <class Chooser>
void HoverAt(Chooser& chooser, QPoint point, int expectedHover) {
  QCursor::setPos(chooser.mapToGlobal(point));
  EXPECT_TRUE(QTest::qWaitFor([&] { return chooser.Hover() == expectedHover; }, 3000))
      << "hover " << chooser.Hover() << ", expected " << expectedHover;
  QTest::qWait(120);
}

// Moves the mouse to each point in turn: the chooser repaints exactly when its hover changes,
// however many ticks pass.
template <class Chooser>
void ExpectRepaintsOnlyOnHoverChange(Chooser& chooser,
                                     std::initializer_list<std::pair<QPoint, int>> moves) {
  PaintCounter paints(chooser);
  int expected = 0;
  for (const auto& [point, hover] : moves) {
    const bool changes = hover != chooser.Hover();
    HoverAt(chooser, point, hover);
    expected += changes;
    if (!changes) QTest::qWait(150);
    EXPECT_EQ(paints.count, expected) << point.x() << "," << point.y();
  }
}

// Paused, the chooser stops its timer and keeps its hover while the mouse goes `elsewhere`;
// resumed, it follows the mouse again.
template <class Chooser>
void ExpectPausingKeepsTheHover(Chooser& chooser, QPoint elsewhere, int resumedHover) {
  PaintCounter paints(chooser);
  const int hover = chooser.Hover();
  chooser.SetActive(false);
  EXPECT_FALSE(chooser.IsHoverTimerRunning());
  QCursor::setPos(chooser.mapToGlobal(elsewhere));
  QTest::qWait(150);
  EXPECT_EQ(chooser.Hover(), hover);
  EXPECT_EQ(paints.count, 0);
  chooser.SetActive(true);
  EXPECT_TRUE(chooser.IsHoverTimerRunning());
  EXPECT_TRUE(QTest::qWaitFor([&] { return chooser.Hover() == resumedHover; }, 3000));
}

void ShowAndWait(QWidget& widget, QSize size) {
  widget.resize(size);
  widget.move(50, 50);
  widget.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
  QCursor::setPos(widget.mapToGlobal(QPoint(-20, -20)));
  QTest::qWait(100);
}

// A chooser of eight synthetic backgrounds, 300 × 400: cells of 93 with a gap of 71, two rows.
class BackgroundChooserTest : public ControlTest {
 protected:
  void SetUp() override {
    chooser_.resize(300, 400);
    chooser_.SetBackgrounds(&table_);
  }
  const BackgroundTable table_ = SyntheticBackgrounds(8);
  BackgroundChooser chooser_;
};

TEST(BackgroundChooserGeometry, EightBackgroundsPageAsSixThenTwoAndDegenerateSizesShowWhatTheyCan) {
  const QSize size(300, 400);  // cell (300 − 20) / 3 = 93, four rows fit
  BackgroundChooserGeometry page = ComputeBackgroundChooserGeometry(size, 8, 0);
  EXPECT_EQ(page.cell, 93);
  EXPECT_EQ(page.visible, 6);
  EXPECT_EQ(page.rows, 2);
  EXPECT_EQ(page.gap, (400 - 2 * 93) / 3);
  EXPECT_EQ(page.Square(0), QRect(5, 71, 93, 93));
  EXPECT_EQ(page.Square(4), QRect(5 + 98, 71 + 93 + 71, 93, 93));
  page = ComputeBackgroundChooserGeometry(size, 8, 6);
  EXPECT_EQ(page.visible, 2);
  EXPECT_EQ(page.rows, 2);
  // More backgrounds than fit: whole pages of the capacity.
  EXPECT_EQ(ComputeBackgroundChooserGeometry(size, 20, 0).visible, 12);
  EXPECT_EQ(ComputeBackgroundChooserGeometry(size, 20, 12).visible, 8);

  // Fewer backgrounds than a row holds are still shown, as one partial row.
  EXPECT_EQ(ComputeBackgroundChooserGeometry({300, 400}, 2, 0).visible, 2);
  EXPECT_EQ(ComputeBackgroundChooserGeometry({300, 400}, 0, 0).visible, 0);
  // Too narrow for a thumbnail, or too low for a row: nothing, and no division by zero.
  for (const QSize tiny : {QSize(22, 400), QSize(10, 400), QSize(0, 0), QSize(300, 50)}) {
    const BackgroundChooserGeometry none = ComputeBackgroundChooserGeometry(tiny, 8, 0);
    EXPECT_EQ(none.visible, 0) << tiny.width() << "x" << tiny.height();
    EXPECT_LT(BackgroundChooserHitTest(none, tiny, {5, 5}).column, 3);
  }
}

TEST(BackgroundChooserGeometry, HitAreasOverlapAndTheLaterRowAndColumnWin) {
  const QSize size(300, 400);
  const BackgroundChooserGeometry page =
      ComputeBackgroundChooserGeometry(size, 12, 0);  // four rows, gap 5
  ASSERT_EQ(page.rows, 4);
  ASSERT_EQ(page.gap, 5);
  const auto hit = [&](int x, int y) { return BackgroundChooserHitTest(page, size, {x, y}); };
  // Only points strictly inside count.
  for (const QPoint outside : {QPoint(0, 50), QPoint(50, 0), QPoint(300, 50)}) {
    EXPECT_FALSE(hit(outside.x(), outside.y()).inside) << outside.x() << "," << outside.y();
  }
  EXPECT_TRUE(hit(1, 1).inside);
  // The left margin belongs to the first column; columns reach (c + 1) × (s + m + 1), so
  // 196 < x < 198 lies in columns 1 and 2 and the later one wins; the third reaches the right
  // edge. Rows: (r × 98, (r + 1) × 99); below the fourth row the fifth, empty one still counts.
  const std::pair<int, int> columns[] = {{2, 0},   {98, 0},  {99, 1}, {197, 2},
                                         {196, 1}, {297, 2}, {299, 2}};
  for (const auto& [x, column] : columns) EXPECT_EQ(hit(x, 50).column, column) << x;
  const std::pair<int, int> rows[] = {{98, 0}, {99, 1}, {197, 2}, {295, 3}, {396, 4}};
  for (const auto& [y, row] : rows) EXPECT_EQ(hit(50, y).row, row) << y;
  EXPECT_EQ(hit(150, 197).Item(12), 12 + 6 + 1);
}

TEST_F(BackgroundChooserTest, ClicksSelectOnlyShownBackgroundsAndAlwaysNotify) {
  BackgroundChooser& chooser = chooser_;
  std::vector<QString> told;
  QObject::connect(&chooser, &BackgroundChooser::backgroundPicked,
                   [&](int n) { told.push_back(QStringLiteral("picked %1").arg(n)); });
  QObject::connect(&chooser, &BackgroundChooser::clicked, [&] {
    told.push_back(QStringLiteral("clicked, selected %1").arg(chooser.Selected()));
  });

  EXPECT_EQ(chooser.Selected(), 1);
  Click(chooser, {150, 100});  // middle of the second thumbnail
  EXPECT_EQ(told, (std::vector<QString>{"picked 1", "clicked, selected 1"}));
  told.clear();
  Click(chooser, {98, 300});  // the margin right of thumbnail 3 takes thumbnail 3
  EXPECT_EQ(chooser.Selected(), 3);
  Click(chooser, {250, 164});  // the gap below thumbnail 2 takes thumbnail 2
  EXPECT_EQ(chooser.Selected(), 2);
  told.clear();
  Click(chooser, {150, 350});  // below the last row: nothing selected, owner still told
  EXPECT_EQ(chooser.Selected(), 2);
  EXPECT_EQ(told, (std::vector<QString>{"clicked, selected 2"}));
  told.clear();
  Click(chooser, {0, 100});  // the border pixel does not count, but notifies too
  EXPECT_EQ(told, (std::vector<QString>{"clicked, selected 2"}));

  // The partial last page: the empty third place selects nothing.
  chooser.PageForward();
  Click(chooser, {150, 100});
  EXPECT_EQ(chooser.Selected(), 7);
  Click(chooser, {250, 100});
  EXPECT_EQ(chooser.Selected(), 7);
  QTest::mouseClick(&chooser, Qt::RightButton, {}, {50, 100});
  EXPECT_EQ(chooser.Selected(), 7);
}

TEST_F(BackgroundChooserTest, HoverTimerRepaintsOnlyWhenTheHoverChangesAndPauses) {
  BackgroundChooser& chooser = chooser_;
  ShowAndWait(chooser, {300, 400});
  ASSERT_TRUE(chooser.IsHoverTimerRunning());
  EXPECT_EQ(chooser.Hover(), -1);
  ExpectRepaintsOnlyOnHoverChange(chooser, {{{150, 100}, 1}, {{160, 110}, 1}, {{50, 300}, 3}});
  EXPECT_EQ(chooser.Picture().pixel(150, 71 + 93), qRgb(255, 255, 255));  // 1 is framed white
  EXPECT_EQ(chooser.Picture().pixel(50, 235 + 93), qRgb(0, 0, 0));        // 3 is framed black
  ExpectRepaintsOnlyOnHoverChange(chooser, {{{-10, 100}, -1}, {{150, 100}, 1}});
  ExpectPausingKeepsTheHover(chooser, {-10, 100}, -1);
}

// The blank card is background 1 lightened to white: the ticked thumbnail shows white too, the
// others keep their own colours.
TEST_F(BackgroundChooserTest, LooksAsItsGoldensAndDrawsTheTickedThumbnailAsTheCardShowsIt) {
  chooser_.SetSelected(4);
  EXPECT_TRUE(MatchesGolden(chooser_.Picture(), "background_chooser_first_page", {4, 0.01}));
  chooser_.SetSelected(1);
  const QImage plain = chooser_.Picture();
  CardState blank;
  blank.lightShift = 0.5f;
  chooser_.SetSelectedLook(blank);
  const QImage tinted = chooser_.Picture();
  EXPECT_NE(plain.pixel(150, 100), qRgb(255, 255, 255));
  EXPECT_EQ(tinted.pixel(150, 100), qRgb(255, 255, 255));
  EXPECT_EQ(tinted.pixel(50, 300), plain.pixel(50, 300));
}

TEST(LayoutChooserGeometry, PressReachesFurtherRightThanHover) {
  // W = 1005: hover columns are 91 wide, so 1001..1004 hover nothing but press the eleventh
  // cell, "Custom". Where [i k, (i + 1) W / 11) ranges overlap the later cell wins.
  // The width and x; the columns hovered and pressed.
  const std::array<int, 4> cases[] = {
      {1005, 90, 0, 0}, {1005, 91, 1, 1}, {1005, 1001, -1, 10}, {1005, 1004, -1, 10},
      {1009, 91, 1, 1}, {1009, 90, 0, 0}, {1005, 1000, 10, 10}, {1005, -1, -1, -1},
  };
  for (const auto& [width, x, hover, press] : cases) {
    EXPECT_EQ(LayoutChooserHoverColumn(width, x), hover) << width << " " << x;
    EXPECT_EQ(LayoutChooserPressColumn(width, x), press) << width << " " << x;
  }
  EXPECT_EQ(LayoutChooserHoverColumn(5, 3), -1);
  // Too low or too narrow: no thumbnails, but nothing of negative size either.
  EXPECT_FALSE(ComputeLayoutChooserGeometry({1200, 60}).thumbnailsShown);
  EXPECT_FALSE(ComputeLayoutChooserGeometry({90, 120}).thumbnailsShown);
  EXPECT_FALSE(ComputeLayoutChooserGeometry({0, 0}).thumbnailsShown);
}

TEST_F(ControlTest, LayoutChooserClickPicksAnotherLayoutOnce) {
  LayoutChooser chooser;
  chooser.resize(1000, 120);
  std::vector<int> picked;
  QObject::connect(&chooser, &LayoutChooser::layoutPicked,
                   [&](int layout) { picked.push_back(layout); });
  Click(chooser, {300, 50});
  EXPECT_EQ(picked, std::vector<int>{3});
  EXPECT_EQ(chooser.Current(), 3);
  Click(chooser, {340, 100});  // the current layout again: nothing happens
  EXPECT_EQ(picked.size(), 1u);
  // "Custom" cannot be picked while the card has none; the strip right of the last hover column
  // still presses it.
  chooser.resize(1005, 120);
  Click(chooser, {1003, 50});
  EXPECT_EQ(chooser.Current(), 3);
  chooser.SetCustomLayout(CustomLayout{false, 2, {}}, 1062, 615);
  Click(chooser, {1003, 50});
  EXPECT_EQ(chooser.Current(), kCustomLayout);
  EXPECT_EQ(picked, (std::vector<int>{3, kCustomLayout}));
}

TEST_F(ControlTest, LayoutChooserHoverTimerRepaintsOnlyOnChangeAndPausesAndItLooksAsItsGoldens) {
  LayoutChooser chooser;
  ShowAndWait(chooser, {1005, 120});
  ASSERT_TRUE(chooser.IsHoverTimerRunning());
  EXPECT_EQ(chooser.Hover(), -1);
  // 1002 lies right of the last hover column.
  ExpectRepaintsOnlyOnHoverChange(
      chooser, {{{250, 50}, 2}, {{270, 10}, 2}, {{1002, 50}, -1}, {{950, 50}, 10}});
  ExpectPausingKeepsTheHover(chooser, {50, 50}, 0);

  ShowAndWait(chooser, {1000, 120});
  chooser.SetCurrent(6);
  HoverAt(chooser, {250, 50}, 2);
  ASSERT_EQ(chooser.Hover(), 2);
  EXPECT_TRUE(MatchesGolden(chooser.Picture(), "layout_chooser_1000", test::kWithText));
}

}  // namespace
}  // namespace tavolo
