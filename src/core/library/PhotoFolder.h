// The photo folders ("customphotos"): the shipped one holds the templates' pictures, the user's
// one a working copy of every picture the user puts on a card. A card carries its pictures' bytes
// in its file; the folders are where a card of an older version finds them by name.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/base/DataFolder.h"
#include "core/card/CardState.h"
#include "core/storage/Outcome.h"

namespace tavolo {

// A picture put into the photo folder: where its working copy lies and the file's bytes.
struct PhotoCopy {
  std::filesystem::path path;
  std::vector<uint8_t> bytes;
};

// The bytes of a picture file; one over kMaxEmbeddedPictureBytes is refused with a message
// naming its size.
Outcome<std::vector<uint8_t>> ReadPictureFile(const std::filesystem::path& file);

// Puts a chosen photo or logo into the user's folder of `photos` (made when missing) under its
// own file name, or, when a different picture has that name there or in the shipped folder,
// under the first free name of "name-2.ext", "name-3.ext", …: a picture never replaces another.
// A file of those names with the same bytes (the source itself, a shipped photo, one copied
// before) is used where it is. A copy that fails leaves the folder as it was.
Outcome<PhotoCopy> CopyIntoPhotoFolder(const std::filesystem::path& source,
                                       const DataFolder& photos);

// Gives each picture of the card (both faces) whose bytes the card does not hold the bytes of
// its file in `photos`, so that a card of an older version gains them; names, in the user's
// language, each picture the card names but neither holds nor finds.
std::vector<std::string> EmbedFolderPictures(CardState& card, const DataFolder& photos);

}  // namespace tavolo
