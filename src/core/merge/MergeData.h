// Reading a merge's data file from disk, whatever made it: a spreadsheet (.ods or .xlsx, known
// by its content), a vCard file (by its .vcf or .vcard extension, or by its first line) or else a
// CSV file. A file over kMaxMergeFileBytes is refused by its size, before a byte is read.
#pragma once

#include <filesystem>
#include <string>

#include "core/merge/MergeProgress.h"
#include "core/merge/MergeTable.h"
#include "core/storage/Outcome.h"

namespace tavolo {

// `sheet` names the sheet of a spreadsheet to read (the first when empty); a file that is no
// spreadsheet has none to name. A read stopped by `progress` fails with MergeStopped().
Outcome<MergeTable> ReadMergeData(const std::filesystem::path& path, const std::string& sheet = {},
                                  const MergeProgress& progress = {});

}  // namespace tavolo
