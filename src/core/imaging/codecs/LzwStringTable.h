// The string table of an LZW compressor (GIF's and TIFF's): a string is known by the code of its
// prefix and its last byte, in an open-addressed table that 4096 codes keep at most a quarter full.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace tavolo::codecs {

class LzwStringTable {
 public:
  static constexpr uint32_t kNotFound = 0xFFFFFFFFu;

  // Makes the table empty, the first time by allocating it; false when memory ran out.
  bool Allocate() noexcept {
    try {
      entries_.assign(size_t{1} << kBits, kEmpty);
      return true;
    } catch (const std::bad_alloc&) {
      return false;
    }
  }
  void Clear() { std::fill(entries_.begin(), entries_.end(), kEmpty); }

  // The code of the string `prefix` + `byte`; kNotFound when it is new, and then `slot` is where
  // Add puts it.
  uint32_t Find(uint32_t prefix, uint8_t byte, uint32_t& slot) const {
    const uint32_t key = prefix << 8 | byte;
    slot = (key * 2654435761u) >> (32 - kBits);
    uint32_t entry;
    while ((entry = entries_[slot]) != kEmpty && entry >> 12 != key) slot = (slot + 1) & kMask;
    return entry == kEmpty ? kNotFound : entry & 0xFFF;
  }
  void Add(uint32_t slot, uint32_t prefix, uint8_t byte, uint32_t code) {
    entries_[slot] = (prefix << 8 | byte) << 12 | code;
  }

 private:
  static constexpr int kBits = 14;
  static constexpr uint32_t kMask = (1u << kBits) - 1;
  static constexpr uint32_t kEmpty = 0xFFFFFFFFu;

  std::vector<uint32_t> entries_;  // (prefix << 8 | byte) << 12 | code, or kEmpty
};

}  // namespace tavolo::codecs
