#include "core/library/PhotoFolder.h"

#include <cerrno>
#include <system_error>

#include "core/base/Translation.h"
#include "core/storage/FileIo.h"

namespace tavolo {

namespace {

// No picture the image layer can open comes near this.
constexpr uintmax_t kMaxPictureBytes = 1ull << 30;

// `reason` is in the user's language already.
Failure NotCopied(const std::string& reason, const std::filesystem::path& folder) {
  return {TrMessage("%1 The picture was not put into %2.", reason, folder.string())};
}

}  // namespace

Outcome<std::filesystem::path> CopyIntoPhotoFolder(const std::filesystem::path& source,
                                                   const DataFolder& photos) {
  const std::filesystem::path& folder = photos.user;
  if (!source.has_filename())
    return NotCopied(TranslatedMessage(FileErrorMessage(ENOENT, source)), folder);
  std::error_code ec;
  // The file the card's name finds already: a shipped photo, or one copied before.
  const std::filesystem::path found = photos.Find(source.filename());
  if (std::filesystem::equivalent(source, found, ec)) return found;
  const std::filesystem::path target = folder / source.filename();

  std::filesystem::create_directories(folder, ec);
  if (ec) return NotCopied(TranslatedMessage(FileErrorMessage(ec.value(), folder)), folder);
  const Outcome<std::vector<uint8_t>> read = ReadWholeFile(source, kMaxPictureBytes);
  if (!read) {
    return NotCopied(read.Error() == EFBIG
                         ? TrMessage("%1 is too large to be a picture.", source.string())
                         : TranslatedMessage(read.Message()),
                     folder);
  }
  // Written beside the target and renamed over it, so a failure keeps the old file whole.
  const Outcome<> written = WriteFileReplacing(target, read.Value());
  if (!written) return NotCopied(TranslatedMessage(written.Message()), folder);
  return target;
}

}  // namespace tavolo
