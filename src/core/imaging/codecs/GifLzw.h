// The LZW compression of a GIF frame's pixels: 8-bit palette indices in; out the minimum code
// size, the compressed data in sub-blocks of at most 255 bytes and the block terminator.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "core/imaging/codecs/LzwStringTable.h"

namespace tavolo::codecs {

class GifLzwWriter {
 public:
  // Starts the frame's data at the end of `out` with the clear code.
  explicit GifLzwWriter(std::vector<uint8_t>& out);

  // Compresses the next pixels of the frame, rows in order; false when memory ran out.
  bool Add(std::span<const uint8_t> pixels);
  // Ends the data (the last string, the end code, the terminator); false when memory ran out.
  bool Finish();

 private:
  static constexpr int kMinimumCodeSize = 8;
  static constexpr uint32_t kClearCode = 1u << kMinimumCodeSize;
  static constexpr uint32_t kEndCode = kClearCode + 1;
  static constexpr uint32_t kFirstFreeCode = kClearCode + 2;
  static constexpr uint32_t kCodeLimit = 4095;

  void Emit(uint32_t code);
  void Restart();
  bool FlushBlock();

  std::vector<uint8_t>& out_;
  LzwStringTable table_;
  uint32_t nextCode_ = kFirstFreeCode;
  int codeSize_ = kMinimumCodeSize + 1;
  uint32_t codeSizeLimit_ = 1u << (kMinimumCodeSize + 1);
  int64_t current_ = -1;  // the code of the string read so far; -1 before the first pixel
  uint64_t bits_ = 0;
  int bitCount_ = 0;
  uint8_t block_[256] = {};
  int blockSize_ = 0;
  bool ok_ = true;
};

}  // namespace tavolo::codecs
