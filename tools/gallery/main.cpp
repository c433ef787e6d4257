// The control gallery: every owner-drawn control in one window, to look at and to try.
// With --screenshot FILE it saves a picture of the window to FILE and quits.
#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <cstdio>

#include "GalleryWindow.h"
#include "ui/app/FatalErrorDialog.h"
#include "ui/controls/OwnerDrawnAccessible.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  tavolo::InstallFatalErrorDialog();
  tavolo::OwnerDrawnAccessible::InstallFactory();

  QCommandLineParser parser;
  parser.addHelpOption();
  const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                      QStringLiteral("Save a picture of the window and quit."),
                                      QStringLiteral("FILE"));
  parser.addOption(screenshot);
  parser.process(app);

  tavolo::GalleryWindow window;
  window.show();
  if (parser.isSet(screenshot)) {
    const QString file = parser.value(screenshot);
    // Give the window system time to map and paint the window first.
    QTimer::singleShot(500, &window, [&window, file] {
      const bool saved = window.grab().save(file);
      if (!saved) std::fprintf(stderr, "Could not save %s\n", qPrintable(file));
      QApplication::exit(saved ? 0 : 1);
    });
  }
  return app.exec();
}
