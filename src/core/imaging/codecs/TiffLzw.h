// TIFF's LZW compression, a strip at a time: codes written high bit first, widened one code before
// they would stop fitting (as every TIFF reader expects), a clear code first and whenever the
// table fills, an end code last.
#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "core/imaging/codecs/LzwStringTable.h"

namespace tavolo::codecs {

class TiffLzwCompressor {
 public:
  // The compressed strip, valid until the next call; empty when memory ran out.
  std::span<const uint8_t> Compress(std::span<const uint8_t> strip);

 private:
  LzwStringTable table_;
  std::unique_ptr<uint8_t[]> output_;
  size_t capacity_ = 0;
};

}  // namespace tavolo::codecs
