#include "core/base/CheckCounter.h"

#include <cstdio>
#include <utility>

namespace tavolo {

CheckCounter::CheckCounter(std::string tool)
    : previous_(SetFatalErrorReporter([this, tool = std::move(tool)](const std::string& report) {
        std::fprintf(stderr, "%s: a check failed\n%s\n", tool.c_str(), report.c_str());
        ++count_;
        return FatalChoice::Retry;
      })) {}

CheckCounter::~CheckCounter() {
  SetFatalErrorReporter(std::move(previous_));
}

}  // namespace tavolo
