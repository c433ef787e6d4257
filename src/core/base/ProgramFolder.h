// The program folder: where the executable lies, and every data path formed from it.
#pragma once

#include <filesystem>

namespace tavolo {

// The folder of the running executable; the environment variable TAVOLO_HOME, when set and not
// empty, replaces it (tests and portable installs). Determined once, on the first call.
const std::filesystem::path& ProgramFolder();

// The data below the program folder. Only these know the folders' and files' names; the forms
// with an argument place them below another folder (tests, a second install).
inline constexpr const char* kBackgroundLibraryFileName = "fl1.tmp";
std::filesystem::path TemplatesFolder();          // "tmpl"
std::filesystem::path CustomBackgroundsFolder();  // "custombg"
std::filesystem::path CustomPhotosFolder();       // "customphotos"
std::filesystem::path PageLayoutsFolder();        // "abctmp"
std::filesystem::path BackgroundLibraryFile();    // "fl1.tmp"
std::filesystem::path HelpFolder();               // "help"
std::filesystem::path TemplatesFolder(const std::filesystem::path& programFolder);
std::filesystem::path CustomBackgroundsFolder(const std::filesystem::path& programFolder);
std::filesystem::path CustomPhotosFolder(const std::filesystem::path& programFolder);

// Decides the folder from an executable path and a TAVOLO_HOME value (null when unset).
// A path without any folder part fails the check "ne!=-1" and gives an empty folder.
std::filesystem::path DetermineProgramFolder(const std::string& executablePath,
                                             const char* homeOverride);

}  // namespace tavolo
