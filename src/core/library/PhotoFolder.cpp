#include "core/library/PhotoFolder.h"

#include <cerrno>
#include <system_error>

#include "core/base/Translation.h"
#include "core/card/PlainFileName.h"
#include "core/storage/FileIo.h"

namespace tavolo {

namespace {

// Far more working copies of one name than anyone makes.
constexpr int kMaxNumberedNames = 10'000;

// `reason` is in the user's language already.
Failure NotCopied(const std::string& reason, const std::filesystem::path& folder) {
  return {TrMessage("%1 The picture was not put into %2.", reason, folder.string())};
}

std::string Megabytes(uintmax_t bytes) {
  return QString::number(static_cast<double>(bytes) / (1 << 20), 'f', 1).toStdString();
}

// The name of the working copy `number` (1 is the file's own name).
std::filesystem::path NumberedName(const std::filesystem::path& name, int number) {
  if (number == 1) return name;
  std::filesystem::path numbered = name.stem();
  numbered += "-" + std::to_string(number);
  numbered += name.extension();
  return numbered;
}

// Fills the bytes of each picture of `face` that has none from `photos`; adds what is missing.
void EmbedFace(CardState& face, const DataFolder& photos, std::vector<std::string>& missing) {
  for (const PictureKind kind : kPictureKinds) {
    const PlacedPicture& picture = face.Picture(kind);
    if (picture.name.isEmpty() || face.pictures.Find(picture.hash) != nullptr) continue;
    const std::string name = picture.name.toStdString();
    Outcome<std::vector<uint8_t>> bytes = IsPlainFileName(picture.name)
                                              ? ReadPictureFile(photos.Find(name))
                                              : Outcome<std::vector<uint8_t>>(Failure{""});
    if (bytes) {
      EmbedPicture(face, kind, picture.name, std::move(bytes.Value()));
    } else {
      missing.push_back(
          kind == PictureKind::kPhoto
              ? TrMessage("The photo \"%1\" is not in the card and was not found.", name)
              : TrMessage("The logo \"%1\" is not in the card and was not found.", name));
    }
  }
}

}  // namespace

Outcome<std::vector<uint8_t>> ReadPictureFile(const std::filesystem::path& file) {
  Outcome<std::vector<uint8_t>> read = ReadWholeFile(file, kMaxEmbeddedPictureBytes);
  if (read || read.Error() != EFBIG) return read;
  std::error_code ec;
  const uintmax_t size = std::filesystem::file_size(file, ec);
  return Failure{TrMessage("%1 is %2 MB: a picture on a card may have at most %3 MB.",
                           file.string(), ec ? std::string("?") : Megabytes(size),
                           Megabytes(kMaxEmbeddedPictureBytes))};
}

Outcome<PhotoCopy> CopyIntoPhotoFolder(const std::filesystem::path& source,
                                       const DataFolder& photos) {
  const std::filesystem::path& folder = photos.user;
  if (!source.has_filename())
    return NotCopied(TranslatedMessage(FileErrorMessage(ENOENT, source)), folder);
  Outcome<std::vector<uint8_t>> read = ReadPictureFile(source);
  if (!read) return NotCopied(TranslatedMessage(read.Message()), folder);
  std::vector<uint8_t> bytes = std::move(read.Value());
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) return NotCopied(TranslatedMessage(FileErrorMessage(ec.value(), folder)), folder);
  for (int number = 1; number <= kMaxNumberedNames; ++number) {
    const std::filesystem::path name = NumberedName(source.filename(), number);
    // The file the name finds already: a shipped photo, or one copied before.
    const std::filesystem::path found = photos.Find(name);
    if (std::filesystem::exists(found, ec)) {
      const Outcome<std::vector<uint8_t>> there = ReadWholeFile(found, kMaxEmbeddedPictureBytes);
      if (there && there.Value() == bytes) return PhotoCopy{found, std::move(bytes)};
      continue;
    }
    const std::filesystem::path target = folder / name;
    // Written beside the target and renamed over it, so a failure leaves nothing half-written.
    const Outcome<> written = WriteFileReplacing(target, bytes);
    if (!written) return NotCopied(TranslatedMessage(written.Message()), folder);
    return PhotoCopy{target, std::move(bytes)};
  }
  return NotCopied(TrMessage("There are too many pictures named %1.", source.filename().string()),
                   folder);
}

std::vector<std::string> EmbedFolderPictures(CardState& card, const DataFolder& photos) {
  std::vector<std::string> missing;
  EmbedFace(card, photos, missing);
  if (card.back.Has()) {
    CardState back = card.back.Face();
    EmbedFace(back, photos, missing);
    if (!(back == card.back.Face())) card.back = CardBack(back);
  }
  return missing;
}

}  // namespace tavolo
