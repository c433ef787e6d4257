#include "core/formats/ExportFormats.h"

#include <algorithm>

namespace tavolo {

const ExportFormatInfo& ExportFormatOf(int format) {
  const auto found =
      std::find_if(kExportFormats.begin(), kExportFormats.end(),
                   [format](const ExportFormatInfo& f) { return f.format == format; });
  if (found != kExportFormats.end()) return *found;
  return ExportFormatOf(kDefaultExportFormat);
}

std::filesystem::path WithExportExtension(const std::filesystem::path& file, int format) {
  if (file.empty() || file.has_extension() || !file.has_filename()) return file;
  std::filesystem::path named = file;
  named += std::string(".") + ExportFormatOf(format).extension;
  return named;
}

}  // namespace tavolo
