// Until the main window exists, the application tells what it is and where its data lives.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "core/base/ProgramFolder.h"
#include "ui/app/FatalErrorDialog.h"

namespace {

void PrintVersion() {
  const auto folder = tavolo::ProgramFolder();
  std::printf("Tavolo %s\nProgram folder: %s\n", TAVOLO_VERSION, folder.string().c_str());
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  // Answered before any window exists, so that it works without a display.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      PrintVersion();
      return 0;
    }
  }
  PrintVersion();
  QApplication app(argc, argv);
  tavolo::InstallFatalErrorDialog();
  return 0;
}
