// The template library, New Project and start-up taking from it, and Save Template.
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <deque>
#include <system_error>
#include <tuple>

#include "core/base/ProgramFolder.h"
#include "core/card/FieldNames.h"
#include "core/formats/ProjectFile.h"
#include "core/library/TemplateTable.h"
#include "tests/ui/WidgetTest.h"
#include "ui/app/CommandIds.h"
#include "ui/app/MainWindow.h"
#include "ui/base/RecentProjects.h"
#include "ui/controls/PillButton.h"
#include "ui/templates/FillNowDialog.h"
#include "ui/templates/LoadingWindow.h"
#include "ui/templates/TemplateLibraryDialog.h"
#include "ui/templates/TemplateNameDialog.h"
#include "ui/templates/TemplatePreviewCell.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;
using test::Script;

constexpr int kBackgrounds = 8;

// The card of template i: its own layout and background, so that a test sees which was taken.
CardState TemplateCard(int i) {
  CardState card;
  card.layoutIndex = i % 10;
  card.backgroundIndex = i % kBackgrounds;
  return card;
}

class TemplateLibrary : public test::ControlTest {
 protected:
  void SetUp() override {
    fs::remove_all(TemplatesFolder().user);
    fs::create_directories(TemplatesFolder().user);
    qputenv("TAVOLO_NO_SPLASH_WAIT", "1");
  }
  void TearDown() override {
    TemplateLibraryDialog::FreeTemplates();
    fs::remove_all(TemplatesFolder().user);
    qunsetenv("TAVOLO_NO_SPLASH_WAIT");
    test::ControlTest::TearDown();
  }

  // Writes "title.tvt" with TemplateCard(i) for the i-th title, and its preview.
  void WriteTemplates(const QStringList& titles) {
    for (int i = 0; i < titles.size(); ++i) {
      const fs::path path = TemplatesFolder().user / (titles[i].toStdString() + ".tvt");
      ASSERT_TRUE(WriteProject(path, TemplateCard(i), table_).Ok());
      QImage preview(120, 70, QImage::Format_RGB32);
      preview.fill(QColor::fromHsv(i * 30 % 360, 200, 200));
      ASSERT_TRUE(preview.save(test::PathText(TemplatePreviewPath(path)), "PNG"));
    }
    Templates().MarkChanged();
  }
  std::unique_ptr<TemplateLibraryDialog> OpenLibrary() {
    auto library = std::make_unique<TemplateLibraryDialog>(
        TemplateLibraryDialog::Opened::ByNewProject, table_, prompts_);
    library->show();
    return library;
  }
  // The titles the four cells show, "-" for a hidden cell.
  static QStringList Cells(const TemplateLibraryDialog& library) {
    QStringList shown;
    for (int k = 0; k < TemplateLibraryDialog::kCellCount; ++k) {
      const TemplatePreviewCell* cell = library.Cell(k);
      shown << (cell->isVisible()
                    ? QString::fromStdString(Templates().Entry(library.FirstShown() + k).title)
                    : QStringLiteral("-"));
    }
    return shown;
  }
  static void Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }

  BackgroundTable table_ = test::SyntheticBackgrounds(kBackgrounds);
  Script script_;
  test::ScriptedPrompts prompts_{script_};
};

TEST_F(TemplateLibrary, PagesFourAtATimeWithThePageButtonsLitWhereThereIsAPage) {
  // The number of templates; per page from the first, the titles shown, then whether Previous and
  // Next are lit.
  const std::pair<int, std::vector<std::tuple<QStringList, bool, bool>>> cases[] = {
      {0, {{{"-", "-", "-", "-"}, false, false}}},
      {5, {{{"a", "b", "c", "d"}, false, true}, {{"e", "-", "-", "-"}, true, false}}},
      // An exactly full last page: Next Page goes dark on it.
      {12,
       {{{"a", "b", "c", "d"}, false, true},
        {{"e", "f", "g", "h"}, true, true},
        {{"i", "j", "k", "l"}, true, false}}},
  };
  for (const auto& [templates, pages] : cases) {
    SetUp();
    QStringList titles;
    for (int i = 0; i < templates; ++i) titles << QString(QChar('a' + i));
    WriteTemplates(titles);
    const auto library = OpenLibrary();
    for (size_t page = 0; page < pages.size(); ++page) {
      const auto& [shown, back, forward] = pages[page];
      EXPECT_EQ(Cells(*library), shown) << templates << " templates, page " << page;
      EXPECT_EQ(library->PreviousPageButton()->IsActive(), back) << templates << " " << page;
      EXPECT_EQ(library->NextPageButton()->IsActive(), forward) << templates << " " << page;
      Click(library->NextPageButton());
    }
    // Paging back returns through the same pages; past the first nothing happens.
    for (size_t page = pages.size(); page-- > 0;) {
      EXPECT_EQ(Cells(*library), std::get<0>(pages[page])) << templates << " back " << page;
      Click(library->PreviousPageButton());
    }
    EXPECT_EQ(library->FirstShown(), 0);
  }
}

TEST_F(TemplateLibrary, TheCheckMarkStaysWithTheSelectionAcrossPages) {
  WriteTemplates({"t0", "t1", "t2", "t3", "t4", "t5", "t6", "t7", "t8"});
  const auto library = OpenLibrary();
  Click(library->Cell(2));
  EXPECT_EQ(library->SelectedIndex(), 2);
  EXPECT_EQ(library->ChosenTemplate(), &Templates().Entry(2).card);
  const auto marked = [&library] {
    QList<int> cells;
    for (int k = 0; k < TemplateLibraryDialog::kCellCount; ++k) {
      if (library->Cell(k)->IsSelected()) cells << k;
    }
    return cells;
  };
  EXPECT_EQ(marked(), QList<int>({2}));
  Click(library->Cell(1));
  EXPECT_EQ(marked(), QList<int>({1}));
  Click(library->Cell(2));
  Click(library->NextPageButton());
  EXPECT_EQ(marked(), QList<int>());
  Click(library->PreviousPageButton());
  EXPECT_EQ(marked(), QList<int>({2}));
  // The mark is drawn at the cell's right, 90 pixels above its bottom.
  const QImage cell = library->Cell(2)->Picture();
  const QPoint mark = TemplatePreviewCell::CheckMarkOrigin(cell.size()) + QPoint(48, 48);
  EXPECT_EQ(mark, QPoint(267 - 12, 216 - 42));
  EXPECT_GT(qGreen(cell.pixel(mark)), qRed(cell.pixel(mark)) + 50);
}

TEST_F(TemplateLibrary, TheKeyboardSelectsWithArrowsAndSpaceAndContinuesWithEnter) {
  WriteTemplates({"t0", "t1", "t2", "t3", "t4", "t5"});
  const auto library = OpenLibrary();
  ASSERT_TRUE(QTest::qWaitForWindowActive(library.get()));
  EXPECT_TRUE(library->Cell(0)->hasFocus());
  const std::pair<Qt::Key, int> steps[] = {
      {Qt::Key_Space, 0}, {Qt::Key_Right, 1},
      {Qt::Key_Down, 3},  {Qt::Key_Right, 4},  // past the page's last cell to the next page
      {Qt::Key_Left, 3},                       // and back
      {Qt::Key_Up, 1},
  };
  for (const auto& [key, selected] : steps) {
    QTest::keyClick(library->focusWidget(), key);
    EXPECT_EQ(library->SelectedIndex(), selected) << key;
    EXPECT_EQ(library->focusWidget(), library->Cell(selected % 4)) << key;
  }
  // Tab leads from the cells to the fields; Enter there continues, and with the starred fields
  // empty the question comes first: Fill Now returns to the first empty starred field.
  for (int tab = 0; tab < 3; ++tab) QTest::keyClick(library->focusWidget(), Qt::Key_Tab);
  ASSERT_EQ(library->focusWidget(), library->FieldEditor(0));
  QTest::keyClicks(library->FieldEditor(0), "Ledger & Line");
  int asked = 0;
  script_.dialog = [&asked](QDialog& dialog) {
    auto* question = qobject_cast<FillNowDialog*>(&dialog);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->windowTitle(), "Tavolo");
    EXPECT_EQ(question->defaultButton(), question->FillNowButton());
    ++asked;
    question->FillNowButton()->click();
  };
  QTest::keyClick(library->FieldEditor(0), Qt::Key_Return);
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(library->isVisible());
  EXPECT_EQ(library->focusWidget(), library->FieldEditor(1));
}

TEST_F(TemplateLibrary, AMissingPreviewIsToldOnceAtLoadingAndLeavesAnEmptyCell) {
  WriteTemplates({"a", "b"});
  const fs::path missing = TemplatePreviewPath(TemplatesFolder().user / "b.tvt");
  fs::remove(missing);
  const QString message = QStringLiteral("File could not be opened: ") + test::PathText(missing);
  {
    LoadingWindow loading(table_, prompts_);
    loading.show();
    QTRY_VERIFY(!loading.isVisible());
    TemplateLibraryDialog library(TemplateLibraryDialog::Opened::AtStartUp, table_, prompts_);
    EXPECT_EQ(library.windowTitle(), "Template Library");
    EXPECT_FALSE(library.Cell(1)->isHidden());
    EXPECT_TRUE(library.Cell(1)->Image()->isNull());
  }
  // Opened again by New Project, the library does not read the templates again.
  const auto library = OpenLibrary();
  EXPECT_EQ(library->windowTitle(), "Tavolo: Template Library");
  EXPECT_EQ(script_.told.filter("File could not be opened").size(), 1);
  EXPECT_TRUE(script_.told.contains(message)) << script_.told.join('\n').toStdString();
}

TEST_F(TemplateLibrary, TheLoadingWindowStaysMoreThanFiveSecondsUnlessToldNotTo) {
  WriteTemplates({"a"});
  for (const bool wait : {true, false}) {
    qputenv("TAVOLO_NO_SPLASH_WAIT", wait ? "" : "1");
    qint64 now = 1000;
    LoadingWindow loading(table_, prompts_, nullptr, [&now] { return now; });
    loading.show();
    EXPECT_EQ(loading.windowTitle(), "Loading... Please Wait");
    QTRY_VERIFY(!loading.IsReading());
    if (wait) {
      now += LoadingWindow::kLoadingMinimumMilliseconds;
      QTest::qWait(3 * LoadingWindow::kTickMilliseconds);
      EXPECT_TRUE(loading.isVisible());
      now += 1;
    }
    QTRY_VERIFY(!loading.isVisible());
    EXPECT_EQ(loading.result(), QDialog::Accepted);
  }
  // A click or a key dismisses the picture once the reading is done.
  qunsetenv("TAVOLO_NO_SPLASH_WAIT");
  for (const bool click : {true, false}) {
    LoadingWindow loading(table_, prompts_, nullptr, [] { return qint64{1000}; });
    loading.show();
    QTRY_VERIFY(!loading.IsReading());
    EXPECT_TRUE(loading.isVisible());
    click ? QTest::mouseClick(&loading, Qt::LeftButton) : QTest::keyClick(&loading, Qt::Key_Space);
    EXPECT_FALSE(loading.isVisible());
    EXPECT_EQ(loading.result(), QDialog::Accepted);
  }
}

// New Project through the main window: what the library hands over, by how it was closed.
class NewProject : public TemplateLibrary {
 protected:
  void SetUp() override {
    TemplateLibrary::SetUp();
    WriteTemplates({"t0", "t1", "t2", "t3"});
    // Read as at start-up: the table is current until a template is saved.
    Templates().Reload(table_);
    window_ =
        std::make_unique<MainWindow>(table_, std::make_unique<test::ScriptedPrompts>(script_));
    window_->Start();
    window_->show();
  }
  void TearDown() override {
    window_.reset();
    TemplateLibrary::TearDown();
  }
  std::unique_ptr<MainWindow> window_;
};

TEST_F(NewProject, TakesTheTemplateAndTheFieldsAsTheLibraryWasClosed) {
  enum class Close { Continue, ContinueAnyway, CloseBox, Escape };
  // The cell selected (-1: none), the fields typed (0 none, 1 the starred ones, 2 one unstarred),
  // how the library is closed and whether the fields are taken.
  const std::tuple<const char*, int, int, Close, bool> cases[] = {
      {"Continue with the starred fields", 1, 1, Close::Continue, true},
      {"Continue Anyway", 2, 2, Close::ContinueAnyway, false},
      {"close box, the typed fields discarded", 3, 1, Close::CloseBox, false},
      {"Escape, cancelled once, then discarding", 0, 1, Close::Escape, false},
      {"Continue without a template", -1, 1, Close::Continue, true},
  };
  for (const auto& [name, cell, filled, close, fieldsTaken] : cases) {
    SetUp();
    script_ = {};
    script_.answers = {close == Close::Escape ? QMessageBox::Cancel : QMessageBox::Discard,
                       QMessageBox::Discard};
    const ContactDetails before = window_->Document().Layout().Details();
    const int layoutBefore = window_->Document().Working().layoutIndex;
    script_.dialog = [&](QDialog& dialog) {
      if (auto* question = qobject_cast<FillNowDialog*>(&dialog)) {
        question->ContinueAnywayButton()->click();
        return;
      }
      auto& library = dynamic_cast<TemplateLibraryDialog&>(dialog);
      if (cell >= 0) Click(library.Cell(cell));
      for (int i = 0; i < kContactFieldCount; ++i) {
        const bool starred = FieldRequired(i);
        if ((filled == 1 && starred) || (filled == 2 && i == 2)) {
          library.FieldEditor(i)->setText(QStringLiteral("typed %1").arg(i));
        }
      }
      if (close == Close::CloseBox) {
        library.close();
      } else if (close == Close::Escape) {
        QTest::keyClick(library.FieldEditor(0), Qt::Key_Escape);
        EXPECT_TRUE(library.isVisible()) << name;
        QTest::keyClick(library.FieldEditor(0), Qt::Key_Escape);
      } else {
        Click(library.ContinueButton());
      }
      EXPECT_FALSE(library.isVisible()) << name;
    };
    window_->Action(kCmdNewProject)->trigger();
    EXPECT_EQ(script_.asked.size(), close == Close::CloseBox ? 1
                                    : close == Close::Escape ? 2
                                                             : 0)
        << name;

    const CardDocument& doc = window_->Document();
    EXPECT_EQ(doc.Working().layoutIndex, cell >= 0 ? TemplateCard(cell).layoutIndex : layoutBefore)
        << name;
    if (cell >= 0) {
      EXPECT_EQ(doc.Working().backgroundIndex, TemplateCard(cell).backgroundIndex) << name;
    }
    for (int i = 0; i < kContactFieldCount; ++i) {
      const bool starred = FieldRequired(i);
      const QString expected = !fieldsTaken ? before[i]
                               : starred    ? QStringLiteral("typed %1").arg(i)
                                            : QString();
      EXPECT_EQ(doc.Layout().Details()[i], expected) << name << " field " << i;
    }
    TearDown();
  }
}

// Coming back to a card: "Open a Saved Card..." (Ctrl+O, after the question for typed details)
// and the recent cards hand the card file to the window, which opens it; a recent card that has
// gone is dropped from the list with a word.
TEST_F(NewProject, TheLibraryOpensASavedCardByCtrlOOrFromTheRecentCards) {
  test::TempFolder folder;
  const fs::path saved = folder / "saved.tvc";
  ASSERT_TRUE(WriteProject(saved, TemplateCard(7), table_).Ok());
  const QString gone = test::PathText(folder / "gone.tvc");
  for (const bool recent : {false, true}) {
    SetUp();
    script_ = {};
    script_.paths = {test::PathText(saved)};
    script_.answers = {QMessageBox::Discard};
    AddRecentProject(test::PathText(saved));
    AddRecentProject(gone);
    script_.dialog = [&](QDialog& dialog) {
      auto& library = dynamic_cast<TemplateLibraryDialog&>(dialog);
      EXPECT_TRUE(library.RecentCardsButton()->IsActive());
      if (recent) {
        QMenu* menu = library.RecentCardsMenu();
        ASSERT_EQ(menu->actions().size(), 2);
        EXPECT_EQ(menu->actions()[0]->text(), "gone.tvc");
        menu->actions()[0]->trigger();
        EXPECT_TRUE(library.isVisible());
        library.RecentCardsMenu()->actions()[0]->trigger();
      } else {
        library.FieldEditor(1)->setText(QStringLiteral("typed"));
        QTest::keyClick(library.FieldEditor(1), Qt::Key_O, Qt::ControlModifier);
      }
      EXPECT_FALSE(library.isVisible());
    };
    window_->Action(kCmdNewProject)->trigger();
    EXPECT_EQ(window_->Document().FilePath(), saved) << recent;
    EXPECT_EQ(window_->Document().Working().layoutIndex, TemplateCard(7).layoutIndex) << recent;
    EXPECT_FALSE(window_->Document().Modified()) << recent;
    EXPECT_EQ(script_.asked.size(), recent ? 0u : 1u);
    EXPECT_EQ(script_.told.size(), recent ? 1u : 0u);
    EXPECT_EQ(RecentProjects().contains(gone), !recent);
    RemoveRecentProject(gone);
    TearDown();
  }
}

// Save Template: the name asked for, the question before replacing, the files, the listing.
TEST_F(NewProject, SaveTemplateWritesTheCardThatTheNextNewProjectLists) {
  // The names typed in turn until one is accepted, the answers, and whether the card is saved.
  const std::tuple<QStringList, std::deque<QMessageBox::StandardButton>, bool> cases[] = {
      {{"a/b", "My card"}, {}, true},              // which names are refused is the engine's rule
      {{"t1", "Fresh"}, {QMessageBox::No}, true},  // another name instead of replacing
      {{"t1"}, {QMessageBox::Cancel}, false},      // nothing saved
      {{"t1"}, {QMessageBox::Yes}, true},          // replaced
  };
  for (const auto& [typed, answers, saved] : cases) {
    SetUp();
    script_.answers = answers;
    qsizetype next = 0;
    QString accepted;
    script_.dialog = [&](QDialog& dialog) {
      auto& ask = dynamic_cast<TemplateNameDialog&>(dialog);
      while (next < typed.size()) {
        const QString name = typed[next++];
        ask.NameEditor()->setText(name);
        EXPECT_EQ(ask.SaveButton()->isEnabled(), ask.Problem().isEmpty()) << name.toStdString();
        ask.accept();
        if (!ask.isVisible()) {
          accepted = ask.Name();
          return;
        }
      }
    };
    window_->Action(kCmdSaveTemplate)->trigger();
    const std::string names = typed.join(',').toStdString();
    EXPECT_EQ(Templates().Changed(), saved) << names;
    if (!saved) {
      TearDown();
      continue;
    }
    const fs::path card = TemplatesFolder().user / (accepted.toStdString() + ".tvt");
    EXPECT_TRUE(fs::exists(TemplatePreviewPath(card))) << names;
    script_.dialog = [&](QDialog& dialog) {
      int listed = -1;
      for (int i = 0; i < Templates().Count(); ++i) {
        if (QString::fromStdString(Templates().Entry(i).title) == accepted) listed = i;
      }
      ASSERT_GE(listed, 0) << names;
      EXPECT_EQ(Templates().Entry(listed).card.layoutIndex,
                window_->Document().Working().layoutIndex)
          << names;
      dialog.reject();
    };
    window_->Action(kCmdNewProject)->trigger();
    EXPECT_EQ(Templates().Count(), typed.contains("t1") && typed.size() == 1 ? 4 : 5) << names;
    TearDown();
  }
}

TEST_F(NewProject, SaveTemplateSaysWhichFolderCouldNotBeWritten) {
  std::error_code ignored;
  fs::remove_all(TemplatesFolder().user, ignored);
  // A file where the folder should be.
  ASSERT_TRUE(QFile(test::PathText(TemplatesFolder().user)).open(QIODevice::WriteOnly));
  script_.dialog = [](QDialog& dialog) {
    dynamic_cast<TemplateNameDialog&>(dialog).NameEditor()->setText("Mine");
    dialog.accept();
  };
  window_->Action(kCmdSaveTemplate)->trigger();
  ASSERT_EQ(script_.told.size(), 1);
  EXPECT_TRUE(script_.told[0].contains(test::PathText(TemplatesFolder().user)))
      << script_.told[0].toStdString();
  EXPECT_FALSE(Templates().Changed());
  fs::remove(TemplatesFolder().user, ignored);
}

}  // namespace
}  // namespace tavolo
