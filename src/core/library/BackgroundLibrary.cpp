#include "core/library/BackgroundLibrary.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <system_error>
#include <utility>
#include <vector>

#include "core/base/ColourModel.h"
#include "core/base/ProgramFolder.h"
#include "core/base/Translation.h"
#include "core/card/CardLimits.h"
#include "core/formats/ImageFileTypes.h"
#include "core/library/BackgroundLibraryFile.h"
#include "core/storage/ByteReader.h"
#include "core/storage/ByteWriter.h"
#include "core/storage/FileIo.h"
#include "core/storage/PrintableName.h"

namespace tavolo {

namespace {

constexpr float kChannelScale = 0.003921569f;  // 1/255
// The library file holds a few dozen JPEG pictures, an imported picture is one; anything near
// this size is neither.
constexpr uintmax_t kMaxLibraryBytes = 1ull << 30;
constexpr size_t kHueFileBytes = 4;
// A companion holds 4 bytes; a longer one is read from its start rather than replaced.
constexpr uintmax_t kMaxHueFileBytes = 4096;

// A custom file's title and extension: the parts of its file name around the last ".".
struct SplitName {
  std::string title;
  std::string extension;
  bool hasExtension = false;
};

SplitName SplitFileName(const std::filesystem::path& file) {
  const std::string name = file.filename().string();
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos) return {name, {}, false};
  return {name.substr(0, dot), name.substr(dot + 1), true};
}

std::filesystem::path HueCompanion(const std::filesystem::path& folder, const std::string& title) {
  return folder / (title + ".hue");
}

// The stored hue offset, or nothing when the companion is missing or shorter than a float.
bool ReadHueFile(const std::filesystem::path& path, float& offset) {
  const Outcome<std::vector<uint8_t>> read = ReadWholeFile(path, kMaxHueFileBytes);
  if (!read || read.Value().size() < kHueFileBytes) return false;
  ByteReader in(read.Value());
  offset = in.F32();
  return true;
}

Outcome<> WriteHueFile(const std::filesystem::path& path, float offset) {
  std::vector<uint8_t> bytes;
  ByteWriter(bytes).PutF32(offset);
  return WriteFileReplacing(path, bytes);
}

float HueOffsetOf(const RasterImage& image) {
  return MeanHue(image) * kHueToOffset - 0.5f;
}

std::string Shown(const std::filesystem::path& path) {
  return PrintableName(path.string());
}

std::string CustomPictureMessage(const std::filesystem::path& file, const RasterImage& image) {
  return TrMessage("The background %1 could not be read as a picture: %2", Shown(file),
                   TranslatedMessage(image.GetLastError()));
}

std::string UndecodedLibraryMessage(int undecoded, int total, const std::filesystem::path& path,
                                    const std::string& firstError) {
  return TrMessage("%1 of the %2 backgrounds of the library %3 could not be decoded: %4", undecoded,
                   total, Shown(path), TranslatedMessage(firstError));
}

// Why a copy into the custom folder failed. An installed copy of the program usually lies in a
// folder the user cannot write to: say so, and where the backgrounds would have gone.
std::string FolderNotWritableMessage(int error, const std::string& writeMessage,
                                     const std::filesystem::path& customFolder) {
  if (error == EACCES || error == EPERM || error == EROFS) {
    return TrMessage(
        "Imported backgrounds are kept in %1, beside the program, and that folder cannot be "
        "written to. Nothing was imported. Run Tavolo from a folder you may write to (or set "
        "TAVOLO_HOME to one) to import backgrounds.",
        Shown(customFolder));
  }
  return TranslatedMessage(writeMessage);
}

// The regular files of `folder` in directory order; none when it cannot be listed.
std::vector<std::filesystem::path> FilesIn(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  std::error_code ec;
  std::filesystem::directory_iterator it(folder, ec);
  if (ec) return files;
  for (; it != std::filesystem::directory_iterator(); it.increment(ec)) {
    if (ec) break;
    std::error_code typeError;
    if (it->is_regular_file(typeError)) files.push_back(it->path());
  }
  return files;
}

// The custom files of both places, the shipped first, each in directory order; a user's file
// takes the place of a shipped one of the same name.
std::vector<std::filesystem::path> CustomFiles(const DataFolder& customFolder) {
  std::vector<std::filesystem::path> files = FilesIn(customFolder.shipped);
  if (customFolder.IsOneFolder()) return files;
  const std::vector<std::filesystem::path> own = FilesIn(customFolder.user);
  std::erase_if(files, [&own](const std::filesystem::path& shipped) {
    return std::ranges::any_of(
        own, [&shipped](const auto& mine) { return mine.filename() == shipped.filename(); });
  });
  files.insert(files.end(), own.begin(), own.end());
  return files;
}

// Adds the custom backgrounds of `customFolder`; false once the table is full. A picture is
// decoded here only when its hue must be measured; the others wait until drawn.
bool ReadCustomBackgrounds(BackgroundTable& table, const DataFolder& customFolder,
                           HueCompanions companions, BackgroundsLoaded& result) {
  // The listing is taken whole first: companions written below must not change what it holds.
  const std::vector<std::filesystem::path> files = CustomFiles(customFolder);
  for (const std::filesystem::path& file : files) {
    const SplitName split = SplitFileName(file);
    if (!split.hasExtension) continue;
    const int format = CustomBackgroundFormat(split.extension);
    if (format == kFormatUnknown) continue;
    if (table.Count() >= kMaxBackgrounds) return false;

    const PictureFile source{file, format};
    float offset = 0.0f;
    const std::filesystem::path companion = HueCompanion(file.parent_path(), split.title);
    if (!ReadHueFile(companion, offset)) {
      // A picture dropped into the folder by hand has no companion yet: measure it as an import
      // would. A picture that does not decode gets no companion, so a later start measures again.
      const RasterImage image = DecodeBackground(source);
      if (!image.IsValid()) result.warnings.push_back(CustomPictureMessage(file, image));
      offset = HueOffsetOf(image);
      if (image.IsValid() && companions == HueCompanions::kWriteMissing) {
        // A companion that cannot be written (a shipped folder is only read) only means
        // measuring again at the next start.
        static_cast<void>(WriteHueFile(companion, offset));
      }
    }
    table.Append(MakeBackgroundName(split.title), source, offset);
    ++result.customCount;
  }
  return true;
}

}  // namespace

int CustomBackgroundFormat(std::string_view extension) {
  return OfferedFormatForExtension(extension).value_or(kFormatUnknown);
}

float MeanHue(const RasterImage& image) {
  const uint32_t width = image.GetWidth();
  const uint32_t height = image.GetHeight();
  if (!image.IsValid() || width == 0 || height == 0) return 0.0f;
  float sum = 0.0f;
  // Rows from the top, as a top-down bitmap is walked; the float sum depends on the order.
  for (uint32_t row = 0; row < height; ++row) {
    const uint32_t storageRow = height - 1 - row;
    const uint8_t* bits = image.GetBpp() == 24 ? image.GetBits(storageRow) : nullptr;
    for (uint32_t x = 0; x < width; ++x) {
      RgbQuad pixel;
      if (bits != nullptr) {
        pixel = {bits[3 * x], bits[3 * x + 1], bits[3 * x + 2], 0};
      } else {
        pixel = image.GetPixelColour(x, storageRow);
      }
      // Blue goes in the r place and red in the b place, as the background processing passes
      // pixels; on the 0..1 scale every pixel whose channels differ by less than 0.1 is grey.
      const HslColour hsl = RgbToHsl(RgbColour{
          pixel.blue * kChannelScale, pixel.green * kChannelScale, pixel.red * kChannelScale});
      sum += hsl.h;
    }
  }
  return sum / static_cast<float>(static_cast<uint64_t>(width) * height);
}

BackgroundLoading ReadBGFileIn(BackgroundTable& table, const DataFolder& folder,
                               const std::filesystem::path& fileName, HueCompanions companions) {
  BackgroundsLoaded result;
  if (!ReadCustomBackgrounds(table, CustomBackgroundsFolder(folder), companions, result)) {
    result.tableFull = true;
    return result;
  }

  const std::filesystem::path libraryPath = folder.shipped / fileName;
  Outcome<OpenFile> read = OpenFile::Open(libraryPath, kMaxLibraryBytes);
  if (!read && (read.Error() == ENOENT || read.Error() == ENOTDIR)) {
    return BackgroundLoadFailure{
        TrMessage("The background library %1 was not found.", Shown(libraryPath)),
        BackgroundLoadFault::kLibraryMissing, std::move(result)};
  }
  if (!read) {
    return BackgroundLoadFailure{TrMessage("The background library could not be read: %1",
                                           TranslatedMessage(read.Message())),
                                 BackgroundLoadFault::kLibraryUnreadable, std::move(result)};
  }
  const auto file = std::make_shared<const OpenFile>(std::move(read).Value());
  const LibraryBytes readPlain = [file](uint64_t offset, std::span<uint8_t> out) {
    const Outcome<size_t> got = file->ReadAt(offset, out);
    if (!got || got.Value() != out.size()) return false;
    Descramble(out, offset);
    return true;
  };
  auto library = std::make_shared<const LibraryData>(LibraryData{libraryPath, readPlain});
  const uint32_t room = static_cast<uint32_t>(kMaxBackgrounds - table.Count());
  const ParsedLibrary parsed = ParseBackgroundLibrary(file->Size(), readPlain, room);
  for (const LibraryRecord& record : parsed.records) {
    table.Append(record.name, LibraryPicture{library, record.jpegOffset, record.jpegLength},
                 record.hue * kHueToOffset - 0.5f);
    ++result.libraryCount;
  }
  if (parsed.declaredCount == 0 && !parsed.truncated) {
    result.warnings.push_back(
        TrMessage("The background library %1 holds no backgrounds.", Shown(libraryPath)));
  }
  if (parsed.declaredCount > room && !parsed.truncated) result.tableFull = true;
  if (parsed.truncated) {
    std::string message =
        TrMessage("The background library %1 is damaged: only %2 of its backgrounds could be read.",
                  Shown(libraryPath), result.libraryCount);
    return BackgroundLoadFailure{std::move(message), BackgroundLoadFault::kLibraryTruncated,
                                 std::move(result)};
  }
  return result;
}

BackgroundLoading ReadBGFile(BackgroundTable& table, const std::filesystem::path& fileName,
                             HueCompanions companions) {
  return ReadBGFileIn(table, DataFolders(), fileName, companions);
}

const BackgroundsLoaded& LoadedOf(const BackgroundLoading& loading) {
  return loading ? loading.Value() : loading.Fault().loaded;
}

std::vector<std::string> CheckBackgrounds(const BackgroundTable& table) {
  std::vector<std::string> messages;
  // The library's failures are summed up per library file, as one message.
  std::shared_ptr<const LibraryData> library;
  int undecoded = 0;
  int total = 0;
  std::string firstError;
  const auto reportLibrary = [&] {
    if (undecoded > 0) {
      messages.push_back(UndecodedLibraryMessage(undecoded, total, library->path, firstError));
    }
    undecoded = 0;
    total = 0;
  };
  for (int number = 0; number < table.Count(); ++number) {
    const BackgroundSource& source = table.Source(number);
    const RasterImage image = table.DecodeImage(number);
    if (const auto* record = std::get_if<LibraryPicture>(&source)) {
      if (record->library != library) {
        if (library) reportLibrary();
        library = record->library;
      }
      ++total;
      if (!image.IsValid() && undecoded++ == 0) firstError = image.GetLastError();
    } else if (const auto* file = std::get_if<PictureFile>(&source); file && !image.IsValid()) {
      messages.push_back(CustomPictureMessage(file->path, image));
    }
  }
  if (library) reportLibrary();
  return messages;
}

Outcome<int> AddCustomBackground(BackgroundTable& table, const std::filesystem::path& source,
                                 const DataFolder& folder) {
  const SplitName split = SplitFileName(source);
  if (!split.hasExtension) {
    return Failure{TrMessage(
        "%1 has no extension, so there is no telling what kind of picture it is. Give it the "
        "extension of its kind (such as .jpg or .png) and import it again.",
        Shown(source))};
  }
  if (table.Count() >= kMaxBackgrounds) {
    return Failure{
        TrMessage("The background table is full (%1 backgrounds); no more can be imported.",
                  kMaxBackgrounds)};
  }

  const std::filesystem::path customFolder = CustomBackgroundsFolder(folder).user;
  const std::filesystem::path target = customFolder / source.filename();
  std::error_code ec;
  std::filesystem::create_directories(customFolder, ec);
  if (ec) {
    return Failure{FolderNotWritableMessage(ec.value(), FileErrorMessage(ec.value(), customFolder),
                                            customFolder)};
  }
  // Importing a file that already lies in the folder needs no copy (and a copy onto itself fails).
  const bool copy = !std::filesystem::equivalent(source, target, ec);
  const Outcome<std::vector<uint8_t>> read = ReadWholeFile(source, kMaxLibraryBytes);
  if (!read) return Failure{TranslatedMessage(read.Message())};
  const auto copyOver = [&]() -> Outcome<> {
    if (!copy) return {};
    const Outcome<> written = WriteFileReplacing(target, read.Value());
    if (!written) {
      return Failure{FolderNotWritableMessage(written.Error(), written.Message(), customFolder)};
    }
    return {};
  };
  // A file of another kind is copied all the same, as the import always copies, but adds nothing.
  const int format = CustomBackgroundFormat(split.extension);
  if (format == kFormatUnknown) {
    if (Outcome<> copied = copyOver(); !copied) return copied.Fault();
    return Failure{TrMessage(
        "%1 is not a kind of picture that can be a background (JPEG, PNG, GIF, TIFF, BMP, TGA or "
        "PCX); nothing was added.",
        Shown(source))};
  }

  // Decoded before anything is written: a picture that fails leaves an earlier background of the
  // same name, and its companion, as they were.
  const RasterImage image(std::span<const uint8_t>(read.Value()), format, kMaxCardPicturePixels);
  if (!image.IsValid()) {
    return Failure{TrMessage("%1 could not be read as a picture: %2", Shown(source),
                             TranslatedMessage(image.GetLastError()))};
  }
  const float offset = HueOffsetOf(image);
  const std::filesystem::path companion = HueCompanion(customFolder, split.title);
  const Outcome<std::vector<uint8_t>> earlierCompanion = ReadWholeFile(companion, kMaxHueFileBytes);
  const Outcome<> hue = WriteHueFile(companion, offset);
  if (!hue) return Failure{FolderNotWritableMessage(hue.Error(), hue.Message(), customFolder)};
  if (Outcome<> copied = copyOver(); !copied) {
    // The earlier picture stays, so its companion must too.
    if (earlierCompanion) {
      static_cast<void>(WriteFileReplacing(companion, earlierCompanion.Value()));
    } else {
      std::filesystem::remove(companion, ec);
    }
    return copied.Fault();
  }
  const int number = table.Count();
  table.Append(MakeBackgroundName(split.title), PictureFile{target, format}, offset);
  return number;
}

Outcome<int> AddCustomBackground(BackgroundTable& table, const std::filesystem::path& source) {
  return AddCustomBackground(table, source, DataFolders());
}

}  // namespace tavolo
