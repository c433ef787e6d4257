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

TEST(GenBtnFaces, KeepTheirNamedPixelValues) {
  struct Expected {
    GenBtnFace face;
    QRgb ringTop;
    QRgb centre;
  };
  const Expected faces[] = {{GenBtnFace::Normal, 0xA4C2C8, 0xEDECF2},
                            {GenBtnFace::Hover, 0x80A4BA, 0xECF1F2},
                            {GenBtnFace::Pressed, 0x809EBB, 0xEDF1F1}};
  for (const Expected& e : faces) {
    const QImage& face = GenBtnFacePicture(e.face);
    ASSERT_EQ(face.size(), QSize(30, 30));
    EXPECT_EQ(Rgb(face, 15, 0), e.ringTop);
    EXPECT_EQ(Rgb(face, 14, 0), e.ringTop);
    EXPECT_EQ(Rgb(face, 15, 15), e.centre);
    EXPECT_EQ(Rgb(face, 14, 14), e.centre);
    for (const QPoint corner : {QPoint(0, 0), QPoint(29, 0), QPoint(0, 29), QPoint(29, 29)}) {
      EXPECT_EQ(Rgb(face, corner.x(), corner.y()), kGenBtnBackground);
    }
  }
}

TEST(GenBtnFaces, StretchKeepsTheEndsAndRepeatsTheMiddleColumn) {
  for (int x = 0; x < 30; ++x) EXPECT_EQ(GenBtnFaceColumn(x, 30), x);
  const std::pair<int, int> wide[] = {{14, 14}, {15, 15}, {50, 15}, {84, 15}, {85, 15}, {99, 29}};
  for (const auto& [x, column] : wide) EXPECT_EQ(GenBtnFaceColumn(x, 100), column) << x;
}

TEST_F(ControlTest, GenBtnPaintsAPillAndLeavesRowsBelowTheFaceBlank) {
  GenBtn button;
  button.resize(100, 40);
  const QImage picture = button.Picture();
  const QImage& face = GenBtnFacePicture(GenBtnFace::Normal);
  for (int y = 0; y < 30; ++y) {
    EXPECT_EQ(Rgb(picture, 0, y), Rgb(face, 0, y));
    EXPECT_EQ(Rgb(picture, 60, y), Rgb(face, 15, y));
    EXPECT_EQ(Rgb(picture, 99, y), Rgb(face, 29, y));
  }
  for (int y = 30; y < 40; ++y) EXPECT_EQ(Rgb(picture, 50, y), kGenBtnBackground);
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
