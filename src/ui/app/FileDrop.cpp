#include "ui/app/FileDrop.h"

#include <QUrl>
#include <algorithm>
#include <cctype>
#include <string>

#include "core/formats/ImageFileTypes.h"

namespace tavolo {

namespace {

std::string LowerExtension(const std::filesystem::path& file) {
  std::string extension = file.extension().string();
  std::ranges::transform(extension, extension.begin(),
                         [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

}  // namespace

DropAction ActionForDrop(const std::filesystem::path& file, DropTarget target, bool shift) {
  const std::string extension = LowerExtension(file);
  if (extension == ".tvc") return DropAction::kOpenProject;
  if (extension.empty() || !OfferedFormatForExtension(extension)) return DropAction::kNone;
  switch (target) {
    case DropTarget::kCard:
      return shift ? DropAction::kSetLogo : DropAction::kSetPhoto;
    case DropTarget::kBackgroundChooser:
      return DropAction::kImportBackground;
    case DropTarget::kElsewhere:
      break;
  }
  return DropAction::kNone;
}

std::filesystem::path DroppedFile(const QMimeData& data) {
  for (const QUrl& url : data.urls()) {
    // The local path's bytes as the file system holds them.
    if (url.isLocalFile())
      return std::filesystem::path(url.toLocalFile().toLocal8Bit().toStdString());
  }
  return {};
}

}  // namespace tavolo
