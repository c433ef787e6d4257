// The main window's "Back side" and Front/Back switch: the editors show the face chosen, the
// menu's checks follow the document, and the print dialog offers "Both sides" for such a card.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTest>

#include "tests/ui/ReportLog.h"
#include "tests/ui/ScriptedPrompts.h"
#include "tests/ui/TestBackgrounds.h"
#include "ui/app/CommandIds.h"
#include "ui/app/FieldPanel.h"
#include "ui/app/MainWindow.h"

namespace tavolo {
namespace {

class BackSideWindow : public test::ControlTest {
 protected:
  void SetUp() override {
    window_ =
        std::make_unique<MainWindow>(table_, std::make_unique<test::ScriptedPrompts>(script_));
    window_->resize(1280, 800);
    window_->Start();
    window_->show();
  }
  void Trigger(int id) { window_->Action(id)->trigger(); }
  bool Checked(int id) { return window_->Action(id)->isChecked(); }
  QString FirstLine() {
    return window_->Fields().Editor(0)->toPlainText().split(QLatin1Char('\n')).front();
  }
  void Retype(const QString& text) {
    QPlainTextEdit* editor = window_->Fields().Editor(0);
    editor->setFocus();
    editor->selectAll();
    QTest::keyClicks(editor, text);
  }

  BackgroundTable table_ = test::SyntheticBackgrounds(8, 0.1f);
  test::Script script_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(BackSideWindow, TheSwitchShowsEachFaceInTheEditorsAndTheMenuFollows) {
  EXPECT_FALSE(Checked(kCmdBackSide));
  EXPECT_TRUE(Checked(kCmdShowFront));
  EXPECT_FALSE(window_->Action(kCmdShowBack)->isEnabled());
  Retype(QStringLiteral("Front"));

  Trigger(kCmdBackSide);
  EXPECT_TRUE(Checked(kCmdBackSide) && Checked(kCmdShowBack) && !Checked(kCmdShowFront));
  Retype(QStringLiteral("Back"));
  EXPECT_EQ(FirstLine(), QStringLiteral("Back"));

  Trigger(kCmdShowFront);
  EXPECT_EQ(FirstLine(), QStringLiteral("Front"));
  EXPECT_TRUE(Checked(kCmdShowFront) && !Checked(kCmdShowBack));
  Trigger(kCmdShowFront);  // already shown: the check stays
  EXPECT_TRUE(Checked(kCmdShowFront));
  Trigger(kCmdShowBack);
  EXPECT_EQ(FirstLine(), QStringLiteral("Back"));

  const CardState card = window_->Document().Card();
  EXPECT_EQ(card.lines[0].line[0], QStringLiteral("Front"));
  ASSERT_TRUE(card.back.Has());
  EXPECT_EQ(card.back.Face().lines[0].line[0], QStringLiteral("Back"));

  // Switching the back off shows the front; Undo brings the back again.
  Trigger(kCmdBackSide);
  EXPECT_FALSE(Checked(kCmdBackSide));
  EXPECT_EQ(FirstLine(), QStringLiteral("Front"));
  Trigger(kCmdUndo);
  EXPECT_TRUE(Checked(kCmdBackSide));
}

}  // namespace
}  // namespace tavolo
