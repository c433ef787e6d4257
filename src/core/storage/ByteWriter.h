// Little-endian writing, for every format the program writes: appends to the caller's buffer.
#pragma once

#include <bit>
#include <cstdint>
#include <span>
#include <vector>

namespace tavolo {

class ByteWriter {
 public:
  explicit ByteWriter(std::vector<uint8_t>& out) : out_(out) {}

  void PutU8(uint32_t v) { out_.push_back(static_cast<uint8_t>(v)); }
  void PutU16(uint32_t v) {
    out_.push_back(static_cast<uint8_t>(v));
    out_.push_back(static_cast<uint8_t>(v >> 8));
  }
  void PutU32(uint32_t v) {
    PutU16(v & 0xFFFF);
    PutU16(v >> 16);
  }
  void PutI32(int32_t v) { PutU32(static_cast<uint32_t>(v)); }
  void PutF32(float v) { PutU32(std::bit_cast<uint32_t>(v)); }
  void PutBytes(std::span<const uint8_t> bytes) {
    out_.insert(out_.end(), bytes.begin(), bytes.end());
  }

 private:
  std::vector<uint8_t>& out_;
};

}  // namespace tavolo
