#include "core/base/ProgramFolder.h"

#include <cstdlib>
#include <string>
#include <system_error>

#include "core/base/CheckedCall.h"

namespace tavolo {

std::filesystem::path DetermineProgramFolder(const std::string& executablePath,
                                             const char* homeOverride) {
  if (homeOverride != nullptr && homeOverride[0] != '\0') return homeOverride;
  const std::string::size_type ne = executablePath.rfind('/');
  if (!TAVOLO_CHECK_AS("ne!=-1", ne != std::string::npos)) return {};
  return executablePath.substr(0, ne);
}

const std::filesystem::path& ProgramFolder() {
  static const std::filesystem::path folder = [] {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    TAVOLO_CHECK_AS("GetModuleFileName", !ec);
    return DetermineProgramFolder(exe.string(), std::getenv("TAVOLO_HOME"));
  }();
  return folder;
}

std::filesystem::path TemplatesFolder(const std::filesystem::path& programFolder) {
  return programFolder / "tmpl";
}
std::filesystem::path CustomBackgroundsFolder(const std::filesystem::path& programFolder) {
  return programFolder / "custombg";
}
std::filesystem::path CustomPhotosFolder(const std::filesystem::path& programFolder) {
  return programFolder / "customphotos";
}
std::filesystem::path TemplatesFolder() {
  return TemplatesFolder(ProgramFolder());
}
std::filesystem::path CustomBackgroundsFolder() {
  return CustomBackgroundsFolder(ProgramFolder());
}
std::filesystem::path CustomPhotosFolder() {
  return CustomPhotosFolder(ProgramFolder());
}
std::filesystem::path PageLayoutsFolder() {
  return ProgramFolder() / "abctmp";
}
std::filesystem::path BackgroundLibraryFile() {
  return ProgramFolder() / kBackgroundLibraryFileName;
}
std::filesystem::path HelpFolder() {
  return ProgramFolder() / "help";
}

}  // namespace tavolo
