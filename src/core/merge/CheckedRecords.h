// A merge's records as a mapping makes them from a table, with the problems of their QR codes on
// the card they are merged into: what the merge window shows and makes its cards from.
#pragma once

#include <memory>
#include <vector>

#include "core/card/CardState.h"
#include "core/merge/FieldMapping.h"
#include "core/merge/MergeProgress.h"
#include "core/merge/MergeRecords.h"

namespace tavolo {

struct CheckedRecords {
  std::shared_ptr<const MergeRecords> records;
  std::vector<RecordProblem> qrProblems;
  // Whether the progress stopped the work (the records are then empty).
  bool stopped = false;

  // The records left out and the QR codes' problems together, in line order.
  std::vector<RecordProblem> AllProblems() const;
};

CheckedRecords CheckRecords(std::shared_ptr<const MergeTable> table, FieldMapping mapping,
                            const CardState& card, const MergeProgress& progress = {});

}  // namespace tavolo
