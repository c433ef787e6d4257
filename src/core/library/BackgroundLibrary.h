// Filling the background table: the imported backgrounds of the custombg folders first, then the
// built-in library file; importing one more background at run time; and the mean hue that
// gives each imported background its hue offset.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/ProgramFolder.h"
#include "core/card/BackgroundTable.h"
#include "core/imaging/RasterImage.h"
#include "core/storage/Outcome.h"

namespace tavolo {

// Hue offset = hue × 1/239 (as a 32-bit float) − 0.5.
inline constexpr float kHueToOffset = 0.0041841003f;

// The image format of a custom background by its extension (the text after the last "."),
// compared without regard to case; kFormatUnknown when the file is not a background.
int CustomBackgroundFormat(std::string_view extension);

// The mean hue (0..239) of an image: every pixel's blue, green and red bytes scaled to 0..1 are
// handed to RgbToHsl as r, g and b in that order, the hues summed in a 32-bit float over the rows
// from the top, then divided by width × height. An empty image gives 0.
float MeanHue(const RasterImage& image);

// What a load added, and what the user should know though it went on.
struct BackgroundsLoaded {
  int customCount = 0;     // backgrounds taken from the custom folder
  int libraryCount = 0;    // backgrounds taken from the library file
  bool tableFull = false;  // more backgrounds were offered than the table holds
  // Imported pictures that were measured and did not decode (they keep their numbers, without a
  // picture) and a library that holds no backgrounds. Other pictures are decoded only when drawn
  // (see CheckBackgrounds).
  std::vector<std::string> warnings;
};

enum class BackgroundLoadFault {
  kLibraryMissing,     // the library file could not be opened
  kLibraryUnreadable,  // it could not be read whole
  kLibraryTruncated,   // it ended inside a record; the complete records before it were added
};

struct BackgroundLoadFailure {
  std::string message;
  BackgroundLoadFault kind = BackgroundLoadFault::kLibraryUnreadable;
  BackgroundsLoaded loaded;  // what was added before the library failed
};

using BackgroundLoading = Outcome<BackgroundsLoaded, BackgroundLoadFailure>;

// What was added, whether the library read or not.
const BackgroundsLoaded& LoadedOf(const BackgroundLoading& loading);

// What loading does for a custom image without its .hue companion: it always measures the mean
// hue; the program writes the companion, a command that only reads leaves the folder alone.
enum class HueCompanions { kWriteMissing, kMeasureOnly };

// Fills `table` (which should be empty) from `folder`/custombg and then the shipped
// `folder`/`fileName`. Custom files come in directory order, the shipped folder's first, a user's
// file taking the place of a shipped one of its name; a custom image without its .hue companion
// gets its mean hue measured (and the companion written, as `companions` says). Only the library's
// index is read; pictures are decoded when drawn. Every failure leaves what was already added in
// place.
BackgroundLoading ReadBGFileIn(BackgroundTable& table, const DataFolder& folder,
                               const std::filesystem::path& fileName = kBackgroundLibraryFileName,
                               HueCompanions companions = HueCompanions::kWriteMissing);
// The same from the folders of this run.
BackgroundLoading ReadBGFile(BackgroundTable& table,
                             const std::filesystem::path& fileName = kBackgroundLibraryFileName,
                             HueCompanions companions = HueCompanions::kWriteMissing);

// Decodes every picture of the table, one at a time, and says which do not decode: each imported
// picture by its file, the library's as one count per library file. Empty when all decode.
std::vector<std::string> CheckBackgrounds(const BackgroundTable& table);

// Import Background, giving the new background's number: decodes `source` with the format of its
// extension, measures its mean hue, writes the .hue companion, copies it into the user's
// `folder`/custombg (replacing a file of that name) and appends it. A name without an extension is
// refused before anything is copied; a file of a kind that is not a background is copied but adds
// nothing; a picture that does not decode changes nothing in the folder. The message says why, and
// names the folder when it cannot be written to.
Outcome<int> AddCustomBackground(BackgroundTable& table, const std::filesystem::path& source,
                                 const DataFolder& folder);
Outcome<int> AddCustomBackground(BackgroundTable& table, const std::filesystem::path& source);

}  // namespace tavolo
