// The "&Layouts" and "&Window" menus: switching the layout, the option dialogs of the text
// boxes and the background, and the preview's zoom.
#include <iterator>

#include <QAction>
#include <QPointer>

#include "ui/app/CommandIds.h"
#include "ui/app/FieldCaption.h"
#include "ui/app/FieldPanel.h"
#include "ui/app/MainWindow.h"
#include "ui/card/CardPreview.h"
#include "ui/dialogs/BackgroundOptionsDialog.h"
#include "ui/dialogs/TextOptionsDialog.h"

namespace tavolo {

void MainWindow::OnLayout(int layout) {
  // Picking the current layout again changes nothing.
  document_.SwitchLayout(layout);
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
}

void MainWindow::OnBackgroundOptions() {
  ChooserPause pause(*this);
  BackgroundOptionsDialog dialog(*preview_, this);
  prompts_->Run(dialog);
}

void MainWindow::OnZoom(int zoomPercent) {
  preview_->SetZoom(zoomPercent);
  CheckCurrentZoom();
}

void MainWindow::OnZoomIn() {
  preview_->ZoomIn();
  CheckCurrentZoom();
}

void MainWindow::OnZoomOut() {
  preview_->ZoomOut();
  CheckCurrentZoom();
}

void MainWindow::CheckCurrentZoom() {
  const int zoom = preview_->Zoom();
  Action(kCmdZoomToFit)->setChecked(zoom == kZoomToFit);
  for (size_t n = 0; n < std::size(kZoomSteps); ++n) {
    Action(kCmdZoom50 + static_cast<int>(n))->setChecked(zoom == kZoomSteps[n]);
  }
}

}  // namespace tavolo
