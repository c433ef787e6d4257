#include <gtest/gtest.h>

#include "core/base/CheckedCall.h"
#include "core/base/ProgramFolder.h"
#include "tests/core/ReportRecorder.h"

namespace tavolo {
namespace {

TEST(ProgramFolder, IsTheFolderOfTheExecutableUnlessOverriddenAndEmptyForAPathWithoutFolder) {
  EXPECT_EQ(DetermineProgramFolder("/opt/tavolo/bin/tavolo", nullptr), "/opt/tavolo/bin");
  EXPECT_EQ(DetermineProgramFolder("/opt/tavolo/bin/tavolo", ""), "/opt/tavolo/bin");
  EXPECT_EQ(DetermineProgramFolder("/opt/tavolo/bin/tavolo", "/home/me/cards"), "/home/me/cards");
  // A path without a folder fails the check.
  const test::ReportRecorder reports;
  EXPECT_EQ(DetermineProgramFolder("tavolo", nullptr), "");
  ASSERT_EQ(reports.Reports().size(), 1u);
  EXPECT_TRUE(reports.Saw("ne!=-1"));
}

}  // namespace
}  // namespace tavolo
