// Little-endian reading and writing for the codecs written here. The reader never indexes past
// its span: a read beyond the end gives zero and clears ok(), so a decoder checks once per step.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tavolo::codecs {

class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> data, size_t pos = 0) : data_(data), pos_(pos) {
    if (pos_ > data_.size()) ok_ = false;
  }

  bool ok() const { return ok_; }
  size_t pos() const { return pos_; }
  size_t remaining() const { return ok_ && pos_ <= data_.size() ? data_.size() - pos_ : 0; }
  bool Has(size_t count) const { return remaining() >= count; }

  uint8_t U8() {
    if (!Has(1)) return Fail();
    return data_[pos_++];
  }
  uint16_t U16() {
    if (!Has(2)) return Fail();
    const auto v = static_cast<uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
    pos_ += 2;
    return v;
  }
  uint32_t U32() {
    if (!Has(4)) return Fail();
    const uint32_t v = data_[pos_] | (data_[pos_ + 1] << 8) | (data_[pos_ + 2] << 16) |
                       (static_cast<uint32_t>(data_[pos_ + 3]) << 24);
    pos_ += 4;
    return v;
  }
  int32_t I32() { return static_cast<int32_t>(U32()); }
  void Skip(size_t count) {
    if (!Has(count)) {
      Fail();
      return;
    }
    pos_ += count;
  }
  // The next count bytes, or an empty span (and !ok()) when fewer remain.
  std::span<const uint8_t> Bytes(size_t count) {
    if (!Has(count)) {
      Fail();
      return {};
    }
    const auto out = data_.subspan(pos_, count);
    pos_ += count;
    return out;
  }

 private:
  uint8_t Fail() {
    ok_ = false;
    pos_ = data_.size();
    return 0;
  }

  std::span<const uint8_t> data_;
  size_t pos_;
  bool ok_ = true;
};

inline void PutU8(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
}
inline void PutU16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
inline void PutU32(std::vector<uint8_t>& out, uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}

// Widens an n-bit channel value (n from 1 to 8) to 0..255 by repeating its bits, so that 0 and
// the largest value map to 0 and 255.
inline uint8_t WidenBits(uint32_t value, uint32_t bits) {
  if (bits >= 8) return static_cast<uint8_t>(value >> (bits - 8));
  int shift = 8 - static_cast<int>(bits);
  uint32_t out = value << shift;
  while (shift > 0) {
    shift -= static_cast<int>(bits);
    out |= shift >= 0 ? value << shift : value >> -shift;
  }
  return static_cast<uint8_t>(out);
}

}  // namespace tavolo::codecs
