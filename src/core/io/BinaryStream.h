// Little-endian byte streams over memory: a reader that never reads outside its span and a
// writer that appends to a growing buffer. File formats are parsed and built with these.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace tavolo {

class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}

  size_t Position() const { return pos_; }
  size_t Remaining() const { return data_.size() - pos_; }

  // Each read fails (and consumes nothing) when fewer bytes remain than it needs.
  bool ReadBytes(size_t count, std::span<const uint8_t>& out) {
    if (count > Remaining()) return false;
    out = data_.subspan(pos_, count);
    pos_ += count;
    return true;
  }
  bool ReadU8(uint8_t& out) {
    if (Remaining() < 1) return false;
    out = data_[pos_++];
    return true;
  }
  bool ReadU16(uint16_t& out) {
    std::span<const uint8_t> b;
    if (!ReadBytes(2, b)) return false;
    out = static_cast<uint16_t>(b[0] | (b[1] << 8));
    return true;
  }
  bool ReadU32(uint32_t& out) {
    std::span<const uint8_t> b;
    if (!ReadBytes(4, b)) return false;
    out = static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
          (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
    return true;
  }
  bool ReadI32(int32_t& out) {
    uint32_t u = 0;
    if (!ReadU32(u)) return false;
    out = static_cast<int32_t>(u);
    return true;
  }
  // Bit for bit: NaN payloads and signed zeros survive.
  bool ReadF32(float& out) {
    uint32_t u = 0;
    if (!ReadU32(u)) return false;
    out = std::bit_cast<float>(u);
    return true;
  }

 private:
  std::span<const uint8_t> data_;
  size_t pos_ = 0;
};

class ByteWriter {
 public:
  void WriteBytes(std::span<const uint8_t> bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  }
  void WriteU8(uint8_t v) { bytes_.push_back(v); }
  void WriteU16(uint16_t v) {
    bytes_.push_back(static_cast<uint8_t>(v));
    bytes_.push_back(static_cast<uint8_t>(v >> 8));
  }
  void WriteU32(uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<uint8_t>(v >> shift));
  }
  void WriteI32(int32_t v) { WriteU32(static_cast<uint32_t>(v)); }
  void WriteF32(float v) { WriteU32(std::bit_cast<uint32_t>(v)); }

  const std::vector<uint8_t>& Bytes() const { return bytes_; }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace tavolo
