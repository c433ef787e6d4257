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

#include "core/files/Outcome.h"

namespace tavolo {

// The message for a failed file operation, chosen from errno: "Access to %1 was denied.",
// "Disk full while accessing %1.", "%1 was not found.", "%1 contains an invalid path." or a
// generic one, with %1 replaced by the file's path (control characters escaped).
std::string FileErrorMessage(int error, const std::filesystem::path& path);

// Reads a whole regular file in one go; files larger than `maxBytes` are refused (error EFBIG),
// and so is anything that is not a regular file (after following symbolic links). A failure
// carries the errno of its cause.
Outcome<std::vector<uint8_t>> ReadWholeFile(const std::filesystem::path& path, uintmax_t maxBytes);

// Replaces `path` with `bytes`: they go to a new temporary file of an unpredictable name in the
// target's folder (created exclusively, never through a link), flushed to disk, then renamed over
// `path`. A failed write leaves any previous file untouched and no temporary behind; an existing
// target keeps its permission bits. A target that exists and is not a regular file (a folder, a
// named pipe, a device, a symbolic link) is refused.
Outcome<> WriteFileReplacing(const std::filesystem::path& path, std::span<const uint8_t> bytes);

}  // namespace tavolo
