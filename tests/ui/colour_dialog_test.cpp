// Color Options.
#include <QLineEdit>
#include <QMouseEvent>

#include "tests/ui/DialogFixture.h"
#include "tests/ui/WidgetTest.h"
#include "ui/app/EditCommands.h"
#include "ui/controls/HueLightnessPicker.h"
#include "ui/controls/HueSlider.h"
#include "ui/controls/SaturationLightnessSquare.h"
#include "ui/dialogs/ColourDialog.h"

namespace tavolo {
namespace {

using test::DialogFixture;

class ColourDialogTest : public test::ControlTest {
 protected:
  // A card whose used boxes have coloured text and frames, to see what the dialog changes.
  void SetUp() override {
    test::RecordChange(fx.document, [](CardState& card) {
      for (TextBoxStyle& style : card.styles) {
        style.textColour = {30, 200, 100};
        style.brightness = 0.6f;
        style.frameColour = {150, 100, 200};
      }
      card.backgroundColour = {40, 200, 30};
      card.bgBrightness = 0.25f;
    });
  }

  QString Numbers(const ColourDialog& dialog) const {
    return dialog.ChannelEdit(0).text() + " " + dialog.ChannelEdit(1).text() + " " +
           dialog.ChannelEdit(2).text();
  }

  DialogFixture fx;
};

TEST_F(ColourDialogTest, OpeningChangesNothingUntilAPickAndCancelRestoresTheCard) {
  const CardState before = fx.document.Live();
  const int steps = fx.document.History().UndoCount();
  for (const ColourTarget target :
       {ColourTarget::kText, ColourTarget::kFrame, ColourTarget::kBackground}) {
    ColourDialog dialog(fx.preview, target);
    dialog.show();
    QTest::qWait(ColourDialog::kTickMs + 50);
    EXPECT_EQ(fx.document.Live(), before) << static_cast<int>(target);
    QTest::mouseClick(&dialog.Palette(), Qt::LeftButton, Qt::NoModifier,
                      HLPickerCellRect(10, 8, dialog.Palette().size()).center());
    EXPECT_NE(fx.document.Live(), before) << static_cast<int>(target);
    dialog.reject();
    EXPECT_EQ(fx.document.Live(), before) << static_cast<int>(target);
  }
  EXPECT_EQ(fx.document.History().UndoCount(), steps);
  ColourDialog text(fx.preview, ColourTarget::kText);
  EXPECT_EQ(text.windowTitle(), QStringLiteral("Color Options: 'Text Colors'"));
  EXPECT_EQ(text.CurrentColour(), (HslColour{30, 200, 144}));
}

TEST_F(ColourDialogTest, ANumberAbove255ReadsBackAs255WithinOneTickAsARedSwatchShows) {
  ColourDialog dialog(fx.preview, ColourTarget::kText);
  dialog.show();
  dialog.ChannelEdit(1).setText(QStringLiteral("0"));
  dialog.ChannelEdit(2).setText(QStringLiteral("0"));
  dialog.ChannelEdit(0).clear();
  QTest::keyClicks(&dialog.ChannelEdit(0), QStringLiteral("300"));
  QTest::qWait(ColourDialog::kTickMs + 50);
  EXPECT_EQ(Numbers(dialog), QStringLiteral("255 0 0"));
  EXPECT_EQ(dialog.CurrentColour(), (HslColour{0, 240, 120}));
  EXPECT_EQ(fx.document.Live().styles[0].textColour, (HslColour{0, 240, 120}));
  EXPECT_FLOAT_EQ(dialog.HueStrip().Position(), 0.0f);
  dialog.reject();

  // A pure red swatch shows its numbers and moves the markers.
  ColourDialog frame(fx.preview, ColourTarget::kFrame);
  frame.show();
  HueLightnessPicker& palette = frame.Palette();
  // Row 10 holds hue 0; column 8 lightness 120.
  const QPoint red = HLPickerCellRect(10, 8, palette.size()).center();
  QTest::mouseClick(&palette, Qt::LeftButton, Qt::NoModifier, red);
  EXPECT_EQ(Numbers(frame), QStringLiteral("255 0 0"));
  EXPECT_FLOAT_EQ(frame.HueStrip().Position(), 0.0f);
  EXPECT_FLOAT_EQ(frame.Square().Saturation(), 1.0f);
  EXPECT_FLOAT_EQ(frame.Square().Lightness(), 0.5f);
  EXPECT_EQ(fx.document.Live().styles[0].frameColour, (HslColour{0, 240, 120}));
  frame.reject();
}

// The background colour starts at the card's brightness.
TEST_F(ColourDialogTest, DraggingTheSquareAndTheHueStripChangeTheColourAndOkKeepsIt) {
  ColourDialog dialog(fx.preview, ColourTarget::kBackground);
  EXPECT_EQ(dialog.CurrentColour(), (HslColour{40, 200, 60}));
  EXPECT_FLOAT_EQ(dialog.Square().Lightness(), 0.25f);
  dialog.show();
  SaturationLightnessSquare& square = dialog.Square();
  QTest::mouseClick(&square, Qt::LeftButton, Qt::NoModifier,
                    QPoint(square.width(), square.height() / 2));
  EXPECT_FLOAT_EQ(dialog.CurrentColour().s, 240.0f);
  HueSlider& hue = dialog.HueStrip();
  QTest::mouseClick(&hue, Qt::LeftButton, Qt::NoModifier, QPoint(hue.width() / 3, 5));
  EXPECT_NEAR(dialog.CurrentColour().h, 239.0f / 3, 0.5f);
  EXPECT_EQ(fx.document.Live().backgroundColour, dialog.CurrentColour());
  EXPECT_FLOAT_EQ(dialog.Square().Hue(), dialog.CurrentColour().h / 239.0f);
  dialog.reject();

  // OK keeps the colour as one step, and numbers typed just before it count.
  const int steps = fx.document.History().UndoCount();
  fx.script.dialog = [](QDialog& d) {
    auto& dialog = dynamic_cast<ColourDialog&>(d);
    dialog.ChannelEdit(0).setText(QStringLiteral("0"));
    dialog.ChannelEdit(1).setText(QStringLiteral("0"));
    dialog.ChannelEdit(2).setText(QStringLiteral("255"));
    dialog.accept();
  };
  ASSERT_TRUE(EditColours(nullptr, fx.prompts, fx.preview, ColourTarget::kBackground));
  EXPECT_EQ(fx.document.History().UndoCount(), steps + 1);
  EXPECT_EQ(fx.document.Working().backgroundColour, (HslColour{160, 240, 120}));
  EXPECT_FLOAT_EQ(fx.document.Working().bgBrightness, 0.5f);
}

}  // namespace
}  // namespace tavolo
