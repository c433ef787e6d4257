#include "tests/ui/ReportLog.h"

#include "core/base/CheckedCall.h"

namespace tavolo::test {

namespace {

std::vector<std::string>& Log() {
  static std::vector<std::string> log;
  return log;
}

}  // namespace

void InstallReportLog() {
  SetFatalErrorReporter([](const std::string& report) {
    Log().push_back(report);
    return FatalChoice::Retry;
  });
}

std::vector<std::string> TakeReports() {
  std::vector<std::string> reports;
  reports.swap(Log());
  return reports;
}

void ControlTest::TearDown() {
  for (const std::string& report : TakeReports()) ADD_FAILURE() << "Unexpected report:\n" << report;
}

}  // namespace tavolo::test
