#include "PictureWarnings.h"

#include <memory>
#include <string>

#include "CliSupport.h"
#include "core/card/BackgroundProcessing.h"

namespace tavolo::cli {

int WarnOfLeftOutPictures(std::string_view command, const CardRenderer& renderer,
                          const BackgroundTable& table, const CardState& card) {
  int leftOut = 0;
  const auto warn = [&](const std::string& what, const std::string& why) {
    PrintWarning(command, what + " could not be loaded and is left out: " + why);
    ++leftOut;
  };
  const int number = DrawnBackgroundNumber(card.backgroundIndex);
  if (number < 0 || number >= table.Count()) {
    warn("the background " + std::to_string(number), "there is no such background");
  } else if (const std::shared_ptr<const RasterImage> picture = table.Image(number);
             !picture->IsValid()) {
    warn("the background " + std::to_string(number), picture->GetLastError());
  }
  for (const PictureKind kind : kPictureKinds) {
    const std::string& error = renderer.LoadError(kind);
    const std::string name = card.Picture(kind).name.toStdString();
    if (!error.empty()) warn("the " + std::string(RulesOf(kind).name) + " '" + name + "'", error);
  }
  if (!renderer.QrCodeError().empty()) {
    PrintWarning(command, "the QR code is left out: " + renderer.QrCodeError());
    ++leftOut;
  }
  return leftOut;
}

}  // namespace tavolo::cli
