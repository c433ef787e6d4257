// The photo folders ("customphotos"), where every photo and logo placed on a card is kept under
// its own file name, so that the card finds it again by that name: the shipped one holds the
// templates' pictures, the user's one every picture the user puts on a card.
#pragma once

#include <filesystem>

#include "core/base/DataFolder.h"
#include "core/storage/Outcome.h"

namespace tavolo {

// Puts a chosen photo or logo into the user's folder of `photos` (made when missing) under its
// own file name, replacing a file of that name, and gives where it lies there; a name without an
// extension is kept as it is. The file its name finds already (shipped or the user's) is used
// where it is. A copy that fails leaves any file of that name as it was.
Outcome<std::filesystem::path> CopyIntoPhotoFolder(const std::filesystem::path& source,
                                                   const DataFolder& photos);

}  // namespace tavolo
