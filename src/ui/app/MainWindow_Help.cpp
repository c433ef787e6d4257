// The "&Help" menu: the help window and the About box.
#include <QAction>
#include <system_error>

#include "core/base/ProgramFolder.h"
#include "core/base/Translation.h"
#include "ui/app/AboutDialog.h"
#include "ui/app/CommandIds.h"
#include "ui/app/HelpContents.h"
#include "ui/app/HelpWindow.h"
#include "ui/app/MainWindow.h"

namespace tavolo {

void MainWindow::InstallContextHelp() {
  // Shift+F1, the request for help on what is in front of the user, opens the same pages as F1.
  Action(kCmdHelp)->setShortcuts({QKeySequence(Qt::Key_F1), QKeySequence(Qt::SHIFT | Qt::Key_F1)});
}

void MainWindow::OnHelp() {
  const std::filesystem::path folder = HelpFolder();
  std::error_code ec;
  if (!std::filesystem::is_regular_file(folder / kHelpStartPage, ec)) {
    Tell(Tr("The help pages could not be found: %1 is missing.")
             .arg(QString::fromStdString((folder / kHelpStartPage).string())));
    return;
  }
  // One help window, which keeps its page while the card is worked on.
  auto* help = findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
  if (help == nullptr) help = new HelpWindow(QString::fromStdString(folder.string()), this);
  help->show();
  help->raise();
  help->activateWindow();
}

void MainWindow::OnAbout() {
  ChooserPause pause(*this);
  AboutDialog about(this);
  prompts_->Run(about);
}

}  // namespace tavolo
