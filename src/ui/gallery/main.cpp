// The control gallery: every owner-drawn control in one window, to look at and to try.
// With --print-dialog PROJECT it shows the print dialog on that card instead (--paper and
// --layout choose the paper and a predefined page layout). With --screenshot FILE it saves a
// picture of the window to FILE and quits.
#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <cstdio>

#include "ui/app/FatalErrorDialog.h"
#include "ui/gallery/GalleryWindow.h"
#include "ui/gallery/PrintDialogShow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  tavolo::InstallFatalErrorDialog();

  QCommandLineParser parser;
  parser.addHelpOption();
  const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                      QStringLiteral("Save a picture of the window and quit."),
                                      QStringLiteral("FILE"));
  parser.addOption(screenshot);
  const QCommandLineOption printDialog(QStringLiteral("print-dialog"),
                                       QStringLiteral("Show the print dialog on a project's card."),
                                       QStringLiteral("PROJECT"));
  const QCommandLineOption paper(QStringLiteral("paper"),
                                 QStringLiteral("The printer's paper for --print-dialog."),
                                 QStringLiteral("NAME"));
  const QCommandLineOption layout(QStringLiteral("layout"),
                                  QStringLiteral("A predefined page layout for --print-dialog."),
                                  QStringLiteral("NAME"));
  parser.addOptions({printDialog, paper, layout});
  parser.process(app);

  tavolo::GalleryWindow gallery;
  tavolo::PrintDialogShow print;
  QWidget* shown = &gallery;
  if (parser.isSet(printDialog)) {
    shown = print.Open({parser.value(printDialog), parser.value(paper), parser.value(layout)});
    if (shown == nullptr) return 1;
  }
  shown->show();
  if (parser.isSet(screenshot)) {
    const QString file = parser.value(screenshot);
    // Give the window system time to map and paint the window first.
    QTimer::singleShot(500, shown, [shown, file] {
      const bool saved = shown->grab().save(file);
      if (!saved) std::fprintf(stderr, "Could not save %s\n", qPrintable(file));
      QApplication::exit(saved ? 0 : 1);
    });
  }
  return app.exec();
}
