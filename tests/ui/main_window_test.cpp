// The main window: the field panel, recording, its commands, dropped files and closing.
#include <QAction>
#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>

#include "core/base/ProgramFolder.h"
#include "core/card/BackgroundTable.h"
#include "core/formats/ProjectFile.h"
#include "tests/ui/WidgetTest.h"
#include "ui/app/CommandIds.h"
#include "ui/app/FieldCaption.h"
#include "ui/app/FieldPanel.h"
#include "ui/app/MainWindow.h"
#include "ui/app/MainWindowPlacement.h"
#include "ui/base/FileFilter.h"
#include "ui/base/FileFolders.h"
#include "ui/base/RecentProjects.h"
#include "ui/card/CardPreview.h"
#include "ui/choosers/BackgroundChooser.h"
#include "ui/controls/ColourLine.h"
#include "ui/controls/ColourStripSlider.h"
#include "ui/controls/PillButton.h"
#include "ui/dialogs/ContactDetailsDialog.h"
#include "ui/dialogs/TextOptionsDialog.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;
using test::PathText;
using test::Script;
using test::TempFolder;

// Layout 3 (Alt+3) has three text boxes; layout 1 has five.
constexpr int kThreeBoxLayout = 2;

// A small picture saved as a PNG file.
void WritePng(const fs::path& path) {
  ASSERT_TRUE(RasterImage(*test::SyntheticBackgrounds(1).Image(0)).Save(path, kFormatPng));
}

class MainWindowTest : public test::ControlTest {
 protected:
  void SetUp() override {
    window_ =
        std::make_unique<MainWindow>(table_, std::make_unique<test::ScriptedPrompts>(script_));
    window_->resize(1280, 800);
    window_->Start();
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  MainWindow& Window() { return *window_; }
  CardDocument& Doc() { return window_->Document(); }
  int Steps() { return Doc().History().UndoCount(); }
  void Trigger(int id) {
    QAction* action = window_->Action(id);
    ASSERT_NE(action, nullptr) << id;
    action->trigger();
  }
  bool Enabled(int id) { return window_->Action(id)->isEnabled(); }
  std::pair<bool, bool> UndoRedo() { return {Enabled(kCmdUndo), Enabled(kCmdRedo)}; }
  QPlainTextEdit* Editor(int box) { return window_->Fields().Editor(box); }
  QStringList Lines(int box) { return Editor(box)->toPlainText().split('\n'); }
  // Types at the end of the box's text, a key at a time, as the user does.
  void Type(int box, const QString& text) {
    QPlainTextEdit* editor = Editor(box);
    editor->setFocus();
    editor->moveCursor(QTextCursor::End);
    QTest::keyClicks(editor, text);
  }
  template <class Control>
  Control* Find(int id) {
    return qobject_cast<Control*>(window_->Control(id));
  }
  // The Window menu's entries that open a text field's options.
  int FieldEntries() {
    const QList<QAction*> actions = window_->MenuOf(MainWindow::Menu::Window)->actions();
    return std::count_if(actions.begin(), actions.end(), [](QAction* action) {
      return action->data().toInt() >= kCmdTextField1 &&
             action->data().toInt() < kCmdTextField1 + 5;
    });
  }

  BackgroundTable table_ = test::SyntheticBackgrounds(8, 0.1f);
  Script script_;
  std::unique_ptr<MainWindow> window_;
};

// Whatever the size: the chooser, the preview and the field panel side by side across the whole
// width; the buttons and sliders in a row above the preview, apart; the layouts below it; each
// box its caption above its editor in the panel's height.
TEST(MainWindowPlacement, ControlsTileTheClientAreaWithoutOverlapAtEverySize) {
  for (const QSize client : {QSize(1280, 800), QSize(750, 500), QSize(1001, 677)}) {
    const MainWindowPlacement p = PlaceMainWindowControls(client);
    const QRect across[] = {QRect(-1, 0, 1, 1), p.backgrounds, p.preview, p.fieldPanel};
    const QRect top[] = {p.prev, p.next, p.backgroundOptions, p.hue, p.saturation, p.lightness};
    for (int i = 1; i < 4; ++i) EXPECT_EQ(across[i - 1].right() + 1, across[i].left()) << i;
    for (int i = 1; i < 6; ++i) EXPECT_LT(top[i - 1].right() + 4, top[i].left()) << i;
    EXPECT_EQ(p.fieldPanel.right() + 1, client.width());
    EXPECT_EQ(p.hue.width(), p.lightness.width());
    EXPECT_LE(p.lightness.right(), p.preview.right());
    EXPECT_LT(p.lightness.bottom(), p.faceSwitch.top());
    EXPECT_EQ(p.faceSwitch.translated(0, p.faceSwitch.height()).topLeft(), p.preview.topLeft());
    EXPECT_EQ(p.faceSwitch.width(), p.preview.width());
    EXPECT_GT(p.layouts.top(), p.preview.bottom());
    EXPECT_EQ(p.layouts.width(), client.width());
    for (int count = 1; count <= 5; ++count) {
      int next = p.fieldPanel.top();
      for (int box = 0; box < count; ++box) {
        const QRect caption = FieldCaptionRect(p.fieldPanel, count, box);
        const QRect editor = FieldEditorRect(p.fieldPanel, count, box);
        EXPECT_EQ(caption.top(), next);
        EXPECT_EQ(caption.bottom() + 1, editor.top());
        EXPECT_EQ(editor.width(), p.fieldPanel.width());
        next = editor.bottom() + 1;
      }
      EXPECT_GT(next + count, p.fieldPanel.bottom() + 1);  // the rest of a whole slot at most
    }
  }
}

TEST_F(MainWindowTest, ControlsStandWhereThePlacementSaysAtEverySizeDownToTheMinimum) {
  for (const QSize size : {QSize(1280, 800), QSize(600, 400)}) {
    Window().resize(size);
    QApplication::processEvents();
    EXPECT_GE(Window().width(), 750);
    EXPECT_GE(Window().height(), 500);
    const MainWindowPlacement p = PlaceMainWindowControls(Window().Client().size());
    const std::pair<int, QRect> expected[] = {
        {kPrevButton, p.prev},
        {kNextButton, p.next},
        {kBackgroundOptionsButton, p.backgroundOptions},
        {kHueSlider, p.hue},
        {kSaturationSlider, p.saturation},
        {kLightnessSlider, p.lightness},
        {kBackgroundChooser, p.backgrounds},
        {kFaceSwitch, p.faceSwitch},
        {kPreview, p.preview},
        {kLayoutChooser, p.layouts},
        {kFirstFieldEditor + 4, FieldEditorRect(p.fieldPanel, 5, 4)},
        {kFirstFieldCaption + 4, FieldCaptionRect(p.fieldPanel, 5, 4)},
    };
    for (const auto& [id, rect] : expected) {
      ASSERT_NE(Window().Control(id), nullptr) << id;
      EXPECT_EQ(Window().Control(id)->geometry(), rect) << id << " at " << size.width();
    }
  }
}

TEST_F(MainWindowTest, AThreeBoxLayoutHasThreeEditorsCaptionsAndWindowEntriesAndKeepsItsText) {
  EXPECT_EQ(FieldEntries(), 5);
  Trigger(kCmdLayout1 + kThreeBoxLayout);
  EXPECT_EQ(Window().Fields().Count(), 3);
  for (int box = 0; box < 5; ++box) {
    EXPECT_EQ(Window().Control(kFirstFieldEditor + box) != nullptr, box < 3) << box;
    auto* caption = Find<FieldCaption>(kFirstFieldCaption + box);
    EXPECT_EQ(caption ? caption->Caption() : "none",
              box < 3 ? QStringLiteral("Field %1").arg(box + 1) : "none");
  }
  EXPECT_EQ(FieldEntries(), 3);
  for (int n = 0; n < 10; ++n) {
    EXPECT_EQ(Window().Action(kCmdLayout1 + n)->isChecked(), n == kThreeBoxLayout) << n;
  }
  EXPECT_EQ(Doc().Working().layoutIndex, kThreeBoxLayout);

  // Which text each layout shows is the document's rule; the editors show what it hands them.
  Type(1, "!");
  QTest::keyClick(&Window(), Qt::Key_1, Qt::AltModifier);
  EXPECT_EQ(Doc().Layout().Current(), 0);
  Trigger(kCmdLayout1 + kThreeBoxLayout);
  EXPECT_EQ(Lines(1), (QStringList{"Name", "Title!"}));
}

TEST_F(MainWindowTest, ContactDetailsShowTheCorrectedFieldsAndOkRedistributesThemInOneStep) {
  Type(0, " Ltd");
  QString shownCompany;
  script_.dialog = [&](QDialog& dialog) {
    auto& details = static_cast<ContactDetailsDialog&>(dialog);
    shownCompany = details.FieldEditor(0)->text();
    details.FieldEditor(1)->setText(QStringLiteral("Ada Byron"));
    dialog.accept();
  };
  const int steps = Steps();
  Trigger(kCmdContactDetails);
  EXPECT_EQ(shownCompany, "Company Name Ltd");
  EXPECT_EQ(Steps(), steps + 1);
  EXPECT_EQ(Lines(1), (QStringList{"Ada Byron", "Title"}));
}

TEST_F(MainWindowTest, EveryKeystrokeIsAStepCtrlZInAnEditorUndoesTheCardANewCardClearsThem) {
  EXPECT_FALSE(Enabled(kCmdUndo));
  Type(1, "ab");
  Type(2, "c");
  EXPECT_EQ(Steps(), 3);
  EXPECT_EQ(UndoRedo(), std::pair(true, false));
  Editor(1)->setFocus();
  QTest::keyClick(Editor(1), Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(Editor(1), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Steps(), 1);
  EXPECT_EQ(Lines(1), (QStringList{"Name", "Titlea"}));
  EXPECT_EQ(Lines(2).last(), "Zip/Postal Code");
  // The box that was being typed in keeps the keyboard focus across the rebuild.
  EXPECT_TRUE(Editor(1)->hasFocus());
  EXPECT_TRUE(Enabled(kCmdRedo));
  QTest::keyClick(Editor(1), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Lines(1), (QStringList{"Name", "Titleab"}));
  Trigger(kCmdRedo);
  EXPECT_EQ(Lines(2).last(), "Zip/Postal Codec");
  EXPECT_FALSE(Enabled(kCmdRedo));
  Trigger(kCmdUndo);
  Type(0, "x");
  EXPECT_FALSE(Enabled(kCmdRedo));

  // A new blank card starts with nothing to undo or redo.
  Trigger(kCmdUndo);
  ASSERT_EQ(UndoRedo(), std::pair(true, true));
  script_.answers = {QMessageBox::Discard};
  Trigger(kCmdNewBlankProject);
  EXPECT_EQ(UndoRedo(), std::pair(false, false));
  EXPECT_FLOAT_EQ(Find<ColourStripSlider>(kLightnessSlider)->Position(), Doc().Live().lightShift);
  // The tick sits on a thumbnail as white as the blank card, not on background 1's own colour.
  auto* chooser = Find<BackgroundChooser>(kBackgroundChooser);
  const QPoint ticked = chooser->Geometry().Square(chooser->Selected() - chooser->First()).center();
  EXPECT_EQ(chooser->Picture().pixel(ticked), qRgb(255, 255, 255));
}

TEST_F(MainWindowTest, ASliderDragAHeldKeyOrAPickedBackgroundIsOneStepWhateverItsLength) {
  auto* hue = Find<ColourStripSlider>(kHueSlider);
  auto* saturation = Find<ColourStripSlider>(kSaturationSlider);
  const float hueShift = Doc().Live().hueShift;
  QTest::mousePress(hue, Qt::LeftButton, {}, QPoint(10, 10));
  for (int x = 20; x < 200; x += 15) test::SendMouse(*hue, QEvent::MouseMove, {x, 10});
  EXPECT_EQ(Steps(), 0);
  EXPECT_NE(Doc().Live().hueShift, hueShift);
  // The saturation strip follows the hue.
  EXPECT_FLOAT_EQ(saturation->Hue(), (hue->Position() + 0.5f) * 239.0f);
  QTest::mouseRelease(hue, Qt::LeftButton, {}, QPoint(185, 10));
  EXPECT_EQ(Steps(), 1);
  EXPECT_FLOAT_EQ(Doc().Working().hueShift, hue->Position() - 0.1f);

  auto* lightness = Find<ColourStripSlider>(kLightnessSlider);
  lightness->setFocus();
  for (int repeat = 0; repeat < 4; ++repeat) {
    QTest::keyPress(lightness, Qt::Key_Left, Qt::NoModifier);
  }
  QTest::keyRelease(lightness, Qt::Key_Left, Qt::NoModifier);
  EXPECT_EQ(Steps(), 2);
  EXPECT_FLOAT_EQ(Doc().Working().lightShift, 0.3f);
  Trigger(kCmdUndo);
  EXPECT_FLOAT_EQ(lightness->Position(), 0.5f);

  // Picking a background resets the tint and is one step; the sliders show it.
  test::RecordChange(Doc(), [](CardState& card) { card.satShift = 0.2f; });
  const int steps = Steps();
  auto* chooser = Find<BackgroundChooser>(kBackgroundChooser);
  QTest::mouseClick(chooser, Qt::LeftButton, {}, chooser->Geometry().Square(3).center());
  EXPECT_EQ(Steps(), steps + 1);
  EXPECT_EQ(Doc().Working().backgroundIndex, 3);
  EXPECT_FLOAT_EQ(Find<ColourStripSlider>(kSaturationSlider)->Position(), Doc().Live().satShift);
  Trigger(kCmdUndo);
  EXPECT_EQ(chooser->Selected(), 1);
}

TEST_F(MainWindowTest, ACaptionTurnsRedNamingALineTooWideForItsBoxWhileItDoesNotShrinkToFit) {
  const auto toggleShrinkToFit = [this] {
    script_.dialog = [](QDialog& dialog) {
      QTest::mouseClick(dialog.findChild<QWidget*>("1026"), Qt::LeftButton);
      QTest::mouseClick(dialog.findChild<QWidget*>("1"), Qt::LeftButton);
    };
    Trigger(kCmdTextField1);
  };
  const auto caption = [this] { return Find<FieldCaption>(kFirstFieldCaption); };
  toggleShrinkToFit();  // a new card shrinks every box: this one no longer
  EXPECT_FALSE(caption()->IsMarked());
  // Typed text that looks like markup is named as typed.
  const QString wide = QStringLiteral("<b>") + QString(60, QLatin1Char('W'));
  Type(0, wide);
  EXPECT_TRUE(caption()->IsMarked());
  EXPECT_TRUE(caption()->toolTip().contains("Line too wide for its box: "));
  EXPECT_TRUE(caption()->toolTip().contains(wide.toHtmlEscaped()));
  EXPECT_FALSE(Find<FieldCaption>(kFirstFieldCaption + 1)->IsMarked());

  toggleShrinkToFit();  // the line is drawn smaller and fits
  EXPECT_FALSE(caption()->IsMarked());
  EXPECT_EQ(caption()->toolTip(), "Push to change text and frame options");
  Trigger(kCmdUndo);
  EXPECT_TRUE(caption()->IsMarked());
}

// The dialogs' own tests check every control and every way to close them; here the commands:
// the caption blinks while its dialog is open, Escape leaves the card and its steps, OK is one.
TEST_F(MainWindowTest, TextOptionsCloseRecordsOneStepAndEscapeRestoresTheStyleExactly) {
  const CardState before = Doc().Live();
  bool blinking = false;
  script_.dialog = [&](QDialog& dialog) {
    blinking = Find<FieldCaption>(kFirstFieldCaption + 1)->IsHighlighted();
    dialog.findChild<QWidget*>("1016")->setFocus();
    QTest::keyClick(dialog.findChild<QWidget*>("1016"), Qt::Key_Space);  // frame "Left"
    auto* color = dialog.findChild<ColourLine*>("1013");
    QTest::mouseClick(color, Qt::LeftButton, {}, QPoint(5, 5));  // the first hue
    QTest::keyClick(&dialog, Qt::Key_Escape);
  };
  Trigger(kCmdTextField1 + 1);
  EXPECT_TRUE(blinking);
  EXPECT_FALSE(Find<FieldCaption>(kFirstFieldCaption + 1)->IsHighlighted());
  EXPECT_EQ(Doc().Live(), before);
  EXPECT_EQ(Steps(), 0);

  script_.dialog = [&](QDialog& dialog) {
    QTest::keyClick(dialog.findChild<QWidget*>("1016"), Qt::Key_Space);
    QTest::mouseClick(dialog.findChild<QWidget*>("1"), Qt::LeftButton);
  };
  // The caption button opens the same dialog as the menu entry.
  QTest::mouseClick(Find<FieldCaption>(kFirstFieldCaption + 1), Qt::LeftButton);
  EXPECT_EQ(Steps(), 1);
  EXPECT_EQ(Doc().Working().styles[1].frameMode, kFrameLeft);

  // Background Options from its button and from the menu.
  script_.dialog = [](QDialog& dialog) { dialog.close(); };
  QTest::mouseClick(Find<PillButton>(kBackgroundOptionsButton), Qt::LeftButton, {}, QPoint(80, 15));
  Trigger(kCmdBackgroundOptions);
  EXPECT_EQ(script_.dialogsRun, 4);
}

TEST_F(MainWindowTest, LoadingADamagedFileKeepsTheCardAndSaysSo) {
  TempFolder folder;
  CardState other = Doc().Working();
  other.layoutIndex = 4;
  other.boxCount = 4;
  other.lines[0].line[0] = "Loaded";
  other.backgroundIndex = 3;
  other.hueShift = 0.2f;
  // The damaged section appended below is then the file's only one.
  other.contact.reset();
  other.shrinkToFit.reset();
  ASSERT_TRUE(WriteProject(folder / "good.tvc", other, table_).Ok());
  std::vector<uint8_t> bytes = test::ReadFileBytes(folder / "good.tvc");
  test::WriteFileBytes(folder / "cut.tvc", {bytes.begin(), bytes.begin() + 40});
  std::vector<uint8_t> newer = bytes;
  newer[4] = 99;  // the first section's sub-version
  test::WriteFileBytes(folder / "newer.tvc", newer);

  Type(0, "!");
  const CardState before = Doc().Working();
  const int steps = Steps();
  script_.paths = {PathText(folder / "cut.tvc")};
  script_.answers = {QMessageBox::Discard};
  QTest::keyClick(Editor(0), Qt::Key_L, Qt::ControlModifier);
  EXPECT_EQ(script_.fileDialogs.back().filter, "TVC files (*.tvc)");
  EXPECT_EQ(script_.told, QStringList{"File could not be opened"});
  EXPECT_EQ(Doc().Working(), before);
  EXPECT_EQ(Steps(), steps);
  EXPECT_TRUE(Window().isVisible());

  // A file of a newer version is taken as far as this version reads it, and says so.
  script_.told.clear();
  EXPECT_TRUE(Window().OpenProject(folder / "newer.tvc"));
  EXPECT_EQ(script_.told, QStringList{"File could not be opened by this version of the software."});

  script_.told.clear();
  ASSERT_TRUE(Window().OpenProject(folder / "good.tvc"));
  EXPECT_TRUE(script_.told.empty());
  EXPECT_EQ(Lines(0), QStringList{"Loaded"});
  EXPECT_EQ(Window().Fields().Count(), 4);
  EXPECT_TRUE(Window().Action(kCmdLayout1 + 4)->isChecked());
  EXPECT_EQ(Find<BackgroundChooser>(kBackgroundChooser)->Selected(), 3);
  EXPECT_FLOAT_EQ(Find<ColourStripSlider>(kHueSlider)->Position(), 0.1f + 0.2f);

  // A file that is no card at all is told as such and changes nothing.
  script_.told.clear();
  test::WriteFileBytes(folder / "notes.tvc", {'N', 'a', 'm', 'e', ':', ' ', 'A', 'd', 'a'});
  const CardState loaded = Doc().Working();
  EXPECT_FALSE(Window().OpenProject(folder / "notes.tvc"));
  EXPECT_EQ(script_.told, QStringList{"notes.tvc is not a Tavolo card."});
  EXPECT_EQ(Doc().Working(), loaded);
  EXPECT_EQ(Doc().FilePath(), folder / "good.tvc");

  // A damaged section after the card costs only itself, and says so.
  std::vector<uint8_t> tail = bytes;
  tail.insert(tail.end(), {'T', 'V', 'X', 'S', 9, 0, 0, 0, 0, 0, 0, 0});
  test::WriteFileBytes(folder / "tail.tvc", tail);
  ASSERT_TRUE(Window().OpenProject(folder / "tail.tvc"));
  EXPECT_EQ(script_.told.value(1),
            "tail.tvc: the extension section has version 9; the card itself was read whole.");
  EXPECT_EQ(Lines(0), QStringList{"Loaded"});
}

TEST_F(MainWindowTest, OpeningACardNamesWhatItLacksAndWhatCannotBeDrawn) {
  TempFolder folder;
  CardState card = Doc().Working();
  card.logo.name = QStringLiteral("gone.png");
  card.logo.path = card.logo.name;
  card.styles[0].face = QStringLiteral("Zinden Hill");
  card.qrCode = PlacedQrCode{.content = QrContent::kFreeText, .freeText = QString(4000, u'x')};
  ASSERT_TRUE(WriteProject(folder / "lacking.tvc", card, table_).Ok());
  script_.told.clear();
  ASSERT_TRUE(Window().OpenProject(folder / "lacking.tvc"));
  ASSERT_EQ(script_.told.size(), 1);
  for (const char* named : {"gone.png", "Zinden Hill is not installed", "QR code"}) {
    EXPECT_TRUE(script_.told[0].contains(QString::fromLatin1(named)))
        << script_.told[0].toStdString();
  }
  EXPECT_EQ(Doc().Working().styles[0].face, "Zinden Hill");
}

TEST_F(MainWindowTest, SaveSaysWhyItFailedThenWritesTheOpenFileWithoutADialog) {
  TempFolder folder;
  EXPECT_EQ(Window().windowTitle(), "Tavolo[*]");
  EXPECT_FALSE(Window().isWindowModified());
  Type(1, "?");
  EXPECT_TRUE(Window().isWindowModified());
  script_.paths = {PathText(folder / "missing" / "card.tvc"), PathText(folder / "card.tvc"),
                   PathText(folder / "copy.tvc")};
  Trigger(kCmdSaveProject);
  ASSERT_EQ(script_.told.size(), 1);
  EXPECT_TRUE(script_.told[0].contains("card.tvc")) << script_.told[0].toStdString();
  QTest::keyClick(Editor(1), Qt::Key_S, Qt::ControlModifier);
  const FileDialogRequest& asked = script_.fileDialogs.back();
  EXPECT_EQ(asked.title, "Save Project");
  EXPECT_EQ(asked.filter, "tvc files (*.tvc)");
  EXPECT_EQ(asked.defaultSuffix, "tvc");
  EXPECT_EQ(asked.kind, FileKind::kProject);
  EXPECT_EQ(Window().windowTitle(), "card.tvc \u2014 Tavolo[*]");
  EXPECT_FALSE(Window().isWindowModified());

  Type(1, "!");
  Trigger(kCmdSaveProject);
  EXPECT_EQ(script_.fileDialogs.size(), 2u);
  CardState saved;
  ASSERT_TRUE(ReadProject(folder / "card.tvc", saved, table_).Ok());
  EXPECT_EQ(saved.lines[1].line[1], "Title?!");

  Trigger(kCmdSaveProjectAs);
  EXPECT_EQ(script_.fileDialogs.size(), 3u);
  EXPECT_EQ(Doc().FilePath(), folder / "copy.tvc");
  EXPECT_EQ(RecentProjects().mid(0, 2),
            (QStringList{PathText(folder / "copy.tvc"), PathText(folder / "card.tvc")}));
  // Saved: closing asks nothing.
  Window().close();
  EXPECT_TRUE(script_.asked.isEmpty());
  EXPECT_FALSE(Window().isVisible());
}

TEST_F(MainWindowTest, ReplacingOrClosingAModifiedCardAsksFirstAndCancelKeepsEverything) {
  TempFolder folder;
  const fs::path other = folder / "other.tvc";
  ASSERT_TRUE(WriteProject(other, Doc().Working(), table_).Ok());
  const QString saved = PathText(folder / "saved.tvc");
  // The command, the answer, the save dialog's answer after Yes, and whether the command goes on.
  const std::tuple<int, QMessageBox::StandardButton, QString, bool> cases[] = {
      {kCmdNewBlankProject, QMessageBox::Cancel, {}, false},
      {kCmdNewBlankProject, QMessageBox::Discard, {}, true},
      {kCmdNewProject, QMessageBox::Cancel, {}, false},
      {kCmdNewProject, QMessageBox::Discard, {}, true},
      {kCmdLoadProject, QMessageBox::Cancel, {}, false},
      {kCmdLoadProject, QMessageBox::Save, saved, true},
      {kCmdExit, QMessageBox::Cancel, {}, false},
      {kCmdExit, QMessageBox::Save, {}, false},  // the save dialog is cancelled
      {kCmdExit, QMessageBox::Save, PathText(folder / "no/such/card.tvc"), false},
      {kCmdExit, QMessageBox::Discard, {}, true},
      {kCmdExit, QMessageBox::Save, saved, true},
  };
  for (const auto& [command, answer, savedTo, goesOn] : cases) {
    SetUp();
    fs::remove(folder / "saved.tvc");
    Type(0, "!");
    const CardState typed = Doc().Working();
    script_ = {};
    script_.answers = {answer};
    script_.paths = {answer == QMessageBox::Save ? savedTo : PathText(other), PathText(other)};
    // The library is closed without a choice, which changes nothing itself; Escape closes the
    // window as Exit does.
    if (command == kCmdExit) {
      QTest::keyClick(&Window(), Qt::Key_Escape);
    } else {
      Trigger(command);
    }
    EXPECT_EQ(script_.asked, QStringList{"Would you like to save changes before closing?"})
        << command;
    const bool wentOn = command == kCmdNewProject    ? script_.dialogsRun > 0
                        : command == kCmdLoadProject ? script_.fileDialogs.size() == 2
                        : command == kCmdExit        ? !Window().isVisible()
                                                     : !Doc().Modified();
    EXPECT_EQ(wentOn, goesOn) << command << " " << answer;
    EXPECT_TRUE(goesOn || Doc().Working() == typed) << command;
    EXPECT_EQ(fs::exists(folder / "saved.tvc"), savedTo == saved) << command;
    if (!Window().isVisible()) continue;
    // The keyboard is back in the window: Ctrl+Z works at once.
    ASSERT_NE(QApplication::focusWidget(), nullptr) << command;
    EXPECT_TRUE(Window().isAncestorOf(QApplication::focusWidget())) << command;
  }
  CardState written;
  ASSERT_TRUE(ReadProject(folder / "saved.tvc", written, table_).Ok());
  EXPECT_EQ(written.lines[0].line[0], "Company Name!");
  // A card with nothing unsaved is replaced without a question.
  SetUp();
  script_ = {};
  Trigger(kCmdNewBlankProject);
  EXPECT_TRUE(script_.asked.isEmpty());
}

TEST_F(MainWindowTest, ACardFromATemplateIsUnsavedWorkAndEscapeInAnEditorOnlyLeavesIt) {
  const CardState chosen = Doc().Working();
  Window().Start(&chosen);
  EXPECT_TRUE(Window().isWindowModified());
  QTest::keyClick(Editor(0), Qt::Key_Escape);
  EXPECT_TRUE(Window().isVisible());
  EXPECT_EQ(QApplication::focusWidget(), &Window().Preview());
  EXPECT_TRUE(script_.asked.isEmpty());
}

TEST_F(MainWindowTest, RecentProjectsListTheLastEightAndDropAMissingOneWhenChosen) {
  TempFolder folder;
  for (int n = 0; n < 10; ++n) AddRecentProject(PathText(folder / (std::to_string(n) + ".tvc")));
  AddRecentProject(PathText(folder / "3.tvc"));
  QStringList expected;
  for (const char* n : {"3", "9", "8", "7", "6", "5", "4", "2"}) {
    expected << PathText(folder / (std::string(n) + ".tvc"));
  }
  EXPECT_EQ(RecentProjects(), expected);

  QMenu* recent = nullptr;
  for (QAction* action : Window().MenuOf(MainWindow::Menu::File)->actions()) {
    if (action->menu() != nullptr) recent = action->menu();
  }
  ASSERT_NE(recent, nullptr);
  Q_EMIT recent->aboutToShow();
  ASSERT_EQ(recent->actions().size(), kMaxRecentProjects);
  EXPECT_EQ(recent->actions()[0]->text(), "&1 " + expected[0]);
  recent->actions()[0]->trigger();
  QTRY_COMPARE(script_.told.size(), 1);
  EXPECT_EQ(script_.told, QStringList{expected[0] + " was not found. It has been removed from "
                                                    "Recent Projects."});
  EXPECT_EQ(RecentProjects(), expected.mid(1));
}

TEST(FileFolders, DialogsStartInTheLastFolderElsePicturesElseHome) {
  // The commands' filters show the usual conversions; here the spaces and the empty filter.
  EXPECT_EQ(QtFileFilter("Pictures|*.png; *.gif|"), "Pictures (*.png *.gif)");
  EXPECT_EQ(QtFileFilter(""), "");
  TempFolder folder;
  const QString last = PathText(folder / "last"), pictures = PathText(folder / "Pictures");
  fs::create_directories(folder / "last");
  EXPECT_EQ(FirstExistingFolder(PathText(folder / "gone"), pictures, "home"), "home");
  fs::create_directories(folder / "Pictures");
  EXPECT_EQ(FirstExistingFolder(last, pictures, "home"), last);
  EXPECT_EQ(FirstExistingFolder({}, pictures, "home"), pictures);
  RememberFolder(FileKind::kPdf, last + "/sheet.pdf");
  EXPECT_EQ(StartFolder(FileKind::kPdf), last);
  EXPECT_NE(LastFolder(FileKind::kExport), last);
  fs::remove(folder / "last");
  EXPECT_TRUE(LastFolder(FileKind::kPdf).isEmpty());
}

TEST_F(MainWindowTest, ImportingSelectsAPictureAndRefusesWhatIsNone) {
  TempFolder folder;
  RasterImage photo = *test::SyntheticBackgrounds(1).Image(0);
  ASSERT_TRUE(photo.Save(folder / "PHOTO.JPG", kFormatJpeg)) << photo.GetLastError();
  test::WriteFileBytes(folder / "layers.psd", {'8', 'B', 'P', 'S'});
  const int count = table_.Count();
  script_.paths = {PathText(folder / "PHOTO.JPG"), PathText(folder / "layers.psd")};

  Trigger(kCmdImportBackground);
  EXPECT_TRUE(script_.told.empty());
  // What the copy and the table hold is the library's test; the chooser shows and selects it.
  ASSERT_EQ(table_.Count(), count + 1);
  auto* chooser = Find<BackgroundChooser>(kBackgroundChooser);
  EXPECT_EQ(chooser->Selected(), count);
  EXPECT_GE(count, chooser->First());
  EXPECT_LT(count, chooser->First() + chooser->Visible());
  EXPECT_FLOAT_EQ(Find<ColourStripSlider>(kHueSlider)->Position(), table_.HueOffset(count));

  Trigger(kCmdImportBackground);
  EXPECT_EQ(table_.Count(), count + 1);
  ASSERT_EQ(script_.told.size(), 1);
  EXPECT_TRUE(script_.told[0].contains("not a kind of picture"));
  fs::remove(CustomBackgroundsFolder().user / "PHOTO.JPG");
  fs::remove(CustomBackgroundsFolder().user / "PHOTO.hue");
  fs::remove(CustomBackgroundsFolder().user / "layers.psd");
}

// A file dropped at the centre of `target`, with the modifier keys held; what it brings about is
// done once the drop has been handled.
void Drop(MainWindow& window, QWidget* target, const fs::path& file,
          Qt::KeyboardModifiers modifiers = {}) {
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(PathText(file))});
  const QPoint at = target->mapTo(&window, target->rect().center());
  // A drop goes to the widget that took the drag as it entered.
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, modifiers);
  QApplication::sendEvent(&window, &enter);
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, modifiers);
  QApplication::sendEvent(&window, &drop);
  QApplication::processEvents();
}

TEST_F(MainWindowTest, DroppedFilesOpenACardPlaceAPictureOrImportABackgroundByWhereTheyFall) {
  TempFolder folder;
  WritePng(folder / "Dropped.PNG");
  test::WriteFileBytes(folder / "notes.txt", {'x'});
  CardState other = Doc().Working();
  other.layoutIndex = 4;
  ASSERT_TRUE(WriteProject(folder / "other.tvc", other, table_).Ok());
  auto* chooser = Find<BackgroundChooser>(kBackgroundChooser);
  const int count = table_.Count();

  // Nothing but a card is taken where it falls outside the card and the backgrounds.
  Drop(Window(), Editor(0), folder / "Dropped.PNG");
  Drop(Window(), chooser, folder / "notes.txt");
  EXPECT_EQ(table_.Count(), count);
  EXPECT_EQ(script_.dialogsRun, 0);

  Drop(Window(), chooser, folder / "Dropped.PNG");
  EXPECT_EQ(table_.Count(), count + 1);
  fs::remove(CustomBackgroundsFolder().user / "Dropped.PNG");
  fs::remove(CustomBackgroundsFolder().user / "Dropped.hue");

  script_.dialog = [](QDialog& dialog) { dialog.accept(); };
  Drop(Window(), &Window().Preview(), folder / "Dropped.PNG", Qt::ShiftModifier);
  EXPECT_EQ(Doc().Working().logo.name, "Dropped.PNG");
  EXPECT_EQ(Doc().Working().photo.name, "");
  fs::remove(CustomPhotosFolder().user / "Dropped.PNG");

  // The card changed: asked first, then replaced.
  script_.answers = {QMessageBox::Discard};
  Drop(Window(), chooser, folder / "other.tvc");
  EXPECT_EQ(script_.asked, QStringList{"Would you like to save changes before closing?"});
  EXPECT_EQ(Doc().FilePath(), folder / "other.tvc");
  EXPECT_EQ(Doc().Working().layoutIndex, 4);
}

TEST_F(MainWindowTest, PagingButtonsAreEnabledOnlyWhereThereIsAPageToGoTo) {
  Window().resize(1280, 500);
  QApplication::processEvents();
  auto* chooser = Find<BackgroundChooser>(kBackgroundChooser);
  auto* prev = Find<PillButton>(kPrevButton);
  auto* next = Find<PillButton>(kNextButton);
  ASSERT_LT(chooser->Visible(), table_.Count());
  EXPECT_FALSE(prev->IsActive());
  EXPECT_TRUE(next->IsActive());
  while (next->IsActive()) QTest::mouseClick(next, Qt::LeftButton, {}, QPoint(25, 15));
  EXPECT_EQ(chooser->First() + chooser->Visible(), table_.Count());
  EXPECT_TRUE(prev->IsActive());
}

// What Photo Options does is tested with the dialog; here the commands and their menu texts.
TEST_F(MainWindowTest, PhotoAndLogoCommandsFollowTheCardAndTheMenuTexts) {
  const fs::path picture = UserDataFolder() / "chosen photo.png";
  WritePng(picture);
  script_.paths.push_back(PathText(picture));
  script_.dialog = [](QDialog& dialog) {
    dialog.findChild<QPushButton*>(QStringLiteral("1056"))->click();
    dialog.accept();
  };
  Trigger(kCmdInsertPhoto);
  EXPECT_EQ(Doc().Working().photo.name, "chosen photo.png");
  EXPECT_EQ(std::pair(Enabled(kCmdDeletePhoto), Enabled(kCmdDeleteLogo)), std::pair(true, false));
  test::RecordChange(Doc(), [](CardState& card) { card.logo.name = "logo.png"; });
  Window().UpdateMenus();
  EXPECT_EQ(Window().Action(kCmdInsertPhoto)->text(), "Edit Photo...\tCtrl+I");
  EXPECT_EQ(Window().Action(kCmdInsertLogo)->text(), "Edit Logo...");
  EXPECT_TRUE(Enabled(kCmdDeletePhoto));
  Trigger(kCmdDeletePhoto);
  Trigger(kCmdDeleteLogo);
  EXPECT_EQ(Window().Action(kCmdInsertPhoto)->text(), "Insert Photo...\tCtrl+I");
  EXPECT_EQ(Window().Action(kCmdInsertLogo)->text(), "Insert Logo...");
  EXPECT_EQ(std::pair(Enabled(kCmdDeletePhoto), Enabled(kCmdDeleteLogo)), std::pair(false, false));
  fs::remove(CustomPhotosFolder().user / "chosen photo.png");
  fs::remove(picture);
}

// The dialogs and outputs of these commands are tested with each; here each command reaches its
// dialog or its output, and none records a step unless the user says OK.
TEST_F(MainWindowTest, TheOtherEditCommandsReachTheirDialogsAndOutputs) {
  const CardState before = Doc().Live();
  for (int id : {kCmdTextColors, kCmdFrameColors, kCmdBackgroundColor, kCmdCardProperties,
                 kCmdContactDetails, kCmdInsertQrCode}) {
    Trigger(id);  // the script cancels
    EXPECT_EQ(Doc().Live(), before) << id;
  }
  EXPECT_EQ(script_.dialogsRun, 6);

  Trigger(kCmdCopy);
  EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(1062, 615));

  TempFolder folder;
  script_.dialog = [](QDialog& dialog) { dialog.accept(); };
  script_.paths.push_back(PathText(folder / "exported"));
  Trigger(kCmdExportImage);
  EXPECT_TRUE(QTest::qWaitFor([&] { return fs::exists(folder / "exported.png"); }, 10000));
  EXPECT_EQ(Steps(), 0);
}

}  // namespace
}  // namespace tavolo
