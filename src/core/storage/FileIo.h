// Whole-file reads and safe whole-file writes, with the user-facing messages for their failures.
// Only regular files are read or replaced: a folder, a named pipe, a device or (for writing) a
// symbolic link is refused at once, so nothing waits on a pipe and no save writes through a link
// or over something that is not a file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/storage/Outcome.h"

namespace tavolo {

// The message for a failed file operation, chosen from errno: "Access to %1 was denied.",
// "Disk full while accessing %1.", "%1 was not found.", "%1 contains an invalid path.",
// "%1 exists already." or a generic one, with %1 replaced by the file's path (control characters
// escaped).
std::string FileErrorMessage(int error, const std::filesystem::path& path);

// Reads a whole regular file in one go; files larger than `maxBytes` are refused (error EFBIG),
// and so is anything that is not a regular file (after following symbolic links). A failure
// carries the errno of its cause.
Outcome<std::vector<uint8_t>> ReadWholeFile(const std::filesystem::path& path, uintmax_t maxBytes);

// A regular file held open for reads at any offset, from any thread at once: a large file of
// which only parts are wanted (the background library, whose pictures are read as they are
// drawn). Opened with the same care and limit as ReadWholeFile; the file read is the one opened,
// even when a new file takes its name meanwhile.
class OpenFile {
 public:
  static Outcome<OpenFile> Open(const std::filesystem::path& path, uintmax_t maxBytes);
  OpenFile(OpenFile&& other) noexcept;
  OpenFile& operator=(OpenFile&& other) noexcept;
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  ~OpenFile();

  const std::filesystem::path& Path() const { return path_; }
  // The size when opened.
  uint64_t Size() const { return size_; }
  // Reads the bytes at `offset` into `out`: how many there were, fewer than asked only where
  // the file ends.
  Outcome<size_t> ReadAt(uint64_t offset, std::span<uint8_t> out) const;

 private:
  OpenFile(int fd, std::filesystem::path path, uint64_t size);
  int fd_ = -1;
  std::filesystem::path path_;
  uint64_t size_ = 0;
};

// What a lost save would cost the user, which decides how hard a save works to survive a power
// cut: the user's own work (projects, templates, page layouts) is worth syncing the folder after
// the rename, so the new name is on disk too; an export can simply be made again.
enum class Durability { kUserData, kReproducible };

// Replaces `path` with `bytes`. They go to an unnamed file in the target's folder where the file
// system has them (so a process killed while writing leaves nothing behind), else to a new
// temporary of an unpredictable name (created exclusively, never through a link) that a later
// save into the folder removes once it is a day old. The file is flushed to disk and only then
// named `path`. A failed write leaves any previous file untouched and no temporary behind; an
// existing target keeps its permission bits. A target that exists and is not a regular file (a
// folder, a named pipe, a device, a symbolic link) is refused.
Outcome<> WriteFileReplacing(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                             Durability durability = Durability::kUserData);

// Writes `path` as WriteFileReplacing does, but only as a new file: the bytes are named `path`
// in one step that fails when the name is taken, so that of two programs saving under the same
// name at once the second learns of the first rather than replacing its file. A taken name fails
// with EEXIST ("%1 exists already.") and leaves what has that name as it was.
Outcome<> WriteNewFile(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                       Durability durability = Durability::kUserData);

// Writes a new file into the descriptor it is given (open for writing, at its start, not to be
// closed): a failure with only an errno is a failed write and is told with the file's name, any
// other failure is passed on as it stands.
using FileWriter = std::function<Outcome<>(int fd)>;
// Replaces `path` with what `write` writes, as safely as the bytes above: for a file too large to
// be made whole in memory first.
Outcome<> WriteFileReplacing(const std::filesystem::path& path, const FileWriter& write,
                             Durability durability = Durability::kUserData);

// An unnamed file for what is on its way into another file: made in `folder` where its file
// system allows (so that it takes that disk's room, not memory), else in the system's folder for
// temporary files; it is gone once closed, whatever happens to the process.
struct ScratchFileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using ScratchFile = std::unique_ptr<std::FILE, ScratchFileCloser>;
Outcome<ScratchFile> OpenScratchFile(const std::filesystem::path& folder);

// Removes from `folder` the named temporaries (".NAME.<16 hex>.tmp") of saves killed before they
// renamed their file, when they are the user's own regular files and over a day old: a save
// running now is never that slow. WriteFileReplacing calls it before it names a temporary.
void RemoveStaleSaveTemporaries(const std::filesystem::path& folder);

}  // namespace tavolo
