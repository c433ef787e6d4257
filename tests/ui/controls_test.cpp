// The owner-drawn controls: presses, drags, values pulled into range, and their looks.
#include <QSignalSpy>
#include <vector>

#include "core/base/ColourModel.h"
#include "core/render/BackgroundProcessing.h"
#include "tests/core/GoldenImage.h"
#include "tests/ui/WidgetTest.h"
#include "ui/controls/ColourButton.h"
#include "ui/controls/ColourLine.h"
#include "ui/controls/ColourStripSlider.h"
#include "ui/controls/EyedropperCursor.h"
#include "ui/controls/FieldNameLabel.h"
#include "ui/controls/HueLightnessPicker.h"
#include "ui/controls/HueSlider.h"
#include "ui/controls/PickerGeometry.h"
#include "ui/controls/PillButton.h"
#include "ui/controls/PillButtonFaces.h"
#include "ui/controls/SaturationLightnessSquare.h"
#include "ui/controls/Slider.h"

namespace tavolo {
namespace {

using test::ControlTest;
using test::kExact;
using test::kWithText;
using test::MatchesGolden;
using test::TakeReports;

QRgb Rgb(const QImage& picture, int x, int y) {
  return picture.pixel(x, y) & 0xFFFFFFu;
}

TEST_F(ControlTest, PillButtonSmallerThanItsFacePaintsNothing) {
  QWidget window;
  window.resize(200, 100);
  PillButton button(&window);
  button.SetText(QStringLiteral("OK"));
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  // Painting nothing it is not opaque, so the window behind shows through.
  for (const auto& [size, paints] :
       {std::pair{QSize(100, 29), false}, {QSize(29, 30), false}, {QSize(30, 30), true}}) {
    button.resize(size);
    EXPECT_EQ(button.Picture().isNull(), !paints) << size.width() << "x" << size.height();
    EXPECT_EQ(button.testAttribute(Qt::WA_OpaquePaintEvent), paints) << size.width();
  }
}

class PillButtonMouse : public ControlTest {
 protected:
  void SetUp() override {
    button_.resize(100, 30);
    button_.SetText(QStringLiteral("Next"));
  }
  PillButton button_;
  QSignalSpy clicks_{&button_, &PillButton::clicked};
};

TEST_F(PillButtonMouse, PressDraggedOutOrOnAnInactiveButtonSendsNothing) {
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

  button_.SetActive(false);
  QTest::mousePress(&button_, Qt::LeftButton, {}, QPoint(50, 15));
  EXPECT_EQ(Rgb(button_.Picture(), 50, 0),
            Rgb(PillButtonFacePicture(PillButtonFace::Normal), 15, 0));
  QTest::mouseRelease(&button_, Qt::LeftButton, {}, QPoint(50, 15));
  EXPECT_EQ(clicks_.count(), 0);
}

TEST_F(PillButtonMouse, FaceFollowsHoverAndPressAndAReleaseInsideSendsOneClick) {
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

TEST_F(ControlTest, SliderDragClampsAndNotifiesButAClickAloneChangesNothing) {
  // Tracks too narrow for a position map to their start.
  EXPECT_FLOAT_EQ(SliderPositionAt(5, 10), 0.0f);
  EXPECT_FLOAT_EQ(ColourStripPositionAt(3, 0), 0.0f);
  EXPECT_EQ(ColourStripTop(24), 4);
  Slider slider;
  slider.resize(110, 14);
  slider.SetPosition(0.25f);
  QSignalSpy moves(&slider, &Slider::clicked);

  QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(80, 5));
  EXPECT_FLOAT_EQ(slider.Position(), 0.25f);
  EXPECT_EQ(moves.count(), 0);

  QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(30, 5));
  EXPECT_FLOAT_EQ(slider.Position(), 0.25f);
  QTest::mouseMove(&slider, QPoint(140, 5));
  EXPECT_FLOAT_EQ(slider.Position(), 1.0f);
  QTest::mouseMove(&slider, QPoint(55, 40));
  EXPECT_FLOAT_EQ(slider.Position(), 0.5f);
  QTest::mouseMove(&slider, QPoint(-30, 5));
  EXPECT_FLOAT_EQ(slider.Position(), 0.0f);
  QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(-30, 5));
  EXPECT_EQ(moves.count(), 3);
  EXPECT_FALSE(slider.IsDragging());
}

TEST_F(ControlTest, ColourStripSliderNotifiesWhileDraggingAndAsksToApplyOnRelease) {
  ColourStripSlider slider;
  slider.resize(200, 25);
  QSignalSpy moves(&slider, &ColourStripSlider::clicked);
  QSignalSpy releases(&slider, &ColourStripSlider::released);
  QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(50, 10));
  EXPECT_FLOAT_EQ(slider.Position(), 0.0f);
  QTest::mouseMove(&slider, QPoint(150, 10));
  EXPECT_FLOAT_EQ(slider.Position(), 0.25f);
  QTest::mouseMove(&slider, QPoint(400, 10));
  EXPECT_FLOAT_EQ(slider.Position(), 0.5f);
  EXPECT_EQ(releases.count(), 0);
  QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(400, 10));
  EXPECT_EQ(moves.count(), 2);
  EXPECT_EQ(releases.count(), 1);
}

TEST_F(ControlTest, PositionsAndModesOutOfRangeAreReportedAndPulledBack) {
  Slider slider;
  slider.resize(110, 14);
  slider.SetPosition(1.5f);
  EXPECT_EQ(TakeReports().size(), 1u);
  EXPECT_FLOAT_EQ(slider.Position(), 1.0f);

  ColourStripSlider centred;
  centred.resize(200, 25);
  centred.SetPosition(-0.5f);
  centred.SetPosition(0.5f);
  EXPECT_TRUE(TakeReports().empty());
  centred.SetPosition(0.7f);
  EXPECT_EQ(TakeReports().size(), 1u);
  EXPECT_FLOAT_EQ(centred.Position(), 0.5f);
  centred.SetMode(3);
  centred.Picture();
  EXPECT_EQ(TakeReports().size(), 1u);
}

// Moving the knob from one place to another tints the colour shown at the first place into the
// colour shown at the second: the strips show what the card will get.
TEST_F(ControlTest, TintStripsShowWhatTheTintMakesOfTheColourAtTheKnob) {
  const std::tuple<ColourStripSliderMode, int, int> cases[] = {
      {ColourStripSliderMode::Hue, 40, 120},
      {ColourStripSliderMode::Hue, 200, 60},
      {ColourStripSliderMode::Saturation, 130, 100},
      {ColourStripSliderMode::Grey, 100, 140}};
  for (const auto& [mode, from, to] : cases) {
    ColourStripSlider strip;
    strip.resize(240, 25);
    strip.SetMode(static_cast<int>(mode));
    strip.SetHue(70.0f);
    strip.SetPosition(-0.5f);
    const QImage picture = strip.Picture();
    const int y = ColourStripTop(picture.height()) + kColourStripHeight / 2;
    uint32_t pixel = picture.pixel(from, y);
    const float shift = static_cast<float>(to - from) / 240.0f;
    const auto along = [&](ColourStripSliderMode m) { return mode == m ? shift : 0.0f; };
    ASSERT_TRUE(SetHSL(&pixel, 1, 1, along(ColourStripSliderMode::Hue),
                       along(ColourStripSliderMode::Saturation),
                       along(ColourStripSliderMode::Grey)));
    const QRgb want = picture.pixel(to, y);
    for (const int byte : {0, 8, 16}) {
      EXPECT_NEAR((pixel >> byte) & 0xFF, (want >> byte) & 0xFF, 3)
          << "mode " << static_cast<int>(mode) << " from " << from << " byte " << byte;
    }
  }
}

// The pickers keep their marker off the edges and cut one drawn at a corner.
TEST(PickerGeometry, MarkersAndCellsLieWhereThePointerPicks) {
  EXPECT_FLOAT_EQ(PickerPositionAt(5, 0), 0.0f);
  EXPECT_EQ(PickerMarkerCoordinate(0.0f, 240), 4);
  EXPECT_EQ(PickerMarkerCoordinate(1.0f, 240), 235);
  QImage picture(40, 40, QImage::Format_RGB32);
  picture.fill(qRgb(10, 100, 200));
  DrawPositionMarker(picture, QPoint(0, 0));
  EXPECT_EQ(picture.pixel(0, 0), qRgb(245, 155, 55));

  // The hue-lightness picker's border pixels pick nothing.
  const QSize size(240, 170);
  EXPECT_EQ(HLPickerCellAt(QPoint(240, 50), size), QPoint(-1, -1));
  EXPECT_EQ(HLPickerCellAt(QPoint(238, 168), size), QPoint(16, 12));
  // Cells 14 wide and 12.92 high: x = 15 is the second column, y = 14 the second row.
  EXPECT_EQ(HLPickerCellAt(QPoint(15, 14), size), QPoint(1, 1));
  EXPECT_EQ(HLPickerCellAt(QPoint(14, 13), size), QPoint(0, 0));
  EXPECT_EQ(HLPickerCellRect(0, 0, size), QRect(QPoint(1, 1), QPoint(14, 13)));
  EXPECT_EQ(HLPickerCellRect(12, 16, size), QRect(QPoint(225, 156), QPoint(238, 168)));

  // The colour line: seven columns by two rows of whole pixels.
  const QSize line(140, 42);
  EXPECT_EQ(ColourLineCellRect(13, line), QRect(120, 20, 20, 20));
  EXPECT_EQ(ColourLineCellAt(QPoint(139, 39), line), 13);
  EXPECT_EQ(ColourLineCellAt(QPoint(139, 19), line), 6);
  // The two rows below the cells belong to none.
  EXPECT_EQ(ColourLineCellAt(QPoint(50, 40), line), -1);
  EXPECT_EQ(ColourLineCellAt(QPoint(140, 10), line), -1);
  // Fractional cells: 150 / 7 = 21.43 wide, drawn 21 wide.
  EXPECT_EQ(ColourLineCellRect(6, QSize(150, 42)), QRect(126, 0, 21, 20));
  EXPECT_EQ(ColourLineCellAt(QPoint(149, 5), QSize(150, 42)), 6);
  EXPECT_EQ(ColourLineCellAt(QPoint(3, 1), QSize(140, 2)), -1);
}

TEST(SaturationLightnessSquareRows, InterpolatedPixelsStayWithinOneOfTheExactColour) {
  for (const int width : {1, 2, 3, 7, 100, 240, 241}) {
    for (const float hue : {0.0f, 80.0f, 143.4f, 239.0f}) {
      for (const float l : {0.0f, 60.0f, 120.0f, 200.0f, 240.0f}) {
        std::vector<QRgb> row(static_cast<size_t>(width));
        FillSaturationRow(row.data(), width, hue, l);
        for (int x = 0; x < width; ++x) {
          const float s =
              width > 1 ? static_cast<float>(x) / static_cast<float>(width - 1) * 240 : 0;
          const RgbColour c = HslToRgb({hue, s, l});
          const QRgb p = row[static_cast<size_t>(x)];
          ASSERT_NEAR(qRed(p), static_cast<int>(c.r * 255), 1) << width << " " << x;
          ASSERT_NEAR(qGreen(p), static_cast<int>(c.g * 255), 1) << width << " " << x;
          ASSERT_NEAR(qBlue(p), static_cast<int>(c.b * 255), 1) << width << " " << x;
        }
      }
    }
  }
}

// The hue strip and the square take the press and every move, clamped to their ends, and
// nothing after the release.
TEST_F(ControlTest, PickersFollowADragOrPickOnThePressAndNotifyAsTheyShould) {
  HueSlider strip;
  strip.resize(240, 20);
  QSignalSpy stripChanges(&strip, &HueSlider::clicked);
  QTest::mousePress(&strip, Qt::LeftButton, {}, QPoint(60, 10));
  EXPECT_FLOAT_EQ(strip.Position(), 0.25f);
  EXPECT_EQ(stripChanges.count(), 1);
  QTest::mouseMove(&strip, QPoint(400, 50));
  EXPECT_FLOAT_EQ(strip.Position(), 1.0f);
  QTest::mouseRelease(&strip, Qt::LeftButton, {}, QPoint(400, 50));
  QTest::mouseMove(&strip, QPoint(10, 10));
  EXPECT_FLOAT_EQ(strip.Position(), 1.0f);
  EXPECT_EQ(stripChanges.count(), 2);

  SaturationLightnessSquare square;
  square.resize(240, 160);
  QSignalSpy squareChanges(&square, &SaturationLightnessSquare::clicked);
  QTest::mousePress(&square, Qt::LeftButton, {}, QPoint(120, 40));
  EXPECT_FLOAT_EQ(square.Saturation(), 0.5f);
  EXPECT_FLOAT_EQ(square.Lightness(), 0.25f);
  QTest::mouseMove(&square, QPoint(-10, 500));
  EXPECT_FLOAT_EQ(square.Saturation(), 0.0f);
  EXPECT_FLOAT_EQ(square.Lightness(), 1.0f);
  QTest::mouseRelease(&square, Qt::LeftButton, {}, QPoint(-10, 500));
  EXPECT_EQ(squareChanges.count(), 2);

  // The hue-lightness picker picks on the press and notifies on the release.
  HueLightnessPicker picker;
  picker.resize(240, 170);
  QSignalSpy clicks(&picker, &HueLightnessPicker::clicked);
  picker.SetCurrentColour({100, 50, 60});

  QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(0, 50));
  EXPECT_EQ(picker.CurrentColour(), (HslColour{100, 50, 60}));
  EXPECT_EQ(clicks.count(), 1);
  QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(50, 0));
  EXPECT_EQ(picker.CurrentColour(), (HslColour{100, 50, 60}));

  QTest::mousePress(&picker, Qt::LeftButton, {}, QPoint(120, 20));
  EXPECT_EQ(picker.CurrentColour(), HLPickerCellColour(1, 8));
  EXPECT_EQ(clicks.count(), 2);
  QTest::mouseRelease(&picker, Qt::LeftButton, {}, QPoint(120, 20));
  EXPECT_EQ(clicks.count(), 3);

  QTest::mousePress(&picker, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(&picker, Qt::LeftButton, {}, QPoint(300, 5));
  EXPECT_EQ(picker.CurrentColour(), (HslColour{0, 0, 0}));
  EXPECT_EQ(clicks.count(), 3);

  // The colour line notifies on the press with the cell's colour.
  ColourLine line;
  line.resize(140, 42);
  QSignalSpy picks(&line, &ColourLine::clicked);
  QTest::mousePress(&line, Qt::LeftButton, {}, QPoint(130, 30));
  EXPECT_EQ(picks.count(), 1);
  EXPECT_EQ(line.CurrentColour(), (HslColour{0, 0, 0}));
  QTest::mouseRelease(&line, Qt::LeftButton, {}, QPoint(130, 30));
  EXPECT_EQ(picks.count(), 1);

  QTest::mouseClick(&line, Qt::LeftButton, {}, QPoint(130, 5));
  EXPECT_EQ(line.CurrentColour(), (HslColour{0, 240, 240}));
  QTest::mouseClick(&line, Qt::LeftButton, {}, QPoint(30, 41));
  EXPECT_EQ(picks.count(), 2);
  EXPECT_EQ(line.CurrentColour(), (HslColour{0, 240, 240}));
}

TEST_F(ControlTest, EyedropperHasItsHotSpotAtTheTipAndTheFieldLabelSwallowsAPress) {
  const QCursor& cursor = EyedropperCursor();
  EXPECT_EQ(cursor.hotSpot(), QPoint(11, 20));
  const QImage picture = cursor.pixmap().toImage();
  ASSERT_EQ(picture.size(), QSize(32, 32));
  EXPECT_EQ(picture.pixel(11, 20), qRgb(0, 0, 0));
  ColourLine line;
  EXPECT_EQ(line.cursor().hotSpot(), QPoint(11, 20));

  QWidget parent;
  FieldNameLabel label(&parent);
  label.SetText(QStringLiteral("Name"));
  label.resize(100, 20);
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&label, &press);
  EXPECT_TRUE(press.isAccepted());
  // Its picture is transparent wherever no text is drawn.
  EXPECT_EQ(qAlpha(label.Picture().pixel(99, 0)), 0);
}

QImage Grab(QWidget& control, QSize size) {
  control.resize(size);
  return control.grab().toImage();
}

TEST_F(ControlTest, EveryControlLooksAsItsGoldens) {
  PillButton button;
  button.SetText(QStringLiteral("Background options"));
  EXPECT_TRUE(MatchesGolden(Grab(button, {150, 30}), "pill_button_normal", kWithText));
  PillButton previous;
  previous.SetSymbol(kSymbolArrowLeft);
  EXPECT_TRUE(MatchesGolden(Grab(previous, {50, 30}), "pill_button_arrow_left", kExact));

  Slider slider;
  slider.SetPosition(0.3f);
  EXPECT_TRUE(MatchesGolden(Grab(slider, {160, 14}), "slider", kExact));
  // The strips' colours in each mode are checked against the tint itself above.
  ColourStripSlider centred;
  centred.SetMode(0);
  centred.SetPosition(0.0f);
  EXPECT_TRUE(MatchesGolden(Grab(centred, {200, 25}), "colour_strip_slider_hue", kExact));

  ColourButton swatch;
  swatch.SetColour(MakeColourRef(200, 40, 60));
  EXPECT_TRUE(MatchesGolden(Grab(swatch, {40, 24}), "colour_button", kExact));
  ColourLine line;
  EXPECT_TRUE(MatchesGolden(Grab(line, {140, 42}), "colour_line", kExact));

  FieldNameLabel label;
  label.SetText(QStringLiteral("Company Name"));
  EXPECT_TRUE(MatchesGolden(Grab(label, {120, 20}), "field_name_label", kWithText));

  HueSlider hue;
  hue.SetPosition(0.6f);
  EXPECT_TRUE(MatchesGolden(Grab(hue, {240, 20}), "hueslider", kExact));

  SaturationLightnessSquare square;
  square.SetHue(0.6f);
  square.SetSaturation(0.75f);
  square.SetLightness(0.4f);
  EXPECT_TRUE(MatchesGolden(Grab(square, {240, 160}), "saturation_lightness_square", kExact));

  HueLightnessPicker palette;
  EXPECT_TRUE(MatchesGolden(Grab(palette, {240, 170}), "hue_lightness_picker", kExact));
}

}  // namespace
}  // namespace tavolo
