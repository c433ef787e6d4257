#include "core/merge/CheckedRecords.h"

#include <algorithm>

#include "core/merge/MergeQrCodes.h"

namespace tavolo {

std::vector<RecordProblem> CheckedRecords::AllProblems() const {
  std::vector<RecordProblem> all;
  if (!records) return all;
  const std::vector<RecordProblem>& leftOut = records->Problems();
  all.reserve(leftOut.size() + qrProblems.size());
  std::ranges::merge(leftOut, qrProblems, std::back_inserter(all), {}, &RecordProblem::line,
                     &RecordProblem::line);
  return all;
}

CheckedRecords CheckRecords(std::shared_ptr<const MergeTable> table, FieldMapping mapping,
                            const CardState& card, const MergeProgress& progress) {
  CheckedRecords checked;
  bool stopped = false;
  // Each step tells half of the way.
  const auto half = [&](uint64_t offset) {
    return [&, offset](uint64_t done, uint64_t total) {
      stopped = stopped || !GoesOn(progress, offset * total + done, 2 * total);
      return !stopped;
    };
  };
  auto records = std::make_shared<MergeRecords>(std::move(table), std::move(mapping), half(0));
  if (!stopped) checked.qrProblems = QrCodeProblems(card, *records, half(1));
  checked.stopped = stopped;
  if (stopped) records = std::make_shared<MergeRecords>();
  checked.records = std::move(records);
  return checked;
}

}  // namespace tavolo
