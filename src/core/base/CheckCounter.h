// For tools without a window: while one lives, every failed check is written to standard error
// after the tool's name and counted, and the work goes on, so that the tool can end with a
// clear failure instead of passing a half-done result for success.
#pragma once

#include <string>

#include "core/base/CheckedCall.h"

namespace tavolo {

class CheckCounter {
 public:
  explicit CheckCounter(std::string tool);
  ~CheckCounter();
  CheckCounter(const CheckCounter&) = delete;
  CheckCounter& operator=(const CheckCounter&) = delete;

  int Count() const { return count_; }

 private:
  FatalErrorReporter previous_;
  int count_ = 0;
};

}  // namespace tavolo
