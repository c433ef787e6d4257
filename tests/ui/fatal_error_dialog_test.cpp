#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <atomic>
#include <functional>
#include <thread>

#include "core/base/CheckedCall.h"
#include "tests/ui/ModalDialogs.h"
#include "tests/ui/ReportLog.h"
#include "ui/app/FatalErrorDialog.h"

namespace tavolo {
namespace {

// Acts on the Fatal Error dialog as soon as it is up, from inside its modal loop.
void WhenDialogShows(std::function<void(FatalErrorDialog&)> act) {
  test::WhenModal<FatalErrorDialog>(std::move(act));
}

QPushButton* Button(FatalErrorDialog& dialog, const QString& text) {
  for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
    if (button->text() == text) return button;
  }
  return nullptr;
}

TEST(FatalErrorDialog, ShowsTheReportReadOnlyWithRetryAndCancel) {
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
}

TEST(FatalErrorDialog, RetryGoesOnAndEscapeCancelOrCloseCancel) {
  WhenDialogShows([](FatalErrorDialog& d) { Button(d, QStringLiteral("Retry"))->click(); });
  EXPECT_EQ(ShowFatalErrorDialog("report"), FatalChoice::Retry);
  WhenDialogShows([](FatalErrorDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
  EXPECT_EQ(ShowFatalErrorDialog("report"), FatalChoice::Cancel);
  WhenDialogShows([](FatalErrorDialog& d) { Button(d, QStringLiteral("Cancel"))->click(); });
  EXPECT_EQ(ShowFatalErrorDialog("report"), FatalChoice::Cancel);
  WhenDialogShows([](FatalErrorDialog& d) { d.close(); });
  EXPECT_EQ(ShowFatalErrorDialog("report"), FatalChoice::Cancel);
}

TEST(FatalErrorDialog, InstalledDialogReportsAFailedCheckAndRetryContinues) {
  InstallFatalErrorDialog();
  QString shown;
  WhenDialogShows([&shown](FatalErrorDialog& d) {
    shown = d.ReportText();
    Button(d, QStringLiteral("Retry"))->click();
  });
  const bool result = TAVOLO_CHECK_AS("m_hCursor!=0", false);
  test::InstallReportLog();
  EXPECT_FALSE(result);
  EXPECT_TRUE(shown.startsWith(
      QStringLiteral("Error sequence: m_hCursor!=0\n\nError in line: m_hCursor!=0")))
      << shown.toStdString();
}

TEST(FatalErrorDialog, ACheckFailingOnAWorkerIsShownByTheUserInterfaceThread) {
  InstallFatalErrorDialog();
  QString shown;
  WhenDialogShows([&shown](FatalErrorDialog& d) {
    EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
    shown = d.ReportText();
    Button(d, QStringLiteral("Retry"))->click();
  });
  std::atomic<bool> done = false;
  bool result = true;
  std::thread worker([&] {
    result = TAVOLO_CHECK_AS("worker!=0", false);
    done = true;
  });
  QTRY_VERIFY(done.load());
  worker.join();
  test::InstallReportLog();
  EXPECT_FALSE(result);
  EXPECT_TRUE(shown.contains(QStringLiteral("Error in line: worker!=0"))) << shown.toStdString();
}

}  // namespace
}  // namespace tavolo
