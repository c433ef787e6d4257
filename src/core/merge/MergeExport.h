// A merge written as images: one file per record, named by a pattern (RecordFileNames), each the
// card as Export Image draws it. Each file appears whole or not at all; the folders of the names
// are made when missing. A file the user already had is never replaced unless asked.
#pragma once

#include <filesystem>
#include <string>

#include "core/merge/MergeProgress.h"
#include "core/merge/MergeRecords.h"
#include "core/render/CardRenderer.h"
#include "core/storage/Outcome.h"

namespace tavolo {

// What becomes of a record's file whose name a file has already.
enum class ExistingMergeFiles {
  kRefuse,   // the export stops there with a message
  kReplace,  // the file is replaced
  kSkip,     // the file stays as it is, and the record is not written
};

struct ExistingFiles {
  size_t count = 0;
  std::filesystem::path first;  // the first of them in record order
};

// The files the records' names (by `pattern`) would take that exist already.
ExistingFiles FindExistingFiles(const std::string& pattern, const MergeRecords& records,
                                const MergeProgress& progress = {});

// The folder of `file` made when missing; a folder that cannot be made is reported by the write.
void MakeFolderOf(const std::filesystem::path& file);

// Writes the records' cards; how many files were written. Stops at the first card that cannot be
// drawn or written, with its message; the files written before it stay, each whole. The progress
// is told after each record (done, of all records); stopping it stops the export after a whole
// file, with MergeStopped().
Outcome<size_t> ExportMergedCards(CardRenderer& renderer, const CardState& project,
                                  const MergeRecords& records, const std::string& pattern,
                                  int format, int quality, ExistingMergeFiles existing,
                                  const MergeProgress& progress = {});

}  // namespace tavolo
