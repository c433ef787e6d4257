// Tavolo: the loading window reads the background library and the templates and turns into the
// template library; the main window then opens on the chosen template (or the blank card) with
// the fields typed there. A project named on the command line opens at once, without the library:
// its window stands while the card is read and shows it when it is in.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "core/base/CheckedCall.h"
#include "core/base/ProgramFolder.h"
#include "core/base/Translation.h"
#include "core/card/BackgroundTable.h"
#include "core/formats/ProjectFile.h"
#include "core/library/BackgroundLibrary.h"
#include "core/library/TemplateTable.h"
#include "core/render/BackgroundProcessing.h"
#include "ui/app/AppIcon.h"
#include "ui/app/FatalErrorDialog.h"
#include "ui/app/MainWindow.h"
#include "ui/base/BackgroundWork.h"
#include "ui/base/DialogPrompts.h"
#include "ui/controls/OwnerDrawnAccessible.h"
#include "ui/templates/LoadingWindow.h"
#include "ui/templates/TemplateLibraryDialog.h"

namespace {

void PrintVersion() {
  const tavolo::DataFolder& folders = tavolo::DataFolders();
  std::printf("Tavolo %s\nProgram folder: %s\nUser folder: %s\n", TAVOLO_VERSION,
              folders.shipped.string().c_str(), folders.user.string().c_str());
  std::fflush(stdout);
}

void PrintHelp() {
  std::printf(
      "Usage: tavolo [CARD.tvc]\n"
      "Designs business cards and prints them many to a sheet.\n"
      "\n"
      "Without a card Tavolo starts with the template library: pick a ready-made card, type\n"
      "your details beside it and press Continue. With CARD.tvc it opens that card at once.\n"
      "\n"
      "  --help       this text\n"
      "  --version    the version and the program folder\n"
      "\n"
      "Environment:\n"
      "  TAVOLO_NO_SPLASH_WAIT=1   show the template library as soon as everything is read,\n"
      "                            without keeping the loading picture up for 5 seconds\n"
      "  TAVOLO_HOME=FOLDER        read the backgrounds, templates and other data from FOLDER\n"
      "                            instead of the program's own folder\n");
  std::fflush(stdout);
}

// The files named on the command line: the arguments that are not options, as the bytes they
// were given. A file name need not be UTF-8, and through a QString its other bytes would be lost.
std::vector<std::filesystem::path> FileArguments(int argc, char** argv) {
  std::vector<std::filesystem::path> files;
  for (int i = 1; i < argc; ++i) {
    if (argv[i][0] != '-') files.emplace_back(argv[i]);
  }
  return files;
}

// A file manager may hand over several files; the window holds one card, the first.
void TellNotOpened(QWidget* window, const std::vector<std::filesystem::path>& files) {
  if (files.size() < 2) return;
  QString names;
  for (size_t i = 1; i < files.size(); ++i) {
    names += QLatin1Char('\n') + QString::fromLocal8Bit(files[i].string());
  }
  QMessageBox::information(
      window, QStringLiteral("Tavolo"),
      tavolo::Tr("Tavolo opens one card at a time: %1 is open. These were not opened:%2")
          .arg(QString::fromLocal8Bit(files.front().filename().string()), names));
}

// What the window needs before it can show the card named on the command line.
struct CardReading {
  tavolo::BackgroundTable backgrounds;
  std::optional<tavolo::BackgroundLoading> loaded;
  tavolo::CardState card;
  std::optional<tavolo::ProjectReading> read;
};

// The library's index, then the card over `blank` (what a file error leaves), its background
// decoded so that the window only has to draw it. Touches no window: runs on a worker.
CardReading ReadCardAtStartUp(const std::filesystem::path& project, tavolo::CardState blank) {
  CardReading reading;
  reading.loaded = tavolo::ReadBGFile(reading.backgrounds);
  reading.card = std::move(blank);
  reading.read = tavolo::ReadProject(project, reading.card, reading.backgrounds,
                                     tavolo::ReadMode::kKeepOnFileError);
  const int background = tavolo::DrawnBackgroundNumber(reading.card.backgroundIndex);
  if (background < reading.backgrounds.Count()) reading.backgrounds.Image(background);
  return reading;
}

}  // namespace

int main(int argc, char** argv) {
  // Answered before any window exists, so that they work without a display.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      PrintVersion();
      return 0;
    }
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      PrintHelp();
      return 0;
    }
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tavolo"));
  QApplication::setWindowIcon(tavolo::AppIcon());
  // The texts in the user's language (English needs no catalogue); help pages stay English.
  tavolo::InstallProgramTranslations(app);
  tavolo::InstallFatalErrorDialog();
  tavolo::OwnerDrawnAccessible::InstallFactory();

  tavolo::BackgroundTable backgrounds;
  tavolo::DialogPrompts prompts;
  // QApplication has taken its own options out of argv.
  const std::vector<std::filesystem::path> files = FileArguments(argc, argv);
  const std::filesystem::path project = files.empty() ? std::filesystem::path() : files.front();
  std::unique_ptr<tavolo::MainWindow> window;
  tavolo::BackgroundWork<CardReading> cardReading;
  if (project.empty()) {
    tavolo::LoadingWindow loading(backgrounds, prompts);
    // Closed by the user while loading, the program starts on the blank card.
    const bool libraryWanted = prompts.Run(loading) == QDialog::Accepted;
    window = std::make_unique<tavolo::MainWindow>(backgrounds);
    const tavolo::CardState* chosen = nullptr;
    std::filesystem::path savedCard;
    if (libraryWanted) {
      tavolo::TemplateLibraryDialog library(tavolo::TemplateLibraryDialog::Opened::AtStartUp,
                                            backgrounds, prompts);
      prompts.Run(library);
      if (library.TakenDetails()) {
        window->Document().PresetDetails(*library.TakenDetails());
      }
      chosen = library.ChosenTemplate();
      savedCard = library.ChosenCard();
    }
    window->Start(chosen);
    if (!savedCard.empty()) window->OpenProject(savedCard);
    window->showMaximized();
  } else {
    window = std::make_unique<tavolo::MainWindow>(backgrounds);
    window->Start();
    // The window stands at once and is filled when the library's index and the card are read.
    cardReading.Start(
        [project, blank = window->Document().Working()] {
          return ReadCardAtStartUp(project, blank);
        },
        [shown = window.get(), project](CardReading reading) {
          shown->ReplaceBackgrounds(std::move(reading.backgrounds));
          if (!*reading.loaded) {
            QMessageBox::warning(shown, QStringLiteral("Tavolo"),
                                 QString::fromStdString(reading.loaded->Message()));
          }
          shown->TakeProject(project, reading.card, *reading.read);
        });
    // The templates are read when the library is first opened.
    tavolo::Templates().MarkChanged();
    window->showMaximized();
    TellNotOpened(window.get(), files);
  }
  const int result = QApplication::exec();
  window.reset();
  TAVOLO_CHECK_AS("TmpDlg::FreeTmps()==0", tavolo::TemplateLibraryDialog::FreeTemplates() == 0);
  return result;
}
