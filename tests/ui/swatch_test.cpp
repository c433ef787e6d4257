// The swatches and the field label: the colour line's cells and what a press picks, the
// eyedropper cursor, the colour button's click and the label that swallows presses. Looks: goldens.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "tests/ui/ReportLog.h"
#include "ui/controls/ColorBtn.h"
#include "ui/controls/ColorLine.h"
#include "ui/controls/EyedropperCursor.h"
#include "ui/controls/FldName.h"

namespace tavolo {
namespace {

using test::ControlTest;

TEST(ColorLineGeometry, SevenColumnsByTwoRowsOfWholePixels) {
  const QSize size(140, 42);
  EXPECT_EQ(ColorLineCellRect(0, size), QRect(0, 0, 20, 20));
  EXPECT_EQ(ColorLineCellRect(13, size), QRect(120, 20, 20, 20));
  EXPECT_EQ(ColorLineCellAt(QPoint(0, 0), size), 0);
  EXPECT_EQ(ColorLineCellAt(QPoint(139, 39), size), 13);
  EXPECT_EQ(ColorLineCellAt(QPoint(139, 19), size), 6);
  // The two rows below the cells belong to none.
  EXPECT_EQ(ColorLineCellAt(QPoint(50, 40), size), -1);
  EXPECT_EQ(ColorLineCellAt(QPoint(140, 10), size), -1);
  // Fractional cells: 150 / 7 = 21.43 wide, drawn 21 wide.
  EXPECT_EQ(ColorLineCellRect(6, QSize(150, 42)), QRect(126, 0, 21, 20));
  EXPECT_EQ(ColorLineCellAt(QPoint(149, 5), QSize(150, 42)), 6);
  EXPECT_EQ(ColorLineCellAt(QPoint(3, 1), QSize(140, 2)), -1);
}

TEST_F(ControlTest, ColorLineNotifiesOnThePressWithTheCellColour) {
  ColorLine line;
  line.resize(140, 42);
  QSignalSpy picks(&line, &ColorLine::clicked);
  QTest::mousePress(&line, Qt::LeftButton, {}, QPoint(130, 30));
  EXPECT_EQ(picks.count(), 1);
  EXPECT_EQ(line.CurrentColor(), (HslColor{0, 0, 0}));
  QTest::mouseRelease(&line, Qt::LeftButton, {}, QPoint(130, 30));
  EXPECT_EQ(picks.count(), 1);

  QTest::mouseClick(&line, Qt::LeftButton, {}, QPoint(130, 5));
  EXPECT_EQ(line.CurrentColor(), (HslColor{0, 240, 240}));
  QTest::mouseClick(&line, Qt::LeftButton, {}, QPoint(30, 41));
  EXPECT_EQ(picks.count(), 2);
  EXPECT_EQ(line.CurrentColor(), (HslColor{0, 240, 240}));
}

TEST_F(ControlTest, EyedropperHasItsHotSpotAtTheTip) {
  const QCursor& cursor = EyedropperCursor();
  EXPECT_EQ(cursor.hotSpot(), QPoint(11, 20));
  const QImage picture = cursor.pixmap().toImage();
  ASSERT_EQ(picture.size(), QSize(32, 32));
  EXPECT_EQ(picture.pixel(11, 20), qRgb(0, 0, 0));
  ColorLine line;
  EXPECT_EQ(line.cursor().hotSpot(), QPoint(11, 20));
}

TEST_F(ControlTest, ColorBtnSendsAClick) {
  ColorBtn swatch;
  swatch.resize(40, 24);
  QSignalSpy clicks(&swatch, &ColorBtn::clicked);
  QTest::mouseClick(&swatch, Qt::LeftButton, {}, QPoint(20, 12));
  EXPECT_EQ(clicks.count(), 1);
}

TEST_F(ControlTest, FldNameSwallowsTheLeftPress) {
  QWidget parent;
  FldName label(&parent);
  label.SetText(QStringLiteral("Name"));
  label.resize(100, 20);
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&label, &press);
  EXPECT_TRUE(press.isAccepted());
  // Its picture is transparent wherever no text is drawn.
  EXPECT_EQ(qAlpha(label.Picture().pixel(99, 0)), 0);
}

}  // namespace
}  // namespace tavolo
