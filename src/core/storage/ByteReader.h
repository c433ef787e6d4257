// Little-endian reading of a whole file held in memory, for every format the program reads: the
// codecs, project files and the background library. The reader never indexes past its span: a
// read beyond the end gives zero and clears ok(), so a parser checks once per step.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

namespace tavolo {

class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> data, size_t pos = 0) : data_(data), pos_(pos) {
    if (pos_ > data_.size()) Fail();
  }

  bool ok() const { return ok_; }
  size_t pos() const { return pos_; }
  size_t remaining() const { return ok_ ? data_.size() - pos_ : 0; }
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
  // Bit for bit: NaN payloads and signed zeros survive.
  float F32() { return std::bit_cast<float>(U32()); }
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

}  // namespace tavolo
