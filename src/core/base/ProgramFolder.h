// Where the program's data lies: the shipped data, only ever read, and the user's own folder,
// where everything the user adds is written. Only this file knows the folders' and files' names.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/base/DataFolder.h"

namespace tavolo {

// The shipped data folder and the user's folder, as decided from these.
struct FolderInputs {
  std::string executablePath;
  const char* tavoloHome = nullptr;   // TAVOLO_HOME, null when unset
  const char* xdgDataHome = nullptr;  // XDG_DATA_HOME, null when unset
  std::filesystem::path home;         // the user's home folder
};

// TAVOLO_HOME, when set and not empty, is both folders (tests, portable use). Otherwise an
// executable in PREFIX/bin with a folder PREFIX/share/tavolo is installed: that folder is the
// shipped data and the user's folder is $XDG_DATA_HOME/tavolo (an absolute XDG_DATA_HOME only;
// HOME/.local/share/tavolo by default). Any other executable runs from its own folder; when
// that folder can be written to and holds the background library (the build folder, an unpacked
// copy) it is the user's folder as well, else the user's folder is the XDG one.
// A path without any folder part fails the check "ne!=-1" and gives empty folders.
DataFolder DetermineDataFolders(const FolderInputs& inputs);

// The folders of this run: decided once, on the first call, from /proc/self/exe and the
// environment. The user's folder is not made here; each writer makes what it needs.
const DataFolder& DataFolders();
const std::filesystem::path& ShippedDataFolder();
const std::filesystem::path& UserDataFolder();

// Each kind of data in both places; the forms with an argument place it below other folders.
inline constexpr const char* kBackgroundLibraryFileName = "fl1.tmp";
DataFolder TemplatesFolder();          // "tmpl"
DataFolder CustomBackgroundsFolder();  // "custombg"
DataFolder CustomPhotosFolder();       // "customphotos"
DataFolder PageLayoutsFolder();        // "abctmp"
DataFolder TemplatesFolder(const DataFolder& folders);
DataFolder CustomBackgroundsFolder(const DataFolder& folders);
DataFolder CustomPhotosFolder(const DataFolder& folders);
DataFolder PageLayoutsFolder(const DataFolder& folders);
// Shipped only.
std::filesystem::path BackgroundLibraryFile();  // "fl1.tmp"
std::filesystem::path HelpFolder();             // "help"
std::filesystem::path SheetCatalogueFolder();   // "sheets": the sheet products, one file per maker

// The folders of the label database gLabels installs: libglabels-3.0/templates in each of the
// system's data folders ($XDG_DATA_DIRS, /usr/local/share and /usr/share by default), those
// given first first. Only absolute folders are taken, at most 16.
std::vector<std::filesystem::path> LabelDatabaseFolders(const char* xdgDataDirs);
std::vector<std::filesystem::path> LabelDatabaseFolders();  // from this run's environment

}  // namespace tavolo
