// Card properties: the dialog and the command recording the change as one step.
#include <QComboBox>
#include <QLineEdit>

#include "tests/ui/DialogFixture.h"
#include "tests/ui/WidgetTest.h"
#include "ui/app/EditCommands.h"
#include "ui/dialogs/CardPropertiesDialog.h"

namespace tavolo {
namespace {

class CardPropertiesDialogTest : public test::ControlTest {
 protected:
  test::Script script_;
  test::ScriptedPrompts prompts_{script_};
};

void Retype(QLineEdit& edit, const QString& text) {
  edit.clear();
  QTest::keyClicks(&edit, text);
}

// A unit or a resolution changes how the size is shown, never the pixels; a typed size is taken
// in its unit.
TEST_F(CardPropertiesDialogTest, ATypedSizeIsTakenInItsUnitAndTheCardsResolutionIsListed) {
  CardPropertiesDialog dialog(nullptr, prompts_);
  dialog.show();
  EXPECT_EQ(dialog.Resolution().currentText(), QStringLiteral("300"));
  dialog.WidthUnit().setCurrentIndex(0);
  dialog.Resolution().setCurrentText(QStringLiteral("600"));
  EXPECT_EQ(dialog.WidthEdit().text(), QStringLiteral("1.77"));
  EXPECT_EQ(dialog.HeightEdit().text(), QStringLiteral("615"));
  dialog.WidthUnit().setCurrentIndex(1);
  Retype(dialog.WidthEdit(), QStringLiteral("2"));
  EXPECT_NEAR(dialog.Choice().width, 472.44f, 0.01f);
  Retype(dialog.HeightEdit(), QStringLiteral("300"));  // still in pixels
  EXPECT_EQ(dialog.Choice().height, 300.0f);
  dialog.WidthUnit().setCurrentIndex(3);
  EXPECT_EQ(dialog.WidthEdit().text(), QStringLiteral("472.441"));

  // The card's own resolution is listed last and selected.
  CardState card;
  card.dpi = 72;
  card.widthUnit = 2;
  CardPropertiesDialog own(&card, prompts_);
  ASSERT_EQ(own.Resolution().count(), 5);
  EXPECT_EQ(own.Resolution().itemText(4), QStringLiteral("72"));
  EXPECT_EQ(own.Resolution().currentIndex(), 4);
  EXPECT_EQ(own.WidthUnit().currentIndex(), 2);
  EXPECT_EQ(own.WidthEdit().text(), QStringLiteral("374.65"));
}

// Which sizes and resolutions are refused, and the words, are the engine's (option_inputs_test);
// here a refusal and a text that is no number, each told with the dialog left open.
TEST_F(CardPropertiesDialogTest, ImpossibleSizesAreRefusedAndTheDialogStaysOpen) {
  const std::pair<const char*, const char*> cases[] = {{"0", "at least one pixel"},
                                                       {"abc", "Please enter a number."}};
  for (const auto& [width, says] : cases) {
    script_.told.clear();
    CardPropertiesDialog dialog(nullptr, prompts_);
    dialog.show();
    Retype(dialog.WidthEdit(), QString::fromLatin1(width));
    dialog.accept();
    ASSERT_EQ(script_.told.size(), 1) << width;
    EXPECT_TRUE(script_.told[0].contains(QString::fromLatin1(says)))
        << script_.told[0].toStdString();
    EXPECT_TRUE(dialog.isVisible()) << width;
  }
}

TEST_F(CardPropertiesDialogTest, CardPropertiesRecordsOneStepOnOkAndNothingOnCancel) {
  test::DialogFixture fx;
  const CardState before = fx.document.Live();
  const int steps = fx.document.History().UndoCount();
  fx.script.dialog = [](QDialog& d) {
    Retype(dynamic_cast<CardPropertiesDialog&>(d).WidthEdit(), QStringLiteral("2000"));
  };
  EXPECT_FALSE(EditCardProperties(nullptr, fx.prompts, fx.preview));
  EXPECT_EQ(fx.document.Live(), before);
  EXPECT_EQ(fx.document.History().UndoCount(), steps);

  fx.script.dialog = [](QDialog& d) {
    auto& dialog = dynamic_cast<CardPropertiesDialog&>(d);
    dialog.HeightUnit().setCurrentIndex(0);
    dialog.Resolution().setCurrentText(QStringLiteral("1200"));
    Retype(dialog.WidthEdit(), QStringLiteral("2124"));
    dialog.accept();
  };
  ASSERT_TRUE(EditCardProperties(nullptr, fx.prompts, fx.preview));
  EXPECT_EQ(fx.document.History().UndoCount(), steps + 1);
  const CardState& card = fx.document.Working();
  EXPECT_EQ(card.cardWidth, 2124.0f);
  EXPECT_EQ(card.cardHeight, 615.0f);
  EXPECT_EQ(card.dpi, 1200);
  EXPECT_EQ(card.heightUnit, 0);
  EXPECT_EQ(card.widthUnit, 3);
}

}  // namespace
}  // namespace tavolo
