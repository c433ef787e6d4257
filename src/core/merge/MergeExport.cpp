#include "core/merge/MergeExport.h"

#include <filesystem>

#include "core/formats/ImageExport.h"
#include "core/merge/MergedCard.h"
#include "core/merge/RecordFileNames.h"

namespace tavolo {

Outcome<> ExportMergedCards(CardRenderer& renderer, const CardState& project,
                            std::span<const MergeRecord> records, const std::string& pattern,
                            int format, int quality, const MergeExportProgress& progress) {
  RecordFileNames names(pattern);
  for (size_t i = 0; i < records.size(); ++i) {
    const CardState card = MergedCard(project, records[i].details);
    Outcome<QImage> image = RenderCardForExport(renderer, card);
    if (!image) return Failure{image.Message()};
    const std::filesystem::path file = names.Next(records[i].details);
    std::error_code ignored;  // a folder that cannot be made is reported by the write
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ignored);
    const Outcome<> written =
        WriteExportImage(std::move(image).Value(), file, format, quality, card.dpi,
                         ExportReporting::kResultOnly);
    if (!written) return written;
    if (progress) progress(i + 1);
  }
  return {};
}

}  // namespace tavolo
