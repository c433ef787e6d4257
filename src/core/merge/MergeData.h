// Reading a merge's data file from disk: a vCard file (by its .vcf or .vcard extension, or by
// its first line) or else a CSV file, at most kMaxMergeFileBytes.
#pragma once

#include <filesystem>

#include "core/merge/MergeTable.h"
#include "core/storage/Outcome.h"

namespace tavolo {

Outcome<MergeTable> ReadMergeData(const std::filesystem::path& path);

}  // namespace tavolo
