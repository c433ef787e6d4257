#include "core/library/PhotoFolder.h"

#include <cerrno>
#include <system_error>

#include "core/storage/FileIo.h"

namespace tavolo {

namespace {

// No picture the image layer can open comes near this.
constexpr uintmax_t kMaxPictureBytes = 1ull << 30;

PhotoCopyResult NotCopied(const std::string& reason, const std::filesystem::path& folder) {
  return {false, {}, reason + " The picture was not put into " + folder.string() + "."};
}

}  // namespace

PhotoCopyResult CopyIntoPhotoFolder(const std::filesystem::path& source,
                                    const std::filesystem::path& folder) {
  if (!source.has_filename()) return NotCopied(FileErrorMessage(ENOENT, source), folder);
  const std::filesystem::path target = folder / source.filename();
  std::error_code ec;
  if (std::filesystem::equivalent(source, target, ec)) return {true, target, {}};

  std::filesystem::create_directories(folder, ec);
  if (ec) return NotCopied(FileErrorMessage(ec.value(), folder), folder);
  const FileReadResult read = ReadWholeFile(source, kMaxPictureBytes);
  if (!read.ok) {
    return NotCopied(
        read.error == EFBIG ? source.string() + " is too large to be a picture." : read.message,
        folder);
  }
  // Written beside the target and renamed over it, so a failure keeps the old file whole.
  const FileWriteResult written = WriteFileReplacing(target, read.bytes);
  if (!written.ok) return NotCopied(written.message, folder);
  return {true, target, {}};
}

}  // namespace tavolo
