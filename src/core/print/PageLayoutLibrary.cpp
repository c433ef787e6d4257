#include "core/print/PageLayoutLibrary.h"

#include <algorithm>
#include <system_error>

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
  if (grid.status != GridStatus::kOffThePaper) return {};
  return GridMessage(grid.status);
}

}  // namespace

PageLayoutListing ReadPageLayouts(const std::filesystem::path& folder) {
  PageLayoutListing listing;
  std::error_code error;
  std::filesystem::directory_iterator entries(folder, error);
  if (error) {
    listing.errors.push_back(FileErrorMessage(error.value(), folder));
    return listing;
  }
  std::vector<std::filesystem::path> files;
  for (const std::filesystem::directory_entry& entry : entries) {
    std::error_code ignored;
    if (entry.is_regular_file(ignored) && HasLayoutExtension(entry.path())) {
      files.push_back(entry.path());
    }
  }
  std::ranges::sort(files);
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
      listing.errors.push_back(PrintableName(file.string()) + " is refused: " + off + ".");
    } else {
      listing.layouts.push_back(std::move(read).Value());
    }
  }
  if (listing.leftOut > 0) {
    listing.errors.push_back("Only the first " + std::to_string(kMaxPageLayouts) +
                             " page layouts are listed; " + std::to_string(listing.leftOut) +
                             " more in " + PrintableName(folder.string()) + " are left out.");
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
