// Checked calls: a guarded expression that, when it yields zero (false, null, 0), raises the
// fatal-error report with the chain of checks in progress. "Retry" goes on after the failed
// call as if it had succeeded; "Cancel" ends the process at once.
#pragma once

#include <cerrno>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace tavolo {

inline constexpr int kErrorStackCapacity = 100;
inline constexpr std::string_view kSupportAddress = "support@tavolo-cards.org";

enum class FatalChoice { Retry, Cancel };

// Shows a report and answers what the user chose. The GUI installs its Fatal Error dialog.
using FatalErrorReporter = std::function<FatalChoice(const std::string& report)>;

// Installs a reporter and returns the previous one. The initial reporter is ExitingReporter(1).
FatalErrorReporter SetFatalErrorReporter(FatalErrorReporter reporter);
// A reporter for tests and command-line tools: writes to stderr, answers as configured.
FatalErrorReporter StderrReporter(FatalChoice answer);
// For programs without a window: writes the report to stderr and ends the process with
// `exitCode`, so that a failed check never passes for success in a script or a test run.
FatalErrorReporter ExitingReporter(int exitCode);

// Builds the report text from the stack in progress, then shows it; returns on Retry and ends
// the process with exit code 0 on Cancel. Texts holding "BitBlt" are ignored.
void ReportFatalError(int code, std::string_view expression);
std::string BuildFatalReportText(int code, std::string_view expression);

// The error-sequence stack: pushes on construction, pops on destruction. Entries beyond the
// capacity are not recorded (and so not popped).
class ErrorScope {
 public:
  ErrorScope(const char* expression, const char* file, int line);
  ~ErrorScope();
  ErrorScope(const ErrorScope&) = delete;
  ErrorScope& operator=(const ErrorScope&) = delete;

 private:
  bool pushed_;
};

int ErrorStackDepth();

template <class T>
bool IsZeroResult(const T& value) {
  return !static_cast<bool>(value);
}

// Evaluates `fn` once inside an error scope and reports a zero result. Returns the result.
template <class F>
auto CheckedCall(const char* expression, const char* file, int line, F&& fn) {
  ErrorScope scope(expression, file, line);
  errno = 0;
  auto result = std::forward<F>(fn)();
  if (IsZeroResult(result)) {
    const int code = errno;
    ReportFatalError(code, expression);
  }
  return result;
}

}  // namespace tavolo

// TAVOLO_CHECK(expr): checks expr, labelled with its own source text.
// TAVOLO_CHECK_AS("text", expr): checks expr, labelled with a fixed text.
#define TAVOLO_CHECK(expr) \
  ::tavolo::CheckedCall(#expr, __FILE__, __LINE__, [&]() -> decltype(auto) { return (expr); })
#define TAVOLO_CHECK_AS(label, expr) \
  ::tavolo::CheckedCall(label, __FILE__, __LINE__, [&]() -> decltype(auto) { return (expr); })
