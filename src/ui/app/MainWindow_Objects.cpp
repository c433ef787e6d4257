// The "&Insert" and "&Arrange" menus: adding text boxes and shapes to the shown face, and
// arranging the objects selected in the preview.
#include "core/base/Translation.h"
#include "ui/app/MainWindow.h"
#include "ui/card/CardPreview.h"

namespace tavolo {

void MainWindow::OnInsertObject(ObjectKind kind) {
  CardState live = document_.Live();
  const ObjectRef added = InsertObject(live, NewObjectFor(live, kind, Tr("Text")));
  {
    const CardDocument::ChangeScope scope(document_);
    document_.SetLive(live);
    document_.RecordEdit();
  }
  preview_->Select(added);
  // The new object's keys (arrows, Delete) go to the card.
  preview_->setFocus();
}

}  // namespace tavolo
