// The predefined page layouts: the .ptm files of the abctmp folders, shipped and the user's,
// listed with the "Avery" sheets first.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/base/DataFolder.h"
#include "core/print/PageLayout.h"

namespace tavolo {

// More files than this are left out of the list (a folder of layouts is a few dozen).
inline constexpr int kMaxPageLayouts = 1000;

struct PageLayoutListing {
  std::vector<PageLayout> layouts;  // in file-name order, the shipped before the user's
  // One message per file or folder that could not be read or was refused, and one saying how
  // many files past kMaxPageLayouts were left out.
  std::vector<std::string> errors;
  int leftOut = 0;  // files past kMaxPageLayouts
};

// Reads every file of `folder` whose extension is .ptm (in any case), in the order of their
// names, the shipped folder's first; a user's file hides a shipped one of its name, and a user's
// folder not made yet holds none. A damaged file, one of a later version, and one whose first card
// does not start on its own paper (at the resolution layouts are made for) is left out and named in
// the errors; the others are still listed.
PageLayoutListing ReadPageLayouts(const DataFolder& folder);

// The order of the predefined list: first the layouts whose names begin with "Avery" (with that
// case), then the others, each group in the order given.
std::vector<PageLayout> PredefinedListOrder(std::vector<PageLayout> layouts);

// The first layout of that name (with case); -1 when none has it.
int FindPageLayout(const std::vector<PageLayout>& layouts, const QString& name);

}  // namespace tavolo
