// Running the built command-line tool from a test, as a user runs it from a shell.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace tavolo::test {

struct ShellOutcome {
  int code = -1;       // the exit code, or -1 when the command did not exit normally
  std::string output;  // what it wrote to standard output (append "2>&1" for both)
};

inline ShellOutcome RunShell(const std::string& command) {
  ShellOutcome result;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
  const int status = ::pclose(pipe);
  result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

inline std::filesystem::path TavoloCli() {
  return std::filesystem::path(TAVOLO_BIN_DIR) / "tavolo-cli";
}

// tavolo-cli with the arguments (already quoted for the shell), standard error included in the
// output; `environment` is put in front, e.g. "TAVOLO_HOME='/tmp/x' ".
inline ShellOutcome RunCli(const std::string& arguments, const std::string& environment = "") {
  return RunShell(environment + TavoloCli().string() + " " + arguments + " 2>&1");
}

}  // namespace tavolo::test
