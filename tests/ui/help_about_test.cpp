// The About box, the help window and the shipped help pages.
#include <sys/stat.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QTextBrowser>
#include <system_error>

#include "core/base/ProgramFolder.h"
#include "tests/ui/ShownWindow.h"
#include "ui/app/AboutDialog.h"
#include "ui/app/CommandIds.h"
#include "ui/app/HelpContents.h"
#include "ui/app/HelpWindow.h"

namespace tavolo {
namespace {

namespace fs = std::filesystem;

void WritePage(const fs::path& folder, const char* name, const QString& html) {
  QFile file(test::PathText(folder / name));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(html.toUtf8());
}

// about.htm links b.htm and a.html (and what is no page of the folder); c.htm and z.html are
// linked from nowhere.
void WritePages(const fs::path& folder) {
  WritePage(folder, "about.htm",
            "<html><head><title>Welcome</title></head><body><a href=\"b.htm\">b</a>"
            "<a href=\"a.html#part\">a</a><a href=\"http://example.com/x.htm\">web</a>"
            "<a href=\"missing.htm\">gone</a><a href=\"b.htm\">b again</a></body></html>");
  WritePage(folder, "b.htm", "<html><head><title>Bee</title></head><body>B</body></html>");
  WritePage(folder, "a.html", "<html><body><h1>Ay &amp;\n <i>co</i></h1></body></html>");
  WritePage(folder, "c.htm", "<html><body><p>no title</p></body></html>");
  WritePage(folder, "z.html", "<html><head><title>Alpha</title></head></html>");
  WritePage(folder, "notes.txt", "not a page");
}

TEST(HelpContents,
     ListsTheStartPageThenItsLinksThenTheRestByTitleAndTheShippedPagesLinkWhatIsThere) {
  test::TempFolder folder;
  WritePages(folder.Path());
  QStringList listed;
  for (const HelpPage& page : HelpPages(test::PathText(folder.Path()))) {
    listed << page.file + "=" + page.title;
  }
  EXPECT_EQ(listed, QStringList({"about.htm=Welcome", "b.htm=Bee", "a.html=Ay & co", "z.html=Alpha",
                                 "c.htm=c.htm"}));

  // The shipped pages have titles, and their links and pictures are there.
  const QDir help(QStringLiteral(TAVOLO_TEST_DATA "/../../data/help"));
  const std::vector<HelpPage> pages = HelpPages(help.path());
  ASSERT_GE(pages.size(), 7u);
  EXPECT_EQ(pages.front().file, "about.htm");
  const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"#:]+)"));
  for (const HelpPage& page : pages) {
    EXPECT_NE(page.title, page.file) << page.file.toStdString();
    QFile file(help.filePath(page.file));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    for (const QRegularExpressionMatch& match : reference.globalMatch(html)) {
      EXPECT_TRUE(help.exists(match.captured(1)))
          << page.file.toStdString() << " refers to " << match.captured(1).toStdString();
    }
  }
}

// A named pipe where a page or a picture should be is skipped, never waited on.
TEST(HelpWindow, NamedPipesInTheHelpFolderAreSkippedNotWaitedOn) {
  test::TempFolder folder;
  fs::create_directories(folder / "images");
  WritePage(folder.Path(), "about.htm",
            "<html><head><title>Welcome</title></head><body>Hello<img src=\"images/pipe.png\">"
            "</body></html>");
  ASSERT_EQ(::mkfifo((folder / "images" / "pipe.png").c_str(), 0600), 0);
  ASSERT_EQ(::mkfifo((folder / "pipe.htm").c_str(), 0600), 0);
  const HelpWindow help(test::PathText(folder.Path()));
  EXPECT_TRUE(help.Browser().toPlainText().contains("Hello"));
  EXPECT_EQ(help.Contents().count(), 1);
}

class HelpAndAbout : public test::ControlTest {
 protected:
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(HelpFolder(), ignored);
    test::ControlTest::TearDown();
  }

  test::ShownWindow shown_;
  MainWindow* window_ = &shown_.window;
  test::Script& script_ = shown_.script;
};

TEST_F(HelpAndAbout, TheAboutBoxDrawsTheVersionCentredBelowTheTaglineAndClosesOnAClickOrEscape) {
  AboutDialog about;
  EXPECT_EQ(about.windowTitle(), "About Tavolo...");
  EXPECT_EQ(about.size(), QSize(751, 501));
  // One version everywhere: the one --version prints.
  EXPECT_EQ(AboutDialog::VersionText(), QStringLiteral("Version " TAVOLO_VERSION));
  const QImage drawn = about.Picture();
  const QImage bare = QImage(QStringLiteral(":/about.png")).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(drawn.size(), bare.size());
  QRect changed;
  bool inColour = false;
  for (int y = 0; y < drawn.height(); ++y) {
    for (int x = 0; x < drawn.width(); ++x) {
      if (drawn.pixel(x, y) == bare.pixel(x, y)) continue;
      changed |= QRect(x, y, 1, 1);
      inColour |= drawn.pixel(x, y) == AboutDialog::kVersionColour;
    }
  }
  EXPECT_TRUE(inColour);
  EXPECT_GE(changed.top(), AboutDialog::kVersionTop);
  EXPECT_LT(changed.bottom(), AboutDialog::kVersionTop + 25);
  EXPECT_NEAR(changed.left() + changed.right(), 750, 4);

  const std::function<void(QDialog&)> closers[] = {
      [](QDialog& box) { QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(700, 480)); },
      [](QDialog& box) { QTest::keyClick(&box, Qt::Key_Escape); },
  };
  for (const auto& close : closers) {
    script_.dialog = [&close](QDialog& dialog) {
      ASSERT_NE(qobject_cast<AboutDialog*>(&dialog), nullptr);
      close(dialog);
      EXPECT_FALSE(dialog.isVisible());
    };
    window_->Action(kCmdAbout)->trigger();
  }
  EXPECT_EQ(script_.dialogsRun, 2);
}

TEST_F(HelpAndAbout, HelpOpensOneWindowAtAboutWithContentsBackForwardAndHome) {
  EXPECT_TRUE(
      window_->Action(kCmdHelp)->shortcuts().contains(QKeySequence(Qt::SHIFT | Qt::Key_F1)));
  window_->Action(kCmdHelp)->trigger();
  ASSERT_EQ(script_.told.size(), 1);
  EXPECT_TRUE(script_.told[0].endsWith("about.htm is missing.")) << script_.told[0].toStdString();

  fs::create_directories(HelpFolder());
  WritePages(HelpFolder());
  window_->Action(kCmdHelp)->trigger();
  auto* help = window_->findChild<HelpWindow*>();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->windowTitle(), "Tavolo Help");
  EXPECT_EQ(help->CurrentPage(), "about.htm");
  EXPECT_EQ(help->Contents().count(), 5);
  EXPECT_EQ(help->Contents().currentRow(), 0);
  EXPECT_FALSE(help->BackAction().isEnabled());

  help->Contents().setCurrentRow(1);
  EXPECT_EQ(help->CurrentPage(), "b.htm");
  EXPECT_TRUE(help->Browser().toPlainText().contains("B"));
  help->BackAction().trigger();
  EXPECT_EQ(help->CurrentPage(), "about.htm");
  EXPECT_EQ(help->Contents().currentRow(), 0);
  help->ForwardAction().trigger();
  EXPECT_EQ(help->CurrentPage(), "b.htm");
  help->HomeAction().trigger();
  EXPECT_EQ(help->CurrentPage(), "about.htm");

  // Asked again, the same window comes to the front where it was.
  help->Contents().setCurrentRow(2);
  window_->Action(kCmdHelp)->trigger();
  EXPECT_EQ(window_->findChildren<HelpWindow*>().size(), 1);
  EXPECT_EQ(help->CurrentPage(), "a.html");
}

}  // namespace
}  // namespace tavolo
