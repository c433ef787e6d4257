// How a long step of a merge (reading a large file, checking or writing many records) tells how
// far it is, and how the one who waits stops it.
#pragma once

#include <cerrno>
#include <cstdint>
#include <functional>

#include "core/storage/Outcome.h"

namespace tavolo {

// Told now and then with `done` of `total` (in units of the step's own); answers false to stop
// the step. An empty one is never told.
using MergeProgress = std::function<bool(uint64_t done, uint64_t total)>;

// What a step stopped by its progress returns: no message to show, the cause ECANCELED.
inline Failure MergeStopped() {
  return Failure{{}, ECANCELED};
}

inline bool GoesOn(const MergeProgress& progress, uint64_t done, uint64_t total) {
  return !progress || progress(done, total);
}

}  // namespace tavolo
