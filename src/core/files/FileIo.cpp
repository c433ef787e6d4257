#include "core/files/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string_view>

namespace tavolo {

namespace {

std::string Substitute(std::string_view text, const std::filesystem::path& path) {
  std::string out(text);
  const size_t at = out.find("%1");
  if (at != std::string::npos) out.replace(at, 2, path.string());
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

// A write that finds no such file is missing a folder on the way.
FileWriteResult WriteFailure(int error, const std::filesystem::path& path) {
  return {false, error, FileErrorMessage(error == ENOENT ? ENOTDIR : error, path)};
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
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.Get() < 0) {
    result.error = errno;
    result.message = FileErrorMessage(result.error, path);
    return result;
  }
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0) {
    result.error = errno;
    result.message = FileErrorMessage(result.error, path);
    return result;
  }
  if (!S_ISREG(info.st_mode)) {
    result.error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    result.message = Substitute("%1 is not a file.", path);
    return result;
  }
  if (static_cast<uintmax_t>(info.st_size) > maxBytes) {
    result.error = EFBIG;
    result.message = Substitute("%1 is too large.", path);
    return result;
  }
  result.bytes.resize(static_cast<size_t>(info.st_size));
  size_t done = 0;
  while (done < result.bytes.size()) {
    const ssize_t n = ::read(fd.Get(), result.bytes.data() + done, result.bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      result.error = errno;
      result.message = FileErrorMessage(result.error, path);
      result.bytes.clear();
      return result;
    }
    if (n == 0) break;  // the file shrank while being read: keep what is there
    done += static_cast<size_t>(n);
  }
  result.bytes.resize(done);
  result.ok = true;
  return result;
}

FileWriteResult WriteFileReplacing(const std::filesystem::path& path,
                                   std::span<const uint8_t> bytes) {
  const std::filesystem::path folder =
      path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
  std::random_device seed;
  std::filesystem::path temp;
  int raw = -1;
  for (int attempt = 0; attempt < 16 && raw < 0; ++attempt) {
    temp = folder / ("." + path.filename().string() + ".tmp" + std::to_string(::getpid()) + "-" +
                     std::to_string(seed()));
    raw = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (raw < 0 && errno != EEXIST) break;
  }
  if (raw < 0) return WriteFailure(errno, path);
  FileDescriptor fd(raw);
  const auto fail = [&](int error) {
    fd.Close();
    ::unlink(temp.c_str());
    return WriteFailure(error, path);
  };
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
    ::fchmod(fd.Get(), existing.st_mode & 07777);
  }
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd.Get(), bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return fail(errno);
    done += static_cast<size_t>(n);
  }
  if (::fsync(fd.Get()) != 0 && errno != EINVAL) return fail(errno);
  if (!fd.Close()) {
    const int error = errno;
    ::unlink(temp.c_str());
    return WriteFailure(error, path);
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temp.c_str());
    return WriteFailure(error, path);
  }
  return {true, 0, {}};
}

}  // namespace tavolo
