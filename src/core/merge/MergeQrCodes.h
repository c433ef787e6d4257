// The QR code of every record of a merge, checked before anything is made: a code that cannot be
// made (its content too long, or a website it shows that the record lacks) or whose modules
// would print too small for a phone's camera to read is a problem naming the record. The records
// are still merged; the caller warns, or (strictly) refuses.
#pragma once

#include <vector>

#include "core/card/CardState.h"
#include "core/merge/MergeProgress.h"
#include "core/merge/MergeRecords.h"

namespace tavolo {

// The smallest module a phone reads reliably from a printed code.
inline constexpr double kMinQrModuleMillimetres = 0.25;

// The problems of the records' codes, in record order; none when the card has no QR code. The
// size of a code is worked out from its content's length, so that a million records are checked
// in moments.
std::vector<RecordProblem> QrCodeProblems(const CardState& project, const MergeRecords& records,
                                          const MergeProgress& progress = {});

}  // namespace tavolo
