#include "core/print/PageLayoutLibrary.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "core/base/Translation.h"
#include "core/print/PageLayoutFile.h"
#include "core/print/PaperCatalogue.h"
#include "core/print/SheetGrid.h"
#include "core/storage/FileIo.h"
#include "core/storage/PrintableName.h"

namespace tavolo {

namespace {

// Why a layout read from a file is no use on its own paper; empty when it is, or when its paper
// is not one the catalogue knows (the grid then judges it on the paper it is printed on).
std::string OffItsPaper(const PageLayout& layout, const std::vector<Paper>& papers) {
  const int paper = FindPaperById(papers, layout.paper);
  if (paper < 0) return {};
  const SheetGrid grid = ComputeGrid(layout, papers[paper].WholeMm(), CardState().dpi);
  if (grid || grid.Fault().kind != GridFault::kOffThePaper) return {};
  return grid.Message();
}

}  // namespace

PageLayoutListing ReadPageLayouts(const DataFolder& folder) {
  PageLayoutListing listing;
  std::vector<std::filesystem::path> files;
  for (const std::filesystem::path& place : folder.ListingOrder()) {
    std::error_code error;
    std::filesystem::directory_iterator entries(place, error);
    if (error) {
      // The user's folder is made by the first layout saved there.
      if (place == folder.shipped || error.value() != ENOENT) {
        listing.errors.push_back(TranslatedMessage(FileErrorMessage(error.value(), place)));
      }
      continue;
    }
    std::vector<std::filesystem::path> here;
    for (const std::filesystem::directory_entry& entry : entries) {
      std::error_code ignored;
      if (entry.is_regular_file(ignored) && HasLayoutExtension(entry.path())) {
        here.push_back(entry.path());
      }
    }
    std::ranges::sort(here);
    // A user's layout takes the place of a shipped one of the same file name.
    std::erase_if(files, [&here](const std::filesystem::path& shipped) {
      return std::ranges::any_of(
          here, [&shipped](const auto& mine) { return mine.filename() == shipped.filename(); });
    });
    files.insert(files.end(), here.begin(), here.end());
  }
  if (files.size() > static_cast<size_t>(kMaxPageLayouts)) {
    listing.leftOut = static_cast<int>(files.size()) - kMaxPageLayouts;
    files.resize(kMaxPageLayouts);
  }
  const std::vector<Paper> papers = PaperCatalogue();
  for (const std::filesystem::path& file : files) {
    Outcome<PageLayout> read = ReadPageLayoutFile(file);
    if (!read) {
      listing.errors.push_back(read.Message());
    } else if (const std::string off = OffItsPaper(read.Value(), papers); !off.empty()) {
      listing.errors.push_back(TrMessage("%1 is refused: %2.", PrintableName(file.string()), off));
    } else {
      listing.layouts.push_back(std::move(read).Value());
    }
  }
  if (listing.leftOut > 0) {
    listing.errors.push_back(
        TrMessage("Only the first %1 page layouts are listed; %2 more in %3 are left out.",
                  kMaxPageLayouts, listing.leftOut, PrintableName(folder.user.string())));
  }
  return listing;
}

std::vector<PageLayout> PredefinedListOrder(std::vector<PageLayout> layouts) {
  // The iterator form: clang's fuzzing build cannot compile the ranges form with this library.
  std::stable_partition(layouts.begin(), layouts.end(), [](const PageLayout& layout) {
    return layout.name.startsWith(QStringLiteral("Avery"), Qt::CaseSensitive);
  });
  return layouts;
}

int FindPageLayout(const std::vector<PageLayout>& layouts, const QString& name) {
  const auto found = std::ranges::find(layouts, name, &PageLayout::name);
  return found == layouts.end() ? -1 : static_cast<int>(found - layouts.begin());
}

}  // namespace tavolo
