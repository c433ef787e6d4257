// The main window's "Back side" and Front/Back switch.
#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>

#include "tests/ui/ShownWindow.h"
#include "ui/app/CommandIds.h"
#include "ui/app/FieldPanel.h"
#include "ui/app/MainWindowPlacement.h"
#include "ui/card/FaceSwitch.h"

namespace tavolo {
namespace {

using BackSideWindow = test::ControlTest;

TEST_F(BackSideWindow, TheSwitchShowsEachFaceInTheEditorsAndTheMenuFollows) {
  test::ShownWindow shown;
  MainWindow& window = shown.window;
  const auto checked = [&](int id) { return window.Action(id)->isChecked(); };
  // The Front/Back switch above the card and the title say which face is edited.
  auto* faces = qobject_cast<FaceSwitch*>(window.Control(kFaceSwitch));
  ASSERT_NE(faces, nullptr);
  QPushButton* front = faces->Button(CardFace::kFront);
  QPushButton* back = faces->Button(CardFace::kBack);
  const auto shows = [&](bool onBack) {
    return front->isChecked() == !onBack && back->isChecked() == onBack &&
           window.windowTitle().endsWith(QStringLiteral(" (back)")) == onBack;
  };
  EXPECT_TRUE(faces->isVisible() && shows(false) && !back->isEnabled());
  QPlainTextEdit* editor = window.Fields().Editor(0);
  const auto retype = [&](const QString& text) {
    editor->selectAll();
    QTest::keyClicks(editor, text);
  };
  EXPECT_FALSE(checked(kCmdBackSide) || window.Action(kCmdShowBack)->isEnabled());
  retype(QStringLiteral("Front"));

  window.Action(kCmdBackSide)->trigger();
  EXPECT_TRUE(checked(kCmdBackSide) && checked(kCmdShowBack) && !checked(kCmdShowFront));
  EXPECT_TRUE(shows(true) && back->isEnabled());
  editor = window.Fields().Editor(0);
  retype(QStringLiteral("Back"));
  QTest::mouseClick(front, Qt::LeftButton);
  EXPECT_TRUE(checked(kCmdShowFront) && !checked(kCmdShowBack) && shows(false));
  EXPECT_EQ(window.Fields().Editor(0)->toPlainText(), QStringLiteral("Front"));
  const CardState card = window.Document().Card();
  ASSERT_TRUE(card.back.Has());
  EXPECT_EQ(card.back.Face().lines[0].line[0], QStringLiteral("Back"));
  QTest::mouseClick(back, Qt::LeftButton);
  EXPECT_TRUE(checked(kCmdShowBack) && shows(true));
  EXPECT_EQ(window.Fields().Editor(0)->toPlainText(), QStringLiteral("Back"));

  // Switching the back off shows the front; Undo brings the back again.
  window.Action(kCmdBackSide)->trigger();
  EXPECT_FALSE(checked(kCmdBackSide));
  window.Action(kCmdUndo)->trigger();
  EXPECT_TRUE(checked(kCmdBackSide));
}

}  // namespace
}  // namespace tavolo
