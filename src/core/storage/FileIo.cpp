#include "core/storage/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <random>
#include <string_view>

#include "core/storage/PrintableName.h"

namespace tavolo {

namespace {

// Room for the dot, the random part and the suffix of a temporary name within NAME_MAX.
constexpr size_t kTempStemBytes = 200;

std::string Substitute(std::string_view text, const std::filesystem::path& path) {
  std::string out(text);
  const size_t at = out.find("%1");
  if (at != std::string::npos) out.replace(at, 2, PrintableName(path.string()));
  return out;
}

// Closes a descriptor on every path out of a function.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int Get() const { return fd_; }
  // Closes now, reporting the result: a close can be where a write error shows up.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// Why something of this type is no file to read or replace; EISDIR for a folder, EINVAL else.
struct NotAFile {
  int error;
  std::string message;
};

NotAFile NotAFileOf(mode_t mode, const std::filesystem::path& path) {
  if (S_ISDIR(mode)) return {EISDIR, Substitute("%1 is a folder, not a file.", path)};
  if (S_ISLNK(mode)) return {EINVAL, Substitute("%1 is a symbolic link, not a file.", path)};
  if (S_ISFIFO(mode)) return {EINVAL, Substitute("%1 is a named pipe, not a file.", path)};
  if (S_ISCHR(mode) || S_ISBLK(mode)) {
    return {EINVAL, Substitute("%1 is a device, not a file.", path)};
  }
  return {EINVAL, Substitute("%1 is not a regular file.", path)};
}

// A write that finds no such file is missing a folder on the way.
FileWriteResult WriteFailure(int error, const std::filesystem::path& path) {
  return {false, error, FileErrorMessage(error == ENOENT ? ENOTDIR : error, path)};
}

// The target as it stands: nothing, a regular file (whose mode is kept) or something refused.
struct TargetState {
  bool refused = false;
  NotAFile why{};
  bool exists = false;
  mode_t mode = 0;
};

TargetState InspectTarget(const std::filesystem::path& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return {};
  if (!S_ISREG(info.st_mode)) return {true, NotAFileOf(info.st_mode, path)};
  return {false, {}, true, info.st_mode};
}

std::string TempName(const std::filesystem::path& path) {
  std::random_device seed;
  const uint64_t random = (static_cast<uint64_t>(seed()) << 32) | seed();
  char tail[32];
  std::snprintf(tail, sizeof tail, ".%016" PRIx64 ".tmp", random);
  return "." + path.filename().string().substr(0, kTempStemBytes) + tail;
}

bool WriteAll(int fd, std::span<const uint8_t> bytes, int& error) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      error = errno;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

// Makes the rename itself durable; a folder that cannot be synced does not fail the save.
void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::string FileErrorMessage(int error, const std::filesystem::path& path) {
  switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
      return Substitute("Access to %1 was denied.", path);
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return Substitute("Disk full while accessing %1.", path);
    case ENOENT:
      return Substitute("%1 was not found.", path);
    case ENOTDIR:
    case ENAMETOOLONG:
      return Substitute("%1 contains an invalid path.", path);
    default:
      return Substitute("An unexpected error occurred while accessing %1.", path);
  }
}

FileReadResult ReadWholeFile(const std::filesystem::path& path, uintmax_t maxBytes) {
  FileReadResult result;
  const auto fail = [&](int error, std::string message) {
    result.error = error;
    result.message = std::move(message);
    result.bytes.clear();
    return result;
  };
  // Opening a named pipe for reading would wait for a writer, and opening a terminal could make
  // it ours: neither happens without blocking and without a controlling terminal.
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (fd.Get() < 0) return fail(errno, FileErrorMessage(errno, path));
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0) return fail(errno, FileErrorMessage(errno, path));
  if (!S_ISREG(info.st_mode)) {
    NotAFile why = NotAFileOf(info.st_mode, path);
    return fail(why.error, std::move(why.message));
  }
  if (static_cast<uintmax_t>(info.st_size) > maxBytes) {
    return fail(EFBIG, Substitute("%1 is too large.", path));
  }
  result.bytes.resize(static_cast<size_t>(info.st_size));
  size_t done = 0;
  while (done < result.bytes.size()) {
    const ssize_t n = ::read(fd.Get(), result.bytes.data() + done, result.bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return fail(errno, FileErrorMessage(errno, path));
    if (n == 0) break;  // the file shrank while being read: keep what is there
    done += static_cast<size_t>(n);
  }
  result.bytes.resize(done);
  result.ok = true;
  return result;
}

FileWriteResult WriteFileReplacing(const std::filesystem::path& path,
                                   std::span<const uint8_t> bytes) {
  const TargetState before = InspectTarget(path);
  if (before.refused) return {false, before.why.error, before.why.message};

  const std::filesystem::path folder =
      path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
  std::filesystem::path temp;
  int raw = -1;
  for (int attempt = 0; attempt < 16 && raw < 0; ++attempt) {
    temp = folder / TempName(path);
    raw = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (raw < 0 && errno != EEXIST) break;
  }
  if (raw < 0) return WriteFailure(errno, path);
  FileDescriptor fd(raw);
  const auto fail = [&](int error) {
    if (fd.Get() >= 0) fd.Close();
    ::unlink(temp.c_str());
    return WriteFailure(error, path);
  };
  if (before.exists && ::fchmod(fd.Get(), before.mode & 07777) != 0) return fail(errno);
  int error = 0;
  if (!WriteAll(fd.Get(), bytes, error)) return fail(error);
  if (::fsync(fd.Get()) != 0 && errno != EINVAL) return fail(errno);
  if (!fd.Close()) return fail(errno);
  // Something put in the target's place while the bytes were written is not replaced either.
  if (const TargetState now = InspectTarget(path); now.refused) {
    ::unlink(temp.c_str());
    return {false, now.why.error, now.why.message};
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) return fail(errno);
  SyncFolder(folder);
  return {true, 0, {}};
}

}  // namespace tavolo
