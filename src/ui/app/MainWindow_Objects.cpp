// The "&Insert" and "&Arrange" menus: adding text boxes and shapes to the shown face, and
// arranging the objects selected in the preview.
#include <algorithm>

#include <QAction>

#include "core/base/Translation.h"
#include "ui/app/CommandIds.h"
#include "ui/app/MainWindow.h"
#include "ui/card/CardPreview.h"
#include "ui/dialogs/ObjectPropertiesDialog.h"

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

void MainWindow::OnObjectProperties() {
  const std::optional<ObjectRef> selected = preview_->SelectedObject();
  if (!selected) return;
  // A box of the layout is its Text Options.
  if (selected->layoutBox >= 0) return OnTextField(selected->layoutBox);
  switch (selected->kind) {
    case ObjectKind::kPhoto:
      return OnInsertPhoto();
    case ObjectKind::kLogo:
      return OnInsertLogo();
    case ObjectKind::kQrCode:
      return OnInsertQrCode();
    default:
      break;
  }
  if (!FindObject(document_.Live(), *selected)) return;
  ChooserPause pause(*this);
  ObjectPropertiesDialog dialog(*preview_, *selected, this);
  prompts_->Run(dialog);
}

void MainWindow::OnArrange(
    const std::function<bool(CardState&, std::span<const ObjectRef>)>& arrange) {
  const std::vector<ObjectRef> selected(preview_->Selection().begin(), preview_->Selection().end());
  CardState live = document_.Live();
  if (selected.empty() || !arrange(live, selected)) return;
  const CardDocument::ChangeScope scope(document_);
  document_.SetLive(live);
  document_.RecordEdit();
}

void MainWindow::UpdateArrangeMenu() {
  const std::span<const ObjectRef> selected = preview_->Selection();
  const CardState& live = document_.Live();
  const auto added = [&](const ObjectRef& ref) {
    return ref.added >= 0 && static_cast<size_t>(ref.added) < live.objects.size();
  };
  const auto locked = [&](const ObjectRef& ref) {
    return added(ref) && live.objects[static_cast<size_t>(ref.added)].locked;
  };
  for (int n = 0; n < 6; ++n) Action(kCmdAlignLeft + n)->setEnabled(!selected.empty());
  Action(kCmdDistributeHorizontally)->setEnabled(selected.size() >= 3);
  Action(kCmdDistributeVertically)->setEnabled(selected.size() >= 3);
  const bool anyAdded = std::ranges::any_of(selected, added);
  for (int n = 0; n < 4; ++n) Action(kCmdBringForward + n)->setEnabled(anyAdded);
  Action(kCmdLock)->setEnabled(std::ranges::any_of(
      selected, [&](const ObjectRef& ref) { return added(ref) && !locked(ref); }));
  Action(kCmdUnlock)->setEnabled(std::ranges::any_of(selected, locked));
  Action(kCmdObjectProperties)->setEnabled(selected.size() == 1);
}

}  // namespace tavolo
