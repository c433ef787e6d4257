#include "core/imaging/codecs/GifLzw.h"

#include "core/imaging/codecs/MemoryStreams.h"

namespace tavolo::codecs {

GifLzwWriter::GifLzwWriter(std::vector<uint8_t>& out) : out_(out) {
  if (!table_.Allocate()) {
    ok_ = false;
    return;
  }
  const uint8_t minimumCodeSize = kMinimumCodeSize;
  ok_ = AppendBytes(out_, &minimumCodeSize, 1);
  Emit(kClearCode);
}

bool GifLzwWriter::Add(std::span<const uint8_t> pixels) {
  if (!ok_) return false;
  size_t i = 0;
  if (current_ < 0 && !pixels.empty()) current_ = pixels[i++];
  auto current = static_cast<uint32_t>(current_);
  for (; i < pixels.size(); ++i) {
    const uint8_t pixel = pixels[i];
    uint32_t slot;
    if (const uint32_t code = table_.Find(current, pixel, slot);
        code != LzwStringTable::kNotFound) {
      current = code;
      continue;
    }
    Emit(current);
    if (nextCode_ >= kCodeLimit) {
      Emit(kClearCode);
      Restart();
    } else {
      table_.Add(slot, current, pixel, nextCode_++);
    }
    current = pixel;
  }
  current_ = current;
  return ok_;
}

bool GifLzwWriter::Finish() {
  if (!ok_) return false;
  if (current_ >= 0) Emit(static_cast<uint32_t>(current_));
  Emit(kEndCode);
  if (bitCount_ > 0) {
    block_[1 + blockSize_++] = static_cast<uint8_t>(bits_);
    bitCount_ = 0;
  }
  if (blockSize_ > 0 && !FlushBlock()) return false;
  const uint8_t terminator = 0;
  ok_ = ok_ && AppendBytes(out_, &terminator, 1);
  return ok_;
}

// Codes go out least significant bit first; a reader widens its codes when the next free code
// no longer fits, one code after the writer has added it, so the writer widens at the same point.
void GifLzwWriter::Emit(uint32_t code) {
  bits_ |= static_cast<uint64_t>(code) << bitCount_;
  bitCount_ += codeSize_;
  while (bitCount_ >= 8) {
    block_[1 + blockSize_++] = static_cast<uint8_t>(bits_);
    bits_ >>= 8;
    bitCount_ -= 8;
    if (blockSize_ == 255) ok_ = FlushBlock() && ok_;
  }
  if (nextCode_ >= codeSizeLimit_ && codeSize_ < 12) {
    codeSizeLimit_ = 1u << ++codeSize_;
  }
}

void GifLzwWriter::Restart() {
  table_.Clear();
  nextCode_ = kFirstFreeCode;
  codeSize_ = kMinimumCodeSize + 1;
  codeSizeLimit_ = 1u << codeSize_;
}

bool GifLzwWriter::FlushBlock() {
  block_[0] = static_cast<uint8_t>(blockSize_);
  const bool appended = AppendBytes(out_, block_, 1 + static_cast<size_t>(blockSize_));
  blockSize_ = 0;
  return appended;
}

}  // namespace tavolo::codecs
