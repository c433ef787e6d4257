#include "core/storage/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <ctime>
#include <functional>
#include <optional>
#include <random>
#include <string_view>
#include <utility>

#include "core/storage/FileMessages.h"
#include "core/storage/PrintableName.h"

namespace tavolo {

namespace {

// Room for the dot, the random part and the suffix of a temporary name within NAME_MAX.
constexpr size_t kTempStemBytes = 200;
constexpr int kTempHexDigits = 16;
constexpr const char* kTempSuffix = ".tmp";
// A named temporary this old is what a killed save left.
constexpr time_t kStaleTemporarySeconds = 24 * 60 * 60;

std::string Substitute(FileMessage message, const std::filesystem::path& path) {
  const std::string name[] = {PrintableName(path.string())};
  return FillPlaceholders(FileMessageText(message), name);
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
  // Hands the descriptor over to a new owner.
  int Release() { return std::exchange(fd_, -1); }
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
  if (S_ISDIR(mode)) return {EISDIR, Substitute(FileMessage::kFolder, path)};
  if (S_ISLNK(mode)) return {EINVAL, Substitute(FileMessage::kSymbolicLink, path)};
  if (S_ISFIFO(mode)) return {EINVAL, Substitute(FileMessage::kNamedPipe, path)};
  if (S_ISCHR(mode) || S_ISBLK(mode)) {
    return {EINVAL, Substitute(FileMessage::kDevice, path)};
  }
  return {EINVAL, Substitute(FileMessage::kNotRegularFile, path)};
}

// A write that finds no such file is missing a folder on the way.
Failure WriteFailure(int error, const std::filesystem::path& path) {
  return {FileErrorMessage(error == ENOENT ? ENOTDIR : error, path), error};
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
  std::snprintf(tail, sizeof tail, ".%0*" PRIx64 "%s", kTempHexDigits, random, kTempSuffix);
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

// What fills a new file: 0, the errno of a failed write, or kFillerFailed with its own failure.
using Filler = std::function<int(int fd)>;
constexpr int kFillerFailed = -1;

// Gives the new file the old one's permission bits, fills it and flushes it to disk; 0, or the
// errno of the failure (kFillerFailed when the filler failed for a reason of its own).
int FillAndSync(int fd, const Filler& fill, const TargetState& before) {
  if (before.exists && ::fchmod(fd, before.mode & 07777) != 0) return errno;
  if (const int error = fill(fd)) return error;
  if (::fsync(fd) != 0 && errno != EINVAL) return errno;
  return 0;
}

// Whether `name` has the form TempName gives: ".NAME.<16 hex>.tmp".
bool IsSaveTemporaryName(std::string_view name) {
  const std::string_view suffix = kTempSuffix;
  const size_t tail = 1 + kTempHexDigits + suffix.size();  // ".<hex>.tmp"
  if (name.size() < 2 + tail || name[0] != '.' || !name.ends_with(suffix)) return false;
  const std::string_view hex =
      name.substr(name.size() - suffix.size() - kTempHexDigits, kTempHexDigits);
  return name[name.size() - tail] == '.' && std::ranges::all_of(hex, [](char c) {
           return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
         });
}

// The bytes in a file that has no name until they are all on disk, then linked under a
// temporary name in `folder`. 0, or the errno of the failure; `unsupported` when the file system
// (or a system without /proc) cannot do it, so the caller falls back to a named temporary.
int WriteUnnamed(const std::filesystem::path& folder, const std::filesystem::path& path,
                 const Filler& fill, const TargetState& before, std::filesystem::path& temp,
                 bool& unsupported) {
  FileDescriptor fd(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
  if (fd.Get() < 0) {
    unsupported = errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL;
    return errno;
  }
  if (const int error = FillAndSync(fd.Get(), fill, before)) return error;
  // Linking by descriptor needs a privilege; through /proc it needs none.
  const std::string self = "/proc/self/fd/" + std::to_string(fd.Get());
  for (int attempt = 0; attempt < 16; ++attempt) {
    temp = folder / TempName(path);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      if (fd.Close()) return 0;
      const int error = errno;
      ::unlink(temp.c_str());
      temp.clear();
      return error;
    }
    if (errno != EEXIST) break;
  }
  const int error = errno;
  temp.clear();
  unsupported = error == ENOENT || error == EOPNOTSUPP || error == EPERM;
  return error;
}

// The bytes in a new temporary of an unpredictable name in `folder`; 0, or the errno of the
// failure (with the temporary removed).
int WriteNamed(const std::filesystem::path& folder, const std::filesystem::path& path,
               const Filler& fill, const TargetState& before, std::filesystem::path& temp) {
  RemoveStaleSaveTemporaries(folder);
  int raw = -1;
  for (int attempt = 0; attempt < 16 && raw < 0; ++attempt) {
    temp = folder / TempName(path);
    raw = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (raw < 0 && errno != EEXIST) break;
  }
  if (raw < 0) {
    temp.clear();
    return errno;
  }
  FileDescriptor fd(raw);
  int error = FillAndSync(fd.Get(), fill, before);
  if (error == 0 && !fd.Close()) error = errno;
  if (error != 0) {
    ::unlink(temp.c_str());
    temp.clear();
  }
  return error;
}

// Makes the rename itself durable; a folder that cannot be synced does not fail the save.
void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Names the written temporary `path` only when nothing has that name, in one step where the file
// system can (an exclusive rename, else a hard link, which fails on a taken name too); a file
// system that can do neither gets the check and the rename one after the other. 0, or the errno
// of the failure (EEXIST for a taken name).
int RenameExclusively(const std::filesystem::path& temp, const std::filesystem::path& path) {
  if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0) {
    return 0;
  }
  if (errno != EINVAL && errno != ENOSYS) return errno;
  if (::link(temp.c_str(), path.c_str()) == 0) {
    ::unlink(temp.c_str());
    return 0;
  }
  if (errno != EPERM && errno != EOPNOTSUPP) return errno;
  struct stat info {};
  if (::lstat(path.c_str(), &info) == 0) return EEXIST;
  return ::rename(temp.c_str(), path.c_str()) == 0 ? 0 : errno;
}

// Writes what `write` writes to a temporary beside `path`, then names it `path`, over an existing
// file or only as a new one. A failure of the writer's own is passed on as it is; a failed write
// says which file.
Outcome<> WriteFile(const std::filesystem::path& path, const FileWriter& write,
                    Durability durability, bool replace) {
  const TargetState before = InspectTarget(path);
  if (before.refused && replace) return Failure{before.why.message, before.why.error};

  std::optional<Failure> own;
  const Filler fill = [&](int fd) {
    Outcome<> written = write(fd);
    if (written) return 0;
    if (written.Message().empty() && written.Error() != 0) return written.Error();
    own = Failure{written.Message(), written.Error()};
    return kFillerFailed;
  };
  const std::filesystem::path folder =
      path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
  std::filesystem::path temp;
  bool unsupported = false;
  int error = WriteUnnamed(folder, path, fill, before, temp, unsupported);
  if (error != 0 && unsupported) error = WriteNamed(folder, path, fill, before, temp);
  if (own) return *own;
  if (error != 0) return WriteFailure(error, path);
  if (replace) {
    // Something put in the target's place while the bytes were written is not replaced either.
    if (const TargetState now = InspectTarget(path); now.refused) {
      ::unlink(temp.c_str());
      return Failure{now.why.message, now.why.error};
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) error = errno;
  } else {
    error = RenameExclusively(temp, path);
  }
  if (error != 0) {
    ::unlink(temp.c_str());
    return WriteFailure(error, path);
  }
  if (durability == Durability::kUserData) SyncFolder(folder);
  return {};
}

// A writer of the bytes as they stand.
FileWriter BytesWriter(std::span<const uint8_t> bytes) {
  return [bytes](int fd) -> Outcome<> {
    int error = 0;
    if (!WriteAll(fd, bytes, error)) return Failure{{}, error};
    return {};
  };
}

}  // namespace

std::string FileErrorMessage(int error, const std::filesystem::path& path) {
  switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
      return Substitute(FileMessage::kAccessDenied, path);
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return Substitute(FileMessage::kDiskFull, path);
    case ENOENT:
      return Substitute(FileMessage::kNotFound, path);
    case ENOTDIR:
    case ENAMETOOLONG:
      return Substitute(FileMessage::kInvalidPath, path);
    case EEXIST:
      return Substitute(FileMessage::kExists, path);
    default:
      return Substitute(FileMessage::kUnexpected, path);
  }
}

Outcome<OpenFile> OpenFile::Open(const std::filesystem::path& path, uintmax_t maxBytes) {
  const auto fail = [](int error, std::string message) {
    return Failure{std::move(message), error};
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
    return fail(EFBIG, Substitute(FileMessage::kTooLarge, path));
  }
  return OpenFile(fd.Release(), path, static_cast<uint64_t>(info.st_size));
}

OpenFile::OpenFile(int fd, std::filesystem::path path, uint64_t size)
    : fd_(fd), path_(std::move(path)), size_(size) {}

OpenFile::OpenFile(OpenFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_)), size_(other.size_) {}

OpenFile& OpenFile::operator=(OpenFile&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
    path_ = std::move(other.path_);
    size_ = other.size_;
  }
  return *this;
}

OpenFile::~OpenFile() {
  if (fd_ >= 0) ::close(fd_);
}

Outcome<size_t> OpenFile::ReadAt(uint64_t offset, std::span<uint8_t> out) const {
  size_t done = 0;
  while (done < out.size()) {
    const ssize_t n =
        ::pread(fd_, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Failure{FileErrorMessage(errno, path_), errno};
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  return done;
}

Outcome<std::vector<uint8_t>> ReadWholeFile(const std::filesystem::path& path, uintmax_t maxBytes) {
  const Outcome<OpenFile> opened = OpenFile::Open(path, maxBytes);
  if (!opened) return Failure{opened.Message(), opened.Error()};
  std::vector<uint8_t> bytes(static_cast<size_t>(opened.Value().Size()));
  const Outcome<size_t> read = opened.Value().ReadAt(0, bytes);
  if (!read) return Failure{read.Message(), read.Error()};
  bytes.resize(read.Value());  // the file shrank while being read: keep what is there
  return bytes;
}

Outcome<ScratchFile> OpenScratchFile(const std::filesystem::path& folder) {
  const std::filesystem::path where = folder.empty() ? std::filesystem::path(".") : folder;
  FileDescriptor fd(::open(where.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600));
  if (fd.Get() >= 0) {
    if (std::FILE* file = ::fdopen(fd.Get(), "w+b")) {
      fd.Release();
      return ScratchFile(file);
    }
  }
  if (std::FILE* file = std::tmpfile()) return ScratchFile(file);
  return WriteFailure(errno, where / "*");
}

void RemoveStaleSaveTemporaries(const std::filesystem::path& folder) {
  const time_t now = std::time(nullptr);
  std::error_code error;
  for (auto entry = std::filesystem::directory_iterator(folder, error);
       !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
    if (!IsSaveTemporaryName(entry->path().filename().string())) continue;
    struct stat info {};
    if (::lstat(entry->path().c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
        info.st_uid == ::geteuid() && now - info.st_mtime > kStaleTemporarySeconds) {
      ::unlink(entry->path().c_str());
    }
  }
}

Outcome<> WriteFileReplacing(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                             Durability durability) {
  return WriteFile(path, BytesWriter(bytes), durability, true);
}

Outcome<> WriteFileReplacing(const std::filesystem::path& path, const FileWriter& write,
                             Durability durability) {
  return WriteFile(path, write, durability, true);
}

Outcome<> WriteNewFile(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                       Durability durability) {
  return WriteFile(path, BytesWriter(bytes), durability, false);
}

}  // namespace tavolo
