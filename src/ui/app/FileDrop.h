// What a file dropped on the main window does, by the kind of file and the control it falls on.
#pragma once

#include <QMimeData>
#include <filesystem>

namespace tavolo {

enum class DropTarget { kCard, kBackgroundChooser, kElsewhere };
enum class DropAction { kNone, kOpenProject, kSetPhoto, kSetLogo, kImportBackground };

// A card (.tvc) opens wherever it falls; a picture becomes the photo on the card (the logo with
// Shift held) and a background on the background chooser; anything else is refused.
DropAction ActionForDrop(const std::filesystem::path& file, DropTarget target, bool shift);

// The first local file a drag carries; empty when it carries none.
std::filesystem::path DroppedFile(const QMimeData& data);

}  // namespace tavolo
