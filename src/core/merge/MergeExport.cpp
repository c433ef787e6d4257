#include "core/merge/MergeExport.h"

#include <cerrno>
#include <system_error>

#include "core/formats/ImageExport.h"
#include "core/merge/MergedCard.h"
#include "core/merge/RecordFileNames.h"

namespace tavolo {

namespace {

constexpr size_t kProgressStep = 256;

}  // namespace

ExistingFiles FindExistingFiles(const std::string& pattern, const MergeRecords& records,
                                const MergeProgress& progress) {
  ExistingFiles existing;
  RecordFileNames names(pattern);
  for (size_t i = 0; i < records.Count(); ++i) {
    if (i % kProgressStep == 0 && !GoesOn(progress, i, records.Count())) break;
    const std::filesystem::path file = names.Next(records.At(i).details);
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(file, error))) continue;
    if (existing.count++ == 0) existing.first = file;
  }
  return existing;
}

void MakeFolderOf(const std::filesystem::path& file) {
  std::error_code ignored;
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ignored);
}

Outcome<size_t> ExportMergedCards(CardRenderer& renderer, const CardState& project,
                                  const MergeRecords& records, const std::string& pattern,
                                  int format, int quality, ExistingMergeFiles existing,
                                  const MergeProgress& progress) {
  RecordFileNames names(pattern);
  size_t written = 0;
  for (size_t i = 0; i < records.Count(); ++i) {
    const MergeRecord record = records.At(i);
    const std::filesystem::path file = names.Next(record.details);
    std::error_code error;
    if (existing == ExistingMergeFiles::kSkip &&
        std::filesystem::exists(std::filesystem::symlink_status(file, error))) {
      if (!GoesOn(progress, i + 1, records.Count())) return MergeStopped();
      continue;
    }
    const CardState card = MergedCard(project, record.details);
    Outcome<QImage> image = RenderCardForExport(renderer, card);
    if (!image) return Failure{image.Message()};
    MakeFolderOf(file);
    const Outcome<> saved = WriteExportImage(
        std::move(image).Value(), file, format, quality, card.dpi, ExportReporting::kResultOnly,
        existing == ExistingMergeFiles::kReplace ? ExistingFile::kReplace : ExistingFile::kKeep);
    // A file that appeared since the check is skipped as the others were.
    if (!saved && !(saved.Error() == EEXIST && existing == ExistingMergeFiles::kSkip)) {
      return Failure{saved.Message(), saved.Error()};
    }
    written += saved ? 1 : 0;
    if (!GoesOn(progress, i + 1, records.Count())) return MergeStopped();
  }
  return written;
}

}  // namespace tavolo
