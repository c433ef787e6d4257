// The program folder: where the executable lies, and every data path formed from it.
#pragma once

#include <filesystem>

namespace tavolo {

// The folder of the running executable; the environment variable TAVOLO_HOME, when set and not
// empty, replaces it (tests and portable installs). Determined once, on the first call.
const std::filesystem::path& ProgramFolder();

std::filesystem::path TemplatesFolder();          // "tmpl"
std::filesystem::path CustomBackgroundsFolder();  // "custombg"
std::filesystem::path CustomPhotosFolder();       // "customphotos"
std::filesystem::path PageLayoutsFolder();        // "abctmp"
std::filesystem::path BackgroundLibraryFile();    // "fl1.tmp"
std::filesystem::path HelpFolder();               // "help"

// Decides the folder from an executable path and a TAVOLO_HOME value (null when unset).
// A path without any folder part fails the check "ne!=-1" and gives an empty folder.
std::filesystem::path DetermineProgramFolder(const std::string& executablePath,
                                             const char* homeOverride);

}  // namespace tavolo
