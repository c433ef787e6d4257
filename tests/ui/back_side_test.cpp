// The main window's "Back side" and Front/Back switch.
#include <QAction>
#include <QPlainTextEdit>

#include "tests/ui/ShownWindow.h"
#include "ui/app/CommandIds.h"
#include "ui/app/FieldPanel.h"

namespace tavolo {
namespace {

using BackSideWindow = test::ControlTest;

TEST_F(BackSideWindow, TheSwitchShowsEachFaceInTheEditorsAndTheMenuFollows) {
  test::ShownWindow shown;
  MainWindow& window = shown.window;
  const auto checked = [&](int id) { return window.Action(id)->isChecked(); };
  QPlainTextEdit* editor = window.Fields().Editor(0);
  const auto retype = [&](const QString& text) {
    editor->selectAll();
    QTest::keyClicks(editor, text);
  };
  EXPECT_FALSE(checked(kCmdBackSide) || window.Action(kCmdShowBack)->isEnabled());
  retype(QStringLiteral("Front"));

  window.Action(kCmdBackSide)->trigger();
  EXPECT_TRUE(checked(kCmdBackSide) && checked(kCmdShowBack) && !checked(kCmdShowFront));
  editor = window.Fields().Editor(0);
  retype(QStringLiteral("Back"));
  window.Action(kCmdShowFront)->trigger();
  EXPECT_TRUE(checked(kCmdShowFront) && !checked(kCmdShowBack));
  EXPECT_EQ(window.Fields().Editor(0)->toPlainText(), QStringLiteral("Front"));
  const CardState card = window.Document().Card();
  ASSERT_TRUE(card.back.Has());
  EXPECT_EQ(card.back.Face().lines[0].line[0], QStringLiteral("Back"));

  // Switching the back off shows the front; Undo brings the back again.
  window.Action(kCmdBackSide)->trigger();
  EXPECT_FALSE(checked(kCmdBackSide));
  window.Action(kCmdUndo)->trigger();
  EXPECT_TRUE(checked(kCmdBackSide));
}

}  // namespace
}  // namespace tavolo
