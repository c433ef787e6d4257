// The background table: every background the program knows, custom ones first, then the built-in
// library, each with its 20-byte name, its own number, its decoded image and its hue offset.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/imaging/RasterImage.h"

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

class BackgroundTable {
 public:
  BackgroundTable() = default;
  BackgroundTable(const BackgroundTable&) = default;
  BackgroundTable(BackgroundTable&& other) noexcept;
  // Replacing a table's contents gives it a generation it never had, so nothing made from the
  // old pictures passes for the new ones, even where a new picture reuses an old one's memory.
  BackgroundTable& operator=(const BackgroundTable& other);
  BackgroundTable& operator=(BackgroundTable&& other) noexcept;

  // Changes whenever the table's contents change (an append, an assignment, a move away).
  uint64_t Generation() const { return generation_; }

  int Count() const { return static_cast<int>(records_.size()); }
  const BackgroundRecord& Record(int number) const { return records_[number]; }
  const RasterImage& Image(int number) const { return images_[number]; }
  float HueOffset(int number) const { return hueOffsets_[number]; }

  // The first background whose 20 name bytes equal `name`; 0 when none does.
  int LookupByName(std::span<const uint8_t, kBackgroundNameBytes> name) const;

  // Appends one background under the next number; false when the table is full.
  bool Append(const BackgroundName& name, RasterImage image, float hueOffset);

 private:
  std::vector<BackgroundRecord> records_;
  std::vector<RasterImage> images_;
  std::vector<float> hueOffsets_;
  uint64_t generation_ = 0;
};

}  // namespace tavolo
