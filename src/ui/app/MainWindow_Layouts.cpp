// The "&Layouts" and "&Window" menus: switching the layout, and the option dialogs of the text
// boxes and the background.
#include <QPointer>

#include "ui/app/FieldCaption.h"
#include "ui/app/FieldPanel.h"
#include "ui/app/MainWindow.h"
#include "ui/dialogs/BackgroundOptionsDialog.h"
#include "ui/dialogs/TextOptionsDialog.h"

namespace tavolo {

void MainWindow::OnLayout(int layout) {
  // Picking the current layout again changes nothing.
  if (document_.SwitchLayout(layout)) Refresh();
}

void MainWindow::OnTextField(int box) {
  if (box < 0 || box >= fields_->Count()) return;
  ChooserPause pause(*this);
  const QPointer<FieldCaption> caption = fields_->Caption(box);
  caption->SetHighlighted(true);
  TextOptionsDialog dialog(*preview_, box, this);
  // The dialog records its step or puts the card back as it closes.
  prompts_->Run(dialog);
  if (caption) caption->SetHighlighted(false);
  UpdateMenus();
}

void MainWindow::OnBackgroundOptions() {
  ChooserPause pause(*this);
  BackgroundOptionsDialog dialog(*preview_, this);
  prompts_->Run(dialog);
  UpdateMenus();
}

}  // namespace tavolo
