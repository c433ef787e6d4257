#include "ui/app/EditCommands.h"

#include <memory>

#include <QDialog>

#include "core/card/CardFaces.h"
#include "core/document/CardDocument.h"
#include "ui/base/Prompts.h"
#include "ui/card/CardPreview.h"
#include "ui/controls/PicturePreviewGeometry.h"
#include "ui/dialogs/CardPropertiesDialog.h"
#include "ui/dialogs/ColourDialog.h"
#include "ui/dialogs/LogoDialog.h"
#include "ui/dialogs/PhotoDialog.h"

namespace tavolo {

namespace {

std::unique_ptr<ImageOptionsDialog> PictureDialog(PictureKind kind, QImage cardPicture,
                                                  const CardState& card, DataFolder photoFolder,
                                                  Prompts& prompts, QWidget* owner) {
  if (kind == PictureKind::kPhoto) {
    return std::make_unique<PhotoDialog>(std::move(cardPicture), card, std::move(photoFolder),
                                         prompts, owner);
  }
  return std::make_unique<LogoDialog>(std::move(cardPicture), card, std::move(photoFolder), prompts,
                                      owner);
}

}  // namespace

// The card is drawn without the picture for the dialog's preview; on OK with a picture the
// dialog's placement replaces the card's.
bool PlacePicture(QWidget* owner, Prompts& prompts, CardPreview& preview, PictureKind kind,
                  const std::filesystem::path& picture) {
  CardDocument& document = preview.Document();
  const CardState snapshot = document.Snapshot();
  CardState hidden = snapshot;
  hidden.Picture(kind).name.clear();
  document.SetLive(hidden);
  const DraftPicture draft = DraftPictureFor(snapshot.cardWidth, snapshot.cardHeight);
  const std::unique_ptr<ImageOptionsDialog> dialog =
      PictureDialog(kind, document.Render(draft.divisor, draft.dx, draft.dy), snapshot,
                    document.Renderer().PhotoFolder(), prompts, owner);
  // A picture that cannot be loaded has been told; the card stays as it was.
  const bool taken = (picture.empty() || dialog->LoadFile(picture)) &&
                     prompts.Run(*dialog) == QDialog::Accepted && dialog->HoldsPicture();
  if (taken) {
    const CardDocument::ChangeScope scope(document);
    // A picture of the same name may have been replaced in the photo folder.
    document.Renderer().ReloadPictures();
    CardState placed = snapshot;
    placed.Picture(kind) = dialog->Placement();
    // A picture loaded in the dialog travels in the card from now on.
    if (!dialog->LoadedBytes().empty()) {
      EmbedPicture(placed, kind, placed.Picture(kind).name, dialog->LoadedBytes());
    }
    document.SetLive(placed);
    document.RecordEdit();
  } else {
    document.Revert(snapshot);
  }
  return taken;
}

bool EditColours(QWidget* owner, Prompts& prompts, CardPreview& preview, ColourTarget target) {
  // The dialog records its step or puts the card back as it closes.
  ColourDialog dialog(preview, target, owner);
  return prompts.Run(dialog) == QDialog::Accepted;
}

bool EditCardProperties(QWidget* owner, Prompts& prompts, CardPreview& preview) {
  CardDocument& document = preview.Document();
  CardPropertiesDialog dialog(&document.Live(), prompts, owner);
  if (prompts.Run(dialog) != QDialog::Accepted) return false;
  const CardSizeChoice& choice = dialog.Choice();
  const CardDocument::ChangeScope scope(document);
  CardState live = document.Live();
  CardState sized = live;
  sized.cardWidth = choice.width;
  sized.cardHeight = choice.height;
  sized.dpi = choice.dpi;
  sized.widthUnit = choice.widthUnit;
  sized.heightUnit = choice.heightUnit;
  TakeSizeOf(live, sized);
  document.SetLive(live);
  document.DropBackgroundCache();
  document.RecordEdit();
  return true;
}

}  // namespace tavolo
