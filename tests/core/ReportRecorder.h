// Recording the checked-call reports that code under test raises, instead of ending the test.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/base/CheckedCall.h"

namespace tavolo::test {

// Records every checked-call report and answers Retry, for the scope's lifetime.
class ReportRecorder {
 public:
  ReportRecorder()
      : previous_(SetFatalErrorReporter([this](const std::string& report) {
          reports_.push_back(report);
          return FatalChoice::Retry;
        })) {}
  ~ReportRecorder() { SetFatalErrorReporter(std::move(previous_)); }
  ReportRecorder(const ReportRecorder&) = delete;
  ReportRecorder& operator=(const ReportRecorder&) = delete;

  const std::vector<std::string>& Reports() const { return reports_; }
  bool Saw(const std::string& expression) const {
    for (const std::string& r : reports_) {
      if (r.find("Error in line: " + expression + "\r\n") != std::string::npos) return true;
    }
    return false;
  }

 private:
  FatalErrorReporter previous_;
  std::vector<std::string> reports_;
};

}  // namespace tavolo::test
