#include "PictureWarnings.h"

#include <algorithm>
#include <memory>
#include <string>

#include "CliSupport.h"
#include "core/render/BackgroundProcessing.h"
#include "core/render/MissingFonts.h"

namespace tavolo::cli {

int WarnOfLeftOutPictures(std::string_view command, const CardRenderer& renderer,
                          const BackgroundTable& table, const CardState& card) {
  int leftOut = 0;
  // `message` is whole, in the user's language.
  const auto warn = [&](const std::string& message) {
    PrintWarning(command, message);
    ++leftOut;
  };
  const int number = DrawnBackgroundNumber(card.backgroundIndex);
  if (number < 0 || number >= table.Count()) {
    warn(
        TrMessage("the background %1 could not be loaded and is left out: there is no such "
                  "background",
                  number));
  } else if (const std::shared_ptr<const RasterImage> picture = table.Image(number);
             !picture->IsValid()) {
    warn(TrMessage("the background %1 could not be loaded and is left out: %2", number,
                   TranslatedMessage(picture->GetLastError())));
  }
  for (const PictureKind kind : kPictureKinds) {
    const std::string& error = renderer.LoadError(kind);
    const std::string name = card.Picture(kind).name.toStdString();
    if (error.empty()) continue;
    warn(kind == PictureKind::kPhoto
             ? TrMessage("the photo '%1' could not be loaded and is left out: %2", name, error)
             : TrMessage("the logo '%1' could not be loaded and is left out: %2", name, error));
  }
  // The text is drawn, in another face: the output is not what the card shows where its fonts are.
  for (const MissingFace& missing : MissingFaces(card, false)) {
    warn(TrMessage("the font \"%1\" is not installed; \"%2\" stands in for it", missing.face,
                   missing.standIn));
  }
  const auto notDrawn = std::ranges::count_if(
      card.objects, [](const PlacedObject& object) { return !IsAddedKind(object.kind); });
  if (notDrawn > 0) {
    warn(TrMessage("%1 placed objects of a kind this version does not know are left out",
                   static_cast<int>(notDrawn)));
  }
  if (!renderer.QrCodeError().empty()) {
    PrintWarning(command, TrMessage("the QR code is left out: %1", renderer.QrCodeError()));
    ++leftOut;
  }
  return leftOut;
}

}  // namespace tavolo::cli
