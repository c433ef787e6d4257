#include "core/library/BackgroundLibrary.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <cctype>
#include <cerrno>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "core/base/ColourModel.h"
#include "core/base/ProgramFolder.h"
#include "core/card/CardLimits.h"
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
// More threads than this gain nothing on a few dozen pictures.
constexpr unsigned kDecodeThreads = 4;
// A companion holds 4 bytes; a longer one is read from its start rather than replaced.
constexpr uintmax_t kMaxHueFileBytes = 4096;

struct ExtensionFormat {
  std::string_view extension;
  int format;
};

constexpr std::array<ExtensionFormat, 8> kCustomTypes = {{
    {"gif", kFormatGif},
    {"png", kFormatPng},
    {"jpg", kFormatJpeg},
    {"jpeg", kFormatJpeg},
    {"bmp", kFormatBmp},
    {"tga", kFormatTga},
    {"tif", kFormatTiff},
    {"pcx", kFormatPcx},
}};

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

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
  const FileReadResult read = ReadWholeFile(path, kMaxHueFileBytes);
  if (!read.ok || read.bytes.size() < kHueFileBytes) return false;
  ByteReader in(read.bytes);
  offset = in.F32();
  return true;
}

FileWriteResult WriteHueFile(const std::filesystem::path& path, float offset) {
  std::vector<uint8_t> bytes;
  ByteWriter(bytes).PutF32(offset);
  return WriteFileReplacing(path, bytes);
}

float HueOffsetOf(const RasterImage& image) {
  return MeanHue(image) * kHueToOffset - 0.5f;
}

std::string FormatMessage(std::string text, const std::filesystem::path& path) {
  const size_t at = text.find("%1");
  if (at != std::string::npos) text.replace(at, 2, PrintableName(path.string()));
  return text;
}

// Why a copy into the custom folder failed. An installed copy of the program usually lies in a
// folder the user cannot write to: say so, and where the backgrounds would have gone.
std::string FolderNotWritableMessage(int error, const std::string& writeMessage,
                                     const std::filesystem::path& customFolder) {
  if (error == EACCES || error == EPERM || error == EROFS) {
    return FormatMessage(
        "Imported backgrounds are kept in %1, beside the program, and that folder cannot be "
        "written to. Nothing was imported. Run Tavolo from a folder you may write to (or set "
        "TAVOLO_HOME to one) to import backgrounds.",
        customFolder);
  }
  return writeMessage;
}

// Adds the custom backgrounds of `customFolder` in directory order; false once the table is full.
bool ReadCustomBackgrounds(BackgroundTable& table, const std::filesystem::path& customFolder,
                           HueCompanions companions, BackgroundLoadResult& result) {
  // The listing is taken whole first: companions written below must not change what it holds.
  std::vector<std::filesystem::path> files;
  std::error_code ec;
  std::filesystem::directory_iterator it(customFolder, ec);
  if (ec) return true;  // no folder: no custom backgrounds
  for (; it != std::filesystem::directory_iterator(); it.increment(ec)) {
    if (ec) break;
    std::error_code typeError;
    if (it->is_regular_file(typeError)) files.push_back(it->path());
  }
  for (const std::filesystem::path& file : files) {
    const SplitName split = SplitFileName(file);
    if (!split.hasExtension) continue;
    const int format = CustomBackgroundFormat(split.extension);
    if (format == kFormatUnknown) continue;
    if (table.Count() >= kMaxBackgrounds) return false;

    RasterImage image(file, format, kMaxCardPicturePixels);
    if (!image.IsValid()) {
      result.warnings.push_back(
          FormatMessage("The background %1 could not be read as a picture: ", file) +
          image.GetLastError());
    }
    float offset = 0.0f;
    if (!ReadHueFile(HueCompanion(customFolder, split.title), offset)) {
      // A picture dropped into the folder by hand has no companion yet: measure it as an import
      // would. A picture that does not decode gets no companion, so a later start measures again.
      offset = HueOffsetOf(image);
      if (image.IsValid() && companions == HueCompanions::kWriteMissing) {
        WriteHueFile(HueCompanion(customFolder, split.title), offset);
      }
    }
    table.Append(MakeBackgroundName(split.title), std::move(image), offset);
    ++result.customCount;
  }
  return true;
}

// Decodes the library's pictures on a few threads at once, which brings the start-up's reading of
// the library down to about half. Each picture lands at its own index and decodes exactly as it
// would alone, so the table's order and every byte are those of a decode one after the other.
std::vector<RasterImage> DecodeLibraryPictures(const std::vector<LibraryRecordView>& records) {
  std::vector<RasterImage> images(records.size());
  std::atomic<size_t> next{0};
  const auto decode = [&] {
    for (size_t i = next++; i < records.size(); i = next++) {
      images[i] = RasterImage(records[i].jpeg, kFormatJpeg, kMaxCardPicturePixels);
    }
  };
  const unsigned helpers =
      std::min(std::max(std::thread::hardware_concurrency(), 1u), kDecodeThreads) - 1;
  {
    std::vector<std::jthread> pool;
    for (unsigned t = 0; t < helpers && t + 1 < records.size(); ++t) pool.emplace_back(decode);
    decode();
  }  // every helper has finished its last picture here
  return images;
}

}  // namespace

int CustomBackgroundFormat(std::string_view extension) {
  for (const ExtensionFormat& type : kCustomTypes) {
    if (EqualsIgnoringCase(type.extension, extension)) return type.format;
  }
  return kFormatUnknown;
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

BackgroundLoadResult ReadBGFileIn(BackgroundTable& table, const std::filesystem::path& folder,
                                  const std::filesystem::path& fileName, HueCompanions companions) {
  BackgroundLoadResult result;
  if (!ReadCustomBackgrounds(table, CustomBackgroundsFolder(folder), companions, result)) {
    result.tableFull = true;
    return result;
  }

  const std::filesystem::path libraryPath = folder / fileName;
  FileReadResult read = ReadWholeFile(libraryPath, kMaxLibraryBytes);
  if (!read.ok) {
    result.status = read.error == ENOENT || read.error == ENOTDIR
                        ? BackgroundLoadStatus::kLibraryMissing
                        : BackgroundLoadStatus::kLibraryUnreadable;
    result.message = result.status == BackgroundLoadStatus::kLibraryMissing
                         ? FormatMessage("The background library %1 was not found.", libraryPath)
                         : "The background library could not be read: " + read.message;
    return result;
  }
  Descramble(read.bytes);
  const uint32_t room = static_cast<uint32_t>(kMaxBackgrounds - table.Count());
  const ParsedLibrary parsed = ParseBackgroundLibrary(read.bytes, room);
  std::vector<RasterImage> images = DecodeLibraryPictures(parsed.records);
  int undecoded = 0;
  std::string firstError;
  for (size_t i = 0; i < parsed.records.size(); ++i) {
    const LibraryRecordView& record = parsed.records[i];
    if (!images[i].IsValid() && undecoded++ == 0) firstError = images[i].GetLastError();
    table.Append(record.name, std::move(images[i]), record.hue * kHueToOffset - 0.5f);
    ++result.libraryCount;
  }
  if (parsed.declaredCount == 0 && !parsed.truncated) {
    result.warnings.push_back(
        FormatMessage("The background library %1 holds no backgrounds.", libraryPath));
  }
  if (undecoded > 0) {
    result.warnings.push_back(
        std::to_string(undecoded) + " of the " + std::to_string(result.libraryCount) +
        FormatMessage(" backgrounds of the library %1 could not be decoded: ", libraryPath) +
        firstError);
  }
  if (parsed.declaredCount > room && !parsed.truncated) result.tableFull = true;
  if (parsed.truncated) {
    result.status = BackgroundLoadStatus::kLibraryTruncated;
    result.message = FormatMessage("The background library %1 is damaged: only ", libraryPath) +
                     std::to_string(result.libraryCount) + " of its backgrounds could be read.";
  }
  return result;
}

BackgroundLoadResult ReadBGFile(BackgroundTable& table, const std::filesystem::path& fileName,
                                HueCompanions companions) {
  return ReadBGFileIn(table, ProgramFolder(), fileName, companions);
}

AddBackgroundResult AddCustomBackground(BackgroundTable& table, const std::filesystem::path& source,
                                        const std::filesystem::path& folder) {
  AddBackgroundResult result;
  const SplitName split = SplitFileName(source);
  if (!split.hasExtension) {
    result.message = FormatMessage(
        "%1 has no extension, so there is no telling what kind of picture it is. Give it the "
        "extension of its kind (such as .jpg or .png) and import it again.",
        source);
    return result;
  }
  if (table.Count() >= kMaxBackgrounds) {
    result.message = "The background table is full (" + std::to_string(kMaxBackgrounds) +
                     " backgrounds); no more can be imported.";
    return result;
  }

  const std::filesystem::path customFolder = CustomBackgroundsFolder(folder);
  const std::filesystem::path target = customFolder / source.filename();
  std::error_code ec;
  std::filesystem::create_directories(customFolder, ec);
  if (ec) {
    result.message = FolderNotWritableMessage(ec.value(), FileErrorMessage(ec.value(), customFolder), customFolder);
    return result;
  }
  // Importing a file that already lies in the folder needs no copy (and a copy onto itself fails).
  const bool copy = !std::filesystem::equivalent(source, target, ec);
  if (copy) {
    const FileReadResult read = ReadWholeFile(source, kMaxLibraryBytes);
    if (!read.ok) {
      result.message = read.message;
      return result;
    }
    const FileWriteResult written = WriteFileReplacing(target, read.bytes);
    if (!written.ok) {
      result.message = FolderNotWritableMessage(written.error, written.message, customFolder);
      return result;
    }
  }
  // A file of another kind stays copied, as the import always copies first, but adds nothing.
  const int format = CustomBackgroundFormat(split.extension);
  if (format == kFormatUnknown) {
    result.message = FormatMessage(
        "%1 is not a kind of picture that can be a background (JPEG, PNG, GIF, TIFF, BMP, TGA or "
        "PCX); nothing was added.",
        source);
    return result;
  }

  RasterImage image(target, format, kMaxCardPicturePixels);
  if (!image.IsValid()) {
    result.message =
        FormatMessage("%1 could not be read as a picture: ", source) + image.GetLastError();
    if (copy) std::filesystem::remove(target, ec);
    return result;
  }
  const float offset = HueOffsetOf(image);
  const FileWriteResult hue = WriteHueFile(HueCompanion(customFolder, split.title), offset);
  if (!hue.ok) {
    result.message = hue.message;
    if (copy) std::filesystem::remove(target, ec);
    return result;
  }
  result.number = table.Count();
  table.Append(MakeBackgroundName(split.title), std::move(image), offset);
  result.ok = true;
  return result;
}

AddBackgroundResult AddCustomBackground(BackgroundTable& table,
                                        const std::filesystem::path& source) {
  return AddCustomBackground(table, source, ProgramFolder());
}

}  // namespace tavolo
