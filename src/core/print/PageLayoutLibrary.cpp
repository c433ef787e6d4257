#include "core/print/PageLayoutLibrary.h"

#include <algorithm>
#include <system_error>

#include "core/print/PageLayoutFile.h"
#include "core/storage/FileIo.h"

namespace tavolo {

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
  for (const std::filesystem::path& file : files) {
    PageLayoutReadResult read = ReadPageLayoutFile(file);
    if (read.ok) {
      listing.layouts.push_back(std::move(read.layout));
    } else {
      listing.errors.push_back(std::move(read.message));
    }
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
