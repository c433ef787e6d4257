#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>

#include "core/card/PlacedPicture.h"
#include "ui/app/EditCommands.h"
#include "ui/app/FileDrop.h"
#include "ui/app/MainWindow.h"
#include "ui/card/CardPreview.h"
#include "ui/choosers/BackgroundChooser.h"

namespace tavolo {

DropAction MainWindow::DropActionAt(const QDropEvent& event) const {
  const QMimeData* data = event.mimeData();
  if (data == nullptr) return DropAction::kNone;
  const std::filesystem::path file = DroppedFile(*data);
  if (file.empty()) return DropAction::kNone;
  const QWidget* under = childAt(event.position().toPoint());
  const auto within = [under](const QWidget* control) {
    return under != nullptr && (under == control || control->isAncestorOf(under));
  };
  const DropTarget target = within(preview_)   ? DropTarget::kCard
                            : within(chooser_) ? DropTarget::kBackgroundChooser
                                               : DropTarget::kElsewhere;
  return ActionForDrop(file, target, event.modifiers().testFlag(Qt::ShiftModifier));
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  // Accepted for any file, so that the move events say where it may fall.
  if (event->mimeData() != nullptr && !DroppedFile(*event->mimeData()).empty()) {
    event->acceptProposedAction();
  }
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
  if (DropActionAt(*event) == DropAction::kNone) {
    event->ignore();
  } else {
    event->acceptProposedAction();
  }
}

void MainWindow::dropEvent(QDropEvent* event) {
  const DropAction action = DropActionAt(*event);
  if (action == DropAction::kNone) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  // Taken once the drag has ended: the questions and dialogs it may bring must not hold up the
  // program the file came from.
  QTimer::singleShot(0, this, [this, file = DroppedFile(*event->mimeData()), action] {
    TakeDroppedFile(file, action);
  });
}

void MainWindow::TakeDroppedFile(const std::filesystem::path& file, DropAction action) {
  ChooserPause pause(*this);
  switch (action) {
    case DropAction::kOpenProject:
      if (SaveChangesFirst()) OpenProject(file);
      break;
    case DropAction::kSetPhoto:
      PlacePicture(this, *prompts_, *preview_, PictureKind::kPhoto, file);
      break;
    case DropAction::kSetLogo:
      PlacePicture(this, *prompts_, *preview_, PictureKind::kLogo, file);
      break;
    case DropAction::kImportBackground:
      ImportBackgroundFile(file);
      break;
    case DropAction::kNone:
      break;
  }
}

}  // namespace tavolo
