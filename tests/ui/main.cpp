// The widget tests need a QApplication; they run on the offscreen platform unless told
// otherwise, so that no display is needed.
#include <gtest/gtest.h>

#include <QApplication>

#include "tests/ui/ReportLog.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  tavolo::test::InstallReportLog();
  return RUN_ALL_TESTS();
}
