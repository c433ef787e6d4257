// Failed checks during the widget tests: recorded and answered "Retry" instead of ending the
// process, so that a test can expect a report or fail on an unexpected one.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavolo::test {

void InstallReportLog();
// The reports since the last call, oldest first; the log is emptied.
std::vector<std::string> TakeReports();

// Fails a test that leaves a report nobody took.
class ControlTest : public ::testing::Test {
 protected:
  void TearDown() override;
};

}  // namespace tavolo::test
