#include "core/library/TemplateTable.h"

#include <algorithm>
#include <iterator>
#include <system_error>
#include <utility>

#include "core/base/ProgramFolder.h"
#include "core/base/Translation.h"
#include "core/imaging/RasterImage.h"
#include "core/library/TemplatePreview.h"
#include "core/pictures/ImageBridge.h"
#include "core/storage/PrintableName.h"

namespace tavolo {

namespace {

constexpr const char* kTemplateExtension = ".tvt";
constexpr const char* kPreviewExtension = ".tvp";
// The files one message names; more are counted.
constexpr size_t kMaxListedUnopened = 20;
// A preview holds the card and its shadow within one library cell.
constexpr uint64_t kMaxPreviewPixels = uint64_t{kPreviewCellWidth} * kPreviewCellHeight;

struct Found {
  std::filesystem::path path;
  std::string title;
};

// Every regular "*.tvt" file of the folder; none when the folder is missing or unreadable.
std::vector<Found> FindTemplates(const std::filesystem::path& folder) {
  std::vector<Found> found;
  std::error_code ec;
  std::filesystem::directory_iterator it(folder, ec);
  for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    const std::filesystem::path& path = it->path();
    std::error_code kind;
    if (path.extension() != kTemplateExtension || !it->is_regular_file(kind)) continue;
    found.push_back({path, path.stem().string()});
  }
  return found;
}

// The templates of both places; a user's template takes the place of a shipped one of its title.
std::vector<Found> FindTemplates(const DataFolder& folder) {
  std::vector<Found> found = FindTemplates(folder.shipped);
  if (folder.IsOneFolder()) return found;
  std::vector<Found> own = FindTemplates(folder.user);
  std::erase_if(found, [&own](const Found& shipped) {
    return std::ranges::any_of(
        own, [&shipped](const Found& mine) { return mine.title == shipped.title; });
  });
  std::ranges::move(own, std::back_inserter(found));
  return found;
}

// A preview is drawn in a library cell: larger pictures are refused before they are decoded, and
// one longer than the cell on a side is kept only at the size the cell shows.
QImage ReadPreview(const std::filesystem::path& path) {
  const RasterImage picture(path, kFormatPng, kMaxPreviewPixels);
  QImage preview = ToQImage(picture);
  if (preview.width() > kPreviewCellWidth || preview.height() > kPreviewCellHeight) {
    preview = preview.scaled(kPreviewCellWidth, kPreviewCellHeight, Qt::KeepAspectRatio,
                             Qt::SmoothTransformation);
  }
  return preview;
}

QString PhotoFolderPath(const DataFolder& photoFolder, const QString& name) {
  return QString::fromStdString(photoFolder.Find(name.toStdString()).string());
}

}  // namespace

std::vector<std::string> TemplateReload::Messages() const {
  std::vector<std::string> messages;
  if (unopened.size() == 1) {
    messages.push_back(
        TrMessage("File could not be opened: %1", PrintableName(unopened.front().string())));
  } else if (unopened.size() > 1) {
    std::string names;
    const size_t listed = std::min(unopened.size(), kMaxListedUnopened);
    for (size_t i = 0; i < listed; ++i) names += "\n" + PrintableName(unopened[i].string());
    if (listed < unopened.size()) {
      names += "\n" + TrMessage("and %1 more.", unopened.size() - listed);
    }
    messages.push_back(TrMessage("Files could not be opened:%1", names));
  }
  if (ignored > 0) {
    messages.push_back(
        TrMessage("Only the first %1 templates are listed; %2 more in %3 are left out.",
                  kMaxTemplates, ignored, PrintableName(folder.string())));
  }
  return messages;
}

std::filesystem::path TemplatePreviewPath(const std::filesystem::path& templatePath) {
  std::filesystem::path preview = templatePath;
  return preview.replace_extension(kPreviewExtension);
}

TemplateReload TemplateTable::ReloadIn(const DataFolder& folders,
                                       const BackgroundTable& backgrounds) {
  Free();
  changed_ = false;
  TemplateReload report;
  const DataFolder templates = TemplatesFolder(folders);
  report.folder = templates.user;
  std::vector<Found> found = FindTemplates(templates);
  // std::string compares its chars as unsigned bytes.
  std::sort(found.begin(), found.end(),
            [](const Found& a, const Found& b) { return a.title < b.title; });
  if (found.size() > static_cast<size_t>(kMaxTemplates)) {
    report.ignored = static_cast<int>(found.size()) - kMaxTemplates;
    found.resize(kMaxTemplates);
  }

  const DataFolder photoFolder = CustomPhotosFolder(folders);
  entries_.reserve(found.size());
  for (Found& file : found) {
    TemplateEntry entry;
    const ProjectReading read =
        ReadProject(file.path, entry.card, backgrounds, ReadMode::kKeepOnFileError);
    // A file that cannot be read holds no card to offer; the others are listed even after a
    // version mismatch, with what was read.
    if (!read && read.Fault().kind == ProjectFault::kFileError) {
      report.unopened.push_back(file.path);
      continue;
    }
    entry.laterVersion = !read;
    for (const PictureKind kind : kPictureKinds) {
      PlacedPicture& picture = entry.card.Picture(kind);
      if (!picture.name.isEmpty()) picture.path = PhotoFolderPath(photoFolder, picture.name);
    }
    const std::filesystem::path previewPath = TemplatePreviewPath(file.path);
    entry.preview = ReadPreview(previewPath);
    if (entry.preview.isNull()) report.unopened.push_back(previewPath);
    entry.path = std::move(file.path);
    entry.title = std::move(file.title);
    entries_.push_back(std::move(entry));
  }
  return report;
}

TemplateReload TemplateTable::Reload(const BackgroundTable& backgrounds) {
  return ReloadIn(DataFolders(), backgrounds);
}

void TemplateTable::Free() {
  entries_.clear();
  entries_.shrink_to_fit();
}

TemplateTable& Templates() {
  static TemplateTable table;
  return table;
}

}  // namespace tavolo
