// The photo folder beside the program ("customphotos"), where every photo and logo placed on a
// card is kept under its own file name, so that the card finds it again by that name.
#pragma once

#include <filesystem>

#include "core/storage/Outcome.h"

namespace tavolo {

// Puts a chosen photo or logo into `folder` (made when missing) under its own file name,
// replacing a file of that name, and gives where it lies there; a name without an extension is
// kept as it is. A file that lies in the folder already is used where it is. A copy that fails
// leaves any file of that name as it was.
Outcome<std::filesystem::path> CopyIntoPhotoFolder(const std::filesystem::path& source,
                                                   const std::filesystem::path& folder);

}  // namespace tavolo
