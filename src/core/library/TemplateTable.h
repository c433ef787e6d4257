// The template table: the ready-made cards of the tmpl folders, shipped and the user's, each read
// with the project reader, with its preview picture, in the byte order of their file titles.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <QImage>

#include "core/base/DataFolder.h"
#include "core/card/BackgroundTable.h"
#include "core/card/CardState.h"
#include "core/formats/ProjectFile.h"

namespace tavolo {

// Past this many template files the rest (in title order) are not listed.
inline constexpr int kMaxTemplates = 1000;

struct TemplateEntry {
  std::filesystem::path path;  // the .tvt file
  std::string title;           // its file name without ".tvt"; the sort key
  CardState card;  // as read; after a version mismatch the unread rest keeps the defaults
  bool laterVersion = false;  // the file is of a version this one reads only in part
  // The .tvp picture, at most a library cell in size; null when it could not be loaded or is
  // larger than a cell holds.
  QImage preview;
};

// What a reload could not open, for the library to tell the user; the table is complete
// otherwise.
struct TemplateReload {
  // Previews that could not be loaded (their templates are listed with an empty picture) and
  // template files that could not be read (left out), in title order.
  std::vector<std::filesystem::path> unopened;
  int ignored = 0;  // template files past the first kMaxTemplates
  std::filesystem::path folder;  // the user's templates folder
  // One message for all of `unopened`: "File could not be opened: " and the path for one file,
  // "Files could not be opened:" and a path a line (the first 20, then how many more) for
  // several; then one for the files past kMaxTemplates, if any.
  std::vector<std::string> Messages() const;
};

// The .tvp picture beside a .tvt file.
std::filesystem::path TemplatePreviewPath(const std::filesystem::path& templatePath);

class TemplateTable {
 public:
  // Reload: drops the table, then reads every "*.tvt" file of `folders`/tmpl, sorted by file
  // title comparing bytes ("A" < "Z" < "a"); a user's template hides a shipped one of its title.
  // Backgrounds are found by name in `backgrounds`. Photo and logo paths are set to the files of
  // their names in `folders`/customphotos, where the renderer draws them from. Clears the
  // changed flag.
  TemplateReload ReloadIn(const DataFolder& folders, const BackgroundTable& backgrounds);
  // The same from the folders of this run.
  TemplateReload Reload(const BackgroundTable& backgrounds);
  // Free: every template and preview released.
  void Free();

  int Count() const { return static_cast<int>(entries_.size()); }
  const TemplateEntry& Entry(int index) const { return entries_[static_cast<size_t>(index)]; }

  // Set when a template was added, so that the next opening of the library reloads the table.
  void MarkChanged() { changed_ = true; }
  bool Changed() const { return changed_; }

 private:
  std::vector<TemplateEntry> entries_;
  bool changed_ = false;
};

// The table the whole program shares: filled at start-up, reloaded when changed, freed at exit.
TemplateTable& Templates();

}  // namespace tavolo
