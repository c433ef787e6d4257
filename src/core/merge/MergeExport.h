// A merge written as images: one file per record, named by a pattern (RecordFileNames), each the
// card as Export Image draws it. Each file is replaced safely; the folders of the names are made
// when missing.
#pragma once

#include <functional>
#include <span>
#include <string>

#include "core/merge/MergeRecords.h"
#include "core/render/CardRenderer.h"
#include "core/storage/Outcome.h"

namespace tavolo {

// Told after each file with the number written so far.
using MergeExportProgress = std::function<void(size_t written)>;

// Stops at the first card that cannot be drawn or written, with its message; the files written
// before it stay.
Outcome<> ExportMergedCards(CardRenderer& renderer, const CardState& project,
                            std::span<const MergeRecord> records, const std::string& pattern,
                            int format, int quality, const MergeExportProgress& progress = {});

}  // namespace tavolo
