#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/base/CheckedCall.h"
#include "tests/core/ReportRecorder.h"

namespace tavolo {
namespace {

using test::ReportRecorder;

bool Fails() {
  return false;
}

TEST(CheckedCall, APassingCheckReturnsItsValueAndZeroResultsOfEveryKindFail) {
  ReportRecorder recorder;
  int evaluations = 0;
  EXPECT_EQ(TAVOLO_CHECK((++evaluations, 42)), 42);
  EXPECT_EQ(evaluations, 1);
  EXPECT_TRUE(recorder.Reports().empty());
  const int* nothing = nullptr;
  TAVOLO_CHECK(nothing);
  TAVOLO_CHECK(0);
  TAVOLO_CHECK(false);
  EXPECT_EQ(recorder.Reports().size(), 3u);
  EXPECT_EQ(ErrorStackDepth(), 0);
}

TEST(CheckedCall, TwoDeepChainGivesTheExactReport) {
  ReportRecorder recorder;
  int innerLine = 0;
  auto inner = [&] {
    innerLine = __LINE__ + 1;
    return TAVOLO_CHECK_AS("inner()", Fails());
  };
  errno = 0;
  const int outerLine = __LINE__ + 1;
  TAVOLO_CHECK_AS("outer(inner())", (inner(), true));

  ASSERT_EQ(recorder.Reports().size(), 1u);
  const std::string file = __FILE__;
  const std::string expected =
      "Error sequence: outer(inner()) -> inner()\r\n\r\n"
      "Error in line: inner()\r\n\r\n"
      "Error code: 0\r\n"
      "\r\nFile: " +
      file + "; line: " + std::to_string(outerLine) + "\r\nFile: " + file +
      "; line: " + std::to_string(innerLine) + "\r\n\r\nPlease email this error message to:\r\n" +
      std::string(kSupportAddress);
  EXPECT_EQ(recorder.Reports()[0], expected);
  EXPECT_EQ(ErrorStackDepth(), 0);
}

TEST(CheckedCall, ErrnoBecomesTheErrorCodeAndBlockTransferFailuresAreIgnored) {
  ReportRecorder recorder;
  TAVOLO_CHECK_AS("::BitBlt(dc,0,0,w,h,mdc,0,0,SRCCOPY)", false);
  TAVOLO_CHECK_AS("open", (errno = 13, false));
  TAVOLO_CHECK_AS("bitblt is not the same", false);
  ASSERT_EQ(recorder.Reports().size(), 2u);
  EXPECT_NE(recorder.Reports()[0].find("Error code: 13\r\n"), std::string::npos);
}

TEST(CheckedCallDeathTest, CancelEndsWithZeroAWindowlessProgramWithAFailureAndRetryGoesOn) {
  const std::tuple<const char*, FatalErrorReporter, int, const char*> cases[] = {
      {"Cancel", StderrReporter(FatalChoice::Cancel), 0, "Error in line: never true"},
      {"windowless", ExitingReporter(1), 1, "Error in line: never true"},
      // Retry goes on after the failed call, to the exit of its own.
      {"Retry", StderrReporter(FatalChoice::Retry), 3, "Fatal Error"},
  };
  for (const auto& [what, reporter, exitCode, says] : cases) {
    EXPECT_EXIT(
        {
          SetFatalErrorReporter(reporter);
          TAVOLO_CHECK_AS("never true", false);
          std::exit(3);
        },
        ::testing::ExitedWithCode(exitCode), says)
        << what;
  }
}

}  // namespace
}  // namespace tavolo
