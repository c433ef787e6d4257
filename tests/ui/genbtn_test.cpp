// The pill button: its face stretched to any width, too small to paint, and the mouse: hover and
// press faces, a press dragged out or an inactive button sending nothing. Looks: the goldens.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "tests/ui/ReportLog.h"
#include "ui/controls/GenBtn.h"
#include "ui/controls/GenBtnFaces.h"

namespace tavolo {
namespace {

using test::ControlTest;

QRgb Rgb(const QImage& picture, int x, int y) {
  return picture.pixel(x, y) & 0xFFFFFFu;
}

TEST(GenBtnFaces, StretchKeepsTheEndsAndRepeatsTheMiddleColumn) {
  for (int x = 0; x < 30; ++x) EXPECT_EQ(GenBtnFaceColumn(x, 30), x);
  const std::pair<int, int> wide[] = {{14, 14}, {15, 15}, {50, 15}, {84, 15}, {85, 15}, {99, 29}};
  for (const auto& [x, column] : wide) EXPECT_EQ(GenBtnFaceColumn(x, 100), column) << x;
}

TEST_F(ControlTest, GenBtnSmallerThanItsFacePaintsNothing) {
  QWidget window;
  window.resize(200, 100);
  GenBtn button(&window);
  button.SetText(QStringLiteral("OK"));
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  button.resize(100, 29);
  EXPECT_TRUE(button.Picture().isNull());
  // Not opaque, so the window behind shows through.
  EXPECT_FALSE(button.testAttribute(Qt::WA_OpaquePaintEvent));
  button.resize(29, 30);
  EXPECT_TRUE(button.Picture().isNull());
  button.resize(30, 30);
  EXPECT_FALSE(button.Picture().isNull());
  EXPECT_TRUE(button.testAttribute(Qt::WA_OpaquePaintEvent));
}

class GenBtnMouse : public ControlTest {
 protected:
  void SetUp() override {
    button_.resize(100, 30);
    button_.SetText(QStringLiteral("Next"));
  }
  GenBtn button_;
  QSignalSpy clicks_{&button_, &GenBtn::clicked};
};

TEST_F(GenBtnMouse, PressDraggedOutSendsNothingEvenWhenReleasedBackInside) {
  QTest::mousePress(&button_, Qt::LeftButton, {}, QPoint(50, 15));
  QTest::mouseMove(&button_, QPoint(150, 15));
  EXPECT_FALSE(button_.IsPressed());
  EXPECT_FALSE(button_.IsHovered());
  QTest::mouseRelease(&button_, Qt::LeftButton, {}, QPoint(150, 15));
  EXPECT_EQ(clicks_.count(), 0);

  QTest::mousePress(&button_, Qt::LeftButton, {}, QPoint(50, 15));
  QTest::mouseMove(&button_, QPoint(50, -5));
  QTest::mouseMove(&button_, QPoint(50, 15));
  QTest::mouseRelease(&button_, Qt::LeftButton, {}, QPoint(50, 15));
  EXPECT_EQ(clicks_.count(), 0);
}

TEST_F(GenBtnMouse, InactiveButtonNeverSendsAndShowsTheNormalFace) {
  button_.SetActive(false);
  QTest::mousePress(&button_, Qt::LeftButton, {}, QPoint(50, 15));
  EXPECT_EQ(Rgb(button_.Picture(), 50, 0), Rgb(GenBtnFacePicture(GenBtnFace::Normal), 15, 0));
  QTest::mouseRelease(&button_, Qt::LeftButton, {}, QPoint(50, 15));
  EXPECT_EQ(clicks_.count(), 0);
}

TEST_F(GenBtnMouse, FaceFollowsHoverAndPressAndAReleaseInsideSendsOneClick) {
  const auto topCentre = [this] { return Rgb(button_.Picture(), 50, 0); };
  EXPECT_EQ(topCentre(), 0xA4C2C8u);
  button_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&button_));
  QTest::mouseMove(&button_, QPoint(50, 15));
  EXPECT_TRUE(button_.IsHovered());
  EXPECT_EQ(topCentre(), 0x80A4BAu);
  QTest::mousePress(&button_, Qt::LeftButton, {}, QPoint(50, 15));
  EXPECT_TRUE(button_.IsPressed());
  EXPECT_EQ(topCentre(), 0x809EBBu);
  EXPECT_EQ(clicks_.count(), 0);
  QTest::mouseRelease(&button_, Qt::LeftButton, {}, QPoint(50, 15));
  EXPECT_FALSE(button_.IsPressed());
  EXPECT_EQ(clicks_.count(), 1);
}

}  // namespace
}  // namespace tavolo
