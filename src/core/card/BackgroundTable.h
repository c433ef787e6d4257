// The background table: every background the program knows, custom ones first, then the built-in
// library, each with its 20-byte name, its own number, where its picture comes from and its hue
// offset. Pictures are decoded when they are first drawn and kept in a bounded cache, so the table
// costs little however many backgrounds it holds.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

#include "core/imaging/RasterImage.h"
#include "core/pictures/DecodedPictureCache.h"

namespace tavolo {

inline constexpr int kMaxBackgrounds = 999;
inline constexpr int kBackgroundNameBytes = 20;

using BackgroundName = std::array<uint8_t, kBackgroundNameBytes>;

// The first 20 bytes of `text`, zero-padded; a text of exactly 20 bytes keeps no terminating zero.
BackgroundName MakeBackgroundName(std::string_view text);

struct BackgroundRecord {
  BackgroundName name{};  // zero-padded; all 20 bytes are the identity
  int32_t n = 0;          // the record's own number: equal to its index
};

// A library file, held open and shared by all of its records: only the picture being drawn is
// read from it.
struct LibraryData {
  std::filesystem::path path;
  // Fills `out` with the descrambled bytes at `offset`; false when they cannot be read.
  std::function<bool(uint64_t offset, std::span<uint8_t> out)> read;
};

// A library record's compressed JPEG picture: `length` bytes at `offset` of the library file.
struct LibraryPicture {
  std::shared_ptr<const LibraryData> library;
  uint64_t offset = 0;
  size_t length = 0;
};

// An imported picture file of the custom folder, in the format its extension names.
struct PictureFile {
  std::filesystem::path path;
  int format = kFormatUnknown;
};

// Where a background's picture is decoded from, or the decoded picture itself.
using BackgroundSource =
    std::variant<LibraryPicture, PictureFile, std::shared_ptr<const RasterImage>>;

class BackgroundTable {
 public:
  BackgroundTable();
  // A copy starts with an empty cache of pictures.
  BackgroundTable(const BackgroundTable& other);
  BackgroundTable(BackgroundTable&& other) noexcept;
  // Replacing a table's contents gives it a generation it never had, so nothing made from the
  // old pictures passes for the new ones, even where a new picture reuses an old one's memory.
  BackgroundTable& operator=(const BackgroundTable& other);
  BackgroundTable& operator=(BackgroundTable&& other) noexcept;
  ~BackgroundTable();

  // Changes whenever the table's contents change (an append, an assignment, a move away).
  uint64_t Generation() const { return generation_; }

  int Count() const { return static_cast<int>(records_.size()); }
  const BackgroundRecord& Record(int number) const { return records_[number]; }
  const BackgroundSource& Source(int number) const { return sources_[number]; }
  float HueOffset(int number) const { return hueOffsets_[number]; }

  // The background's picture, decoded on first use and kept while it is among the recently drawn
  // ones. Never null: a picture that does not decode is an empty image whose last error says why.
  // Safe to call from several threads.
  std::shared_ptr<const RasterImage> Image(int number) const;
  // Decodes the picture afresh without keeping it, for pictures shown once (thumbnails, checks).
  RasterImage DecodeImage(int number) const;

  // The first background whose 20 name bytes equal `name`; 0 when none does.
  int LookupByName(std::span<const uint8_t, kBackgroundNameBytes> name) const;

  // Appends one background under the next number; false when the table is full.
  bool Append(const BackgroundName& name, BackgroundSource source, float hueOffset);
  bool Append(const BackgroundName& name, RasterImage image, float hueOffset);

 private:
  std::vector<BackgroundRecord> records_;
  std::vector<BackgroundSource> sources_;
  std::vector<float> hueOffsets_;
  uint64_t generation_ = 0;
  std::unique_ptr<DecodedPictureCache> cache_;
};

// Decodes a background's picture from where it lies.
RasterImage DecodeBackground(const BackgroundSource& source);

}  // namespace tavolo
