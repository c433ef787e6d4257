#include <QPlainTextEdit>
#include <QPushButton>
#include <QThread>
#include <atomic>
#include <functional>
#include <thread>

#include "core/base/CheckedCall.h"
#include "tests/ui/ModalDialogs.h"
#include "tests/ui/WidgetTest.h"
#include "ui/app/FatalErrorDialog.h"

namespace tavolo {
namespace {

// Acts on the Fatal Error dialog as soon as it is up, from inside its modal loop.
const auto WhenDialogShows = test::WhenModal<FatalErrorDialog>;

QPushButton* Button(FatalErrorDialog& dialog, const QString& text) {
  for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
    if (button->text() == text) return button;
  }
  return nullptr;
}

TEST(FatalErrorDialog, ShowsTheReportReadOnlyAndRetryGoesOnWhileTheRestCancel) {
  FatalErrorDialog dialog("Error sequence: a -> b\r\n\r\nError in line: b");
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Fatal Error"));
  EXPECT_EQ(dialog.size(), QSize(354, 280));
  EXPECT_EQ(dialog.ReportText(), QStringLiteral("Error sequence: a -> b\n\nError in line: b"));
  auto* edit = dialog.findChild<QPlainTextEdit*>();
  ASSERT_NE(edit, nullptr);
  EXPECT_TRUE(edit->isReadOnly());
  ASSERT_NE(Button(dialog, QStringLiteral("Retry")), nullptr);
  ASSERT_NE(Button(dialog, QStringLiteral("Cancel")), nullptr);
  EXPECT_TRUE(Button(dialog, QStringLiteral("Retry"))->isDefault());

  // Retry goes on; Escape, Cancel and the close box cancel.
  WhenDialogShows([](FatalErrorDialog& d) { Button(d, QStringLiteral("Retry"))->click(); });
  EXPECT_EQ(ShowFatalErrorDialog("report"), FatalChoice::Retry);
  WhenDialogShows([](FatalErrorDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
  EXPECT_EQ(ShowFatalErrorDialog("report"), FatalChoice::Cancel);
  WhenDialogShows([](FatalErrorDialog& d) { Button(d, QStringLiteral("Cancel"))->click(); });
  EXPECT_EQ(ShowFatalErrorDialog("report"), FatalChoice::Cancel);
  WhenDialogShows([](FatalErrorDialog& d) { d.close(); });
  EXPECT_EQ(ShowFatalErrorDialog("report"), FatalChoice::Cancel);
}

// Installed, the dialog reports a failed check, on the user interface thread even when the check
// fails on a worker, and Retry goes on.
TEST(FatalErrorDialog, InstalledItReportsAFailedCheckFromAnyThreadAndRetryContinues) {
  InstallFatalErrorDialog();
  for (const bool onWorker : {false, true}) {
    QString shown;
    WhenDialogShows([&shown](FatalErrorDialog& d) {
      EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
      shown = d.ReportText();
      Button(d, QStringLiteral("Retry"))->click();
    });
    std::atomic<bool> done = false;
    bool result = true;
    const auto check = [&] {
      result = TAVOLO_CHECK_AS("m_hCursor!=0", false);
      done = true;
    };
    std::thread worker = onWorker ? std::thread(check) : std::thread();
    if (!onWorker) check();
    QTRY_VERIFY(done.load());
    if (worker.joinable()) worker.join();
    EXPECT_FALSE(result) << onWorker;
    EXPECT_TRUE(shown.contains(QStringLiteral("Error in line: m_hCursor!=0")))
        << shown.toStdString();
    EXPECT_TRUE(onWorker || shown.startsWith(QStringLiteral("Error sequence: m_hCursor!=0\n\n")));
  }
  test::InstallReportLog();
}

}  // namespace
}  // namespace tavolo
