// Whole-file reads and safe whole-file writes, with the user-facing messages for their failures.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace tavolo {

// The message for a failed file operation, chosen from errno: "Access to %1 was denied.",
// "Disk full while accessing %1.", "%1 was not found.", "%1 contains an invalid path." or a
// generic one, with %1
// replaced by the file's path.
std::string FileErrorMessage(int error, const std::filesystem::path& path);

struct FileReadResult {
  bool ok = false;
  std::vector<uint8_t> bytes;
  int error = 0;        // errno of the failure; EFBIG when the file exceeds the limit
  std::string message;  // empty when ok
};

// Reads a whole file in one go; files larger than `maxBytes` are refused.
FileReadResult ReadWholeFile(const std::filesystem::path& path, uintmax_t maxBytes);

struct FileWriteResult {
  bool ok = false;
  int error = 0;
  std::string message;  // empty when ok
};

// Writes `bytes` to a new temporary file in the target's folder, flushes it to disk and renames
// it over `path`: a failed write leaves any previous file untouched and no temporary behind. An
// existing target's permission bits are kept.
FileWriteResult WriteFileReplacing(const std::filesystem::path& path,
                                   std::span<const uint8_t> bytes);

}  // namespace tavolo
