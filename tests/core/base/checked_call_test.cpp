#include <gtest/gtest.h>

#include <string>

#include "core/base/CheckedCall.h"

namespace tavolo {
namespace {

// Installs a reporter that records the report and answers Retry, for the length of a test.
class RecordingReporter {
 public:
  RecordingReporter() {
    previous_ = SetFatalErrorReporter([this](const std::string& report) {
      reports.push_back(report);
      return FatalChoice::Retry;
    });
  }
  ~RecordingReporter() { SetFatalErrorReporter(std::move(previous_)); }
  std::vector<std::string> reports;

 private:
  FatalErrorReporter previous_;
};

bool Fails() {
  return false;
}

TEST(CheckedCall, PassingCheckReportsNothingAndReturnsTheValue) {
  RecordingReporter recorder;
  int evaluations = 0;
  const int value = TAVOLO_CHECK((++evaluations, 42));
  EXPECT_EQ(value, 42);
  EXPECT_EQ(evaluations, 1);
  EXPECT_TRUE(recorder.reports.empty());
  EXPECT_EQ(ErrorStackDepth(), 0);
}

TEST(CheckedCall, ZeroResultsOfEveryKindFail) {
  RecordingReporter recorder;
  const int* nothing = nullptr;
  TAVOLO_CHECK(nothing);
  TAVOLO_CHECK(0);
  TAVOLO_CHECK(false);
  EXPECT_EQ(recorder.reports.size(), 3u);
  EXPECT_EQ(ErrorStackDepth(), 0);
}

TEST(CheckedCall, TwoDeepChainGivesTheExactReport) {
  RecordingReporter recorder;
  int innerLine = 0;
  auto inner = [&] {
    innerLine = __LINE__ + 1;
    return TAVOLO_CHECK_AS("inner()", Fails());
  };
  errno = 0;
  const int outerLine = __LINE__ + 1;
  TAVOLO_CHECK_AS("outer(inner())", (inner(), true));

  ASSERT_EQ(recorder.reports.size(), 1u);
  const std::string file = __FILE__;
  const std::string expected =
      "Error sequence: outer(inner()) -> inner()\r\n\r\n"
      "Error in line: inner()\r\n\r\n"
      "Error code: 0\r\n"
      "\r\nFile: " +
      file + "; line: " + std::to_string(outerLine) + "\r\nFile: " + file +
      "; line: " + std::to_string(innerLine) + "\r\n\r\nPlease email this error message to:\r\n" +
      std::string(kSupportAddress);
  EXPECT_EQ(recorder.reports[0], expected);
  EXPECT_EQ(ErrorStackDepth(), 0);
}

TEST(CheckedCall, ErrnoBecomesTheErrorCode) {
  RecordingReporter recorder;
  TAVOLO_CHECK_AS("open", (errno = 13, false));
  ASSERT_EQ(recorder.reports.size(), 1u);
  EXPECT_NE(recorder.reports[0].find("Error code: 13\r\n"), std::string::npos);
}

TEST(CheckedCall, BlockTransferFailuresAreIgnored) {
  RecordingReporter recorder;
  TAVOLO_CHECK_AS("::BitBlt(dc,0,0,w,h,mdc,0,0,SRCCOPY)", false);
  TAVOLO_CHECK_AS("bitblt is not the same", false);
  ASSERT_EQ(recorder.reports.size(), 1u);
}

TEST(CheckedCall, StackIsBoundedAndStaysBalanced) {
  RecordingReporter recorder;
  std::function<void(int)> nest = [&](int depth) {
    if (depth == 0) {
      TAVOLO_CHECK_AS("deepest", false);
      return;
    }
    TAVOLO_CHECK_AS("level", (nest(depth - 1), true));
  };
  nest(150);
  EXPECT_EQ(ErrorStackDepth(), 0);
  ASSERT_EQ(recorder.reports.size(), 1u);
  // 100 entries recorded; the deeper ones are not.
  size_t arrows = 0;
  for (size_t pos = 0; (pos = recorder.reports[0].find(" -> ", pos)) != std::string::npos; ++pos) {
    ++arrows;
  }
  EXPECT_EQ(arrows, static_cast<size_t>(kErrorStackCapacity - 1));
}

TEST(CheckedCallDeathTest, CancelEndsTheProcessWithExitCodeZero) {
  EXPECT_EXIT(
      {
        SetFatalErrorReporter(StderrReporter(FatalChoice::Cancel));
        TAVOLO_CHECK_AS("never true", false);
        std::exit(3);
      },
      ::testing::ExitedWithCode(0), "Error in line: never true");
}

TEST(CheckedCallDeathTest, WindowlessProgramsEndWithAFailureCode) {
  EXPECT_EXIT(
      {
        SetFatalErrorReporter(ExitingReporter(1));
        TAVOLO_CHECK_AS("never true", false);
        std::exit(0);
      },
      ::testing::ExitedWithCode(1), "Error in line: never true");
}

TEST(CheckedCallDeathTest, RetryGoesOnAfterTheFailedCall) {
  EXPECT_EXIT(
      {
        SetFatalErrorReporter(StderrReporter(FatalChoice::Retry));
        TAVOLO_CHECK_AS("never true", false);
        std::exit(3);
      },
      ::testing::ExitedWithCode(3), "Fatal Error");
}

}  // namespace
}  // namespace tavolo
