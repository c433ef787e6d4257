#include "core/base/CheckedCall.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace tavolo {

namespace {

struct StackEntry {
  const char* expression;
  const char* file;
  int line;
};

// The process-wide error-sequence stack; used from the user-interface thread only.
std::array<StackEntry, kErrorStackCapacity> g_stack;
int g_count = 0;

FatalErrorReporter& Reporter() {
  static FatalErrorReporter reporter = ExitingReporter(1);
  return reporter;
}

constexpr std::string_view kCrLf = "\r\n";

}  // namespace

ErrorScope::ErrorScope(const char* expression, const char* file, int line)
    : pushed_(g_count < kErrorStackCapacity) {
  if (pushed_) g_stack[g_count++] = {expression, file, line};
}

ErrorScope::~ErrorScope() {
  if (pushed_) --g_count;
}

int ErrorStackDepth() {
  return g_count;
}

FatalErrorReporter SetFatalErrorReporter(FatalErrorReporter reporter) {
  FatalErrorReporter previous = std::move(Reporter());
  Reporter() = std::move(reporter);
  return previous;
}

FatalErrorReporter StderrReporter(FatalChoice answer) {
  return [answer](const std::string& report) {
    std::fprintf(stderr, "Fatal Error\n%s\n", report.c_str());
    std::fflush(stderr);
    return answer;
  };
}

FatalErrorReporter ExitingReporter(int exitCode) {
  return [exitCode](const std::string& report) -> FatalChoice {
    std::fprintf(stderr, "Fatal Error\n%s\n", report.c_str());
    std::fflush(stderr);
    std::_Exit(exitCode);
  };
}

// The labels in a report are the lines users send to support. A fixed label (TAVOLO_CHECK_AS)
// keeps the wording support knows even where the call behind it is now written otherwise, so
// labels such as "pds[cur].pnmb >=0", "mdc.CreateCompatibleDC(&dc)" or "ReloadTmps(1)==0" quote
// expressions and old names that are no longer in this code.
std::string BuildFatalReportText(int code, std::string_view expression) {
  std::string text = "Error sequence: ";
  for (int i = 0; i < g_count; ++i) {
    if (i > 0) text += " -> ";
    text += g_stack[i].expression;
  }
  text += kCrLf;
  text += kCrLf;
  text += "Error in line: ";
  text += expression;
  text += kCrLf;
  text += kCrLf;
  text += "Error code: " + std::to_string(static_cast<int32_t>(code));
  text += kCrLf;
  for (int i = 0; i < g_count; ++i) {
    text += kCrLf;
    text += "File: ";
    text += g_stack[i].file;
    text += "; line: " + std::to_string(g_stack[i].line);
  }
  text += kCrLf;
  text += kCrLf;
  text += "Please email this error message to:";
  text += kCrLf;
  text += kSupportAddress;
  return text;
}

void ReportFatalError(int code, std::string_view expression) {
  // Failures of block transfers are ignored.
  if (expression.find("BitBlt") != std::string_view::npos) return;
  const std::string report = BuildFatalReportText(code, expression);
  const FatalErrorReporter& reporter = Reporter();
  const FatalChoice choice = reporter ? reporter(report) : FatalChoice::Cancel;
  if (choice == FatalChoice::Cancel) std::_Exit(0);
}

}  // namespace tavolo
