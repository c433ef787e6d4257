#include "core/base/ProgramFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <system_error>

#include "core/base/CheckedCall.h"

namespace tavolo {

namespace {

constexpr const char* kDataFolderName = "tavolo";

std::filesystem::path XdgUserFolder(const FolderInputs& inputs) {
  // A relative XDG_DATA_HOME is invalid and ignored, as the XDG base directories say.
  if (inputs.xdgDataHome != nullptr && inputs.xdgDataHome[0] == '/') {
    return std::filesystem::path(inputs.xdgDataHome) / kDataFolderName;
  }
  return inputs.home / ".local" / "share" / kDataFolderName;
}

bool HoldsWritableData(const std::filesystem::path& folder) {
  std::error_code ignored;
  return std::filesystem::is_regular_file(folder / kBackgroundLibraryFileName, ignored) &&
         ::access(folder.c_str(), W_OK) == 0;
}

std::filesystem::path HomeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') return home;
  if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr) {
    return entry->pw_dir;
  }
  return "/";
}

}  // namespace

DataFolder DetermineDataFolders(const FolderInputs& inputs) {
  if (inputs.tavoloHome != nullptr && inputs.tavoloHome[0] != '\0') return {inputs.tavoloHome};
  const std::string::size_type ne = inputs.executablePath.rfind('/');
  if (!TAVOLO_CHECK_AS("ne!=-1", ne != std::string::npos)) return DataFolder();
  const std::filesystem::path executableFolder = inputs.executablePath.substr(0, ne);

  std::error_code ignored;
  const std::filesystem::path installed =
      executableFolder.parent_path() / "share" / kDataFolderName;
  if (executableFolder.filename() == "bin" && std::filesystem::is_directory(installed, ignored)) {
    return {installed, XdgUserFolder(inputs)};
  }
  if (HoldsWritableData(executableFolder)) return {executableFolder};
  return {executableFolder, XdgUserFolder(inputs)};
}

const DataFolder& DataFolders() {
  static const DataFolder folders = [] {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    TAVOLO_CHECK_AS("GetModuleFileName", !ec);
    return DetermineDataFolders(
        {exe.string(), std::getenv("TAVOLO_HOME"), std::getenv("XDG_DATA_HOME"), HomeFolder()});
  }();
  return folders;
}

const std::filesystem::path& ShippedDataFolder() {
  return DataFolders().shipped;
}
const std::filesystem::path& UserDataFolder() {
  return DataFolders().user;
}

DataFolder TemplatesFolder(const DataFolder& folders) {
  return folders / "tmpl";
}
DataFolder CustomBackgroundsFolder(const DataFolder& folders) {
  return folders / "custombg";
}
DataFolder CustomPhotosFolder(const DataFolder& folders) {
  return folders / "customphotos";
}
DataFolder PageLayoutsFolder(const DataFolder& folders) {
  return folders / "abctmp";
}
DataFolder TemplatesFolder() {
  return TemplatesFolder(DataFolders());
}
DataFolder CustomBackgroundsFolder() {
  return CustomBackgroundsFolder(DataFolders());
}
DataFolder CustomPhotosFolder() {
  return CustomPhotosFolder(DataFolders());
}
DataFolder PageLayoutsFolder() {
  return PageLayoutsFolder(DataFolders());
}
std::filesystem::path BackgroundLibraryFile() {
  return ShippedDataFolder() / kBackgroundLibraryFileName;
}
std::filesystem::path HelpFolder() {
  return ShippedDataFolder() / "help";
}
std::filesystem::path SheetCatalogueFolder() {
  return ShippedDataFolder() / "sheets";
}

std::vector<std::filesystem::path> LabelDatabaseFolders(const char* xdgDataDirs) {
  constexpr size_t kMaxDataFolders = 16;
  const std::string_view list = xdgDataDirs != nullptr && xdgDataDirs[0] != '\0'
                                    ? std::string_view(xdgDataDirs)
                                    : std::string_view("/usr/local/share:/usr/share");
  std::vector<std::filesystem::path> folders;
  for (size_t at = 0; at <= list.size() && folders.size() < kMaxDataFolders;) {
    const size_t end = std::min(list.find(':', at), list.size());
    const std::filesystem::path folder =
        std::filesystem::path(list.substr(at, end - at)) / "libglabels-3.0" / "templates";
    at = end + 1;
    // A relative folder is invalid and ignored, as the XDG base directories say.
    if (folder.is_absolute() && std::ranges::find(folders, folder) == folders.end()) {
      folders.push_back(folder);
    }
  }
  return folders;
}

std::vector<std::filesystem::path> LabelDatabaseFolders() {
  return LabelDatabaseFolders(std::getenv("XDG_DATA_DIRS"));
}

}  // namespace tavolo
