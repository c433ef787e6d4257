// Tavolo: reads the background library and opens the main window on the blank card, or on the
// project named on the command line.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "core/base/ProgramFolder.h"
#include "core/library/BackgroundLibrary.h"
#include "core/library/BackgroundTable.h"
#include "ui/app/FatalErrorDialog.h"
#include "ui/app/Layout1Dlg.h"

namespace {

void PrintVersion() {
  const auto folder = tavolo::ProgramFolder();
  std::printf("Tavolo %s\nProgram folder: %s\n", TAVOLO_VERSION, folder.string().c_str());
  std::fflush(stdout);
}

// The project to open: the first argument that is not an option.
QString ProjectArgument(const QStringList& arguments) {
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    if (!arguments[i].startsWith(QLatin1Char('-'))) return arguments[i];
  }
  return {};
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
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tavolo"));
  tavolo::InstallFatalErrorDialog();

  tavolo::BackgroundTable backgrounds;
  const tavolo::BackgroundLoadResult loaded = tavolo::ReadBGFile(backgrounds);
  tavolo::Layout1Dlg window(backgrounds);
  window.Start();
  window.showMaximized();
  const QString project = ProjectArgument(QApplication::arguments());
  // Messages wait until the window stands, so that they appear in front of it.
  QTimer::singleShot(0, &window, [&window, &loaded, project] {
    if (!loaded.Ok()) {
      QMessageBox::warning(&window, QStringLiteral("Tavolo"),
                           QString::fromStdString(loaded.message));
    }
    if (!project.isEmpty()) window.OpenProject(project.toStdString());
  });
  return QApplication::exec();
}
