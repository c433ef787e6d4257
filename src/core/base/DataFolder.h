// One kind of data in its two places: the folder shipped with the program, which is only read,
// and the user's own folder, where everything new is written.
#pragma once

#include <filesystem>
#include <vector>

namespace tavolo {

struct DataFolder {
  DataFolder() = default;  // no folder at all: nothing is found
  // One folder that is shipped and the user's alike: the build folder, an unpacked copy of the
  // program, a folder of a test's own.
  DataFolder(std::filesystem::path both);  // NOLINT(google-explicit-constructor)
  DataFolder(std::filesystem::path shipped, std::filesystem::path user);

  // The same kind of data one folder further down in both places.
  DataFolder operator/(const std::filesystem::path& below) const;
  bool IsOneFolder() const { return shipped == user; }

  // The folders to list, the shipped one first; one folder when they are the same.
  std::vector<std::filesystem::path> ListingOrder() const;
  // Where the file `name` is read from: the user's when there is one (it wins over a shipped
  // file of that name), else the shipped one.
  std::filesystem::path Find(const std::filesystem::path& name) const;

  std::filesystem::path shipped;
  std::filesystem::path user;
};

}  // namespace tavolo
