// Whole-file reads and safe whole-file writes, with the user-facing messages for their failures.
// Only regular files are read or replaced: a folder, a named pipe, a device or (for writing) a
// symbolic link is refused at once, so nothing waits on a pipe and no save writes through a link
// or over something that is not a file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace tavolo {

// The message for a failed file operation, chosen from errno: "Access to %1 was denied.",
// "Disk full while accessing %1.", "%1 was not found.", "%1 contains an invalid path." or a
// generic one, with %1 replaced by the file's path (control characters escaped).
std::string FileErrorMessage(int error, const std::filesystem::path& path);

struct FileReadResult {
  bool ok = false;
  std::vector<uint8_t> bytes;
  int error = 0;        // errno of the failure; EFBIG when the file exceeds the limit
  std::string message;  // empty when ok
};

// Reads a whole regular file in one go; files larger than `maxBytes` are refused, and so is
// anything that is not a regular file (after following symbolic links).
FileReadResult ReadWholeFile(const std::filesystem::path& path, uintmax_t maxBytes);

struct FileWriteResult {
  bool ok = false;
  int error = 0;
  std::string message;  // empty when ok
};

// Replaces `path` with `bytes`: they go to a new temporary file of an unpredictable name in the
// target's folder (created exclusively, never through a link), flushed to disk, then renamed over
// `path`. A failed write leaves any previous file untouched and no temporary behind; an existing
// target keeps its permission bits. A target that exists and is not a regular file (a folder, a
// named pipe, a device, a symbolic link) is refused.
FileWriteResult WriteFileReplacing(const std::filesystem::path& path,
                                   std::span<const uint8_t> bytes);

}  // namespace tavolo
