// The widget tests need a QApplication; they run on the offscreen platform unless told
// otherwise, so that no display is needed. The program folder and the settings are in a scratch
// folder of their own, so that what the tests import or save never lands beside the real program
// or in the user's settings.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <filesystem>
#include <string>
#include <system_error>

#include "tests/ui/ReportLog.h"
#include "ui/controls/OwnerDrawnAccessible.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  std::string home = (std::filesystem::temp_directory_path() / "tavolo-ui-home-XXXXXX").string();
  if (::mkdtemp(home.data()) == nullptr) return 1;
  qputenv("TAVOLO_HOME", home.c_str());
  // Recent projects and last folders go to the scratch folder, never to the user's settings.
  qputenv("XDG_CONFIG_HOME", (home + "/config").c_str());
  int result = 0;
  {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    tavolo::test::InstallReportLog();
    tavolo::OwnerDrawnAccessible::InstallFactory();
    result = RUN_ALL_TESTS();
  }
  std::error_code ignored;
  std::filesystem::remove_all(home, ignored);
  return result;
}
