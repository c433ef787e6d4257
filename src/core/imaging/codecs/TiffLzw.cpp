#include "core/imaging/codecs/TiffLzw.h"

#include <new>

namespace tavolo::codecs {

namespace {

constexpr uint32_t kClearCode = 256;
constexpr uint32_t kEndCode = 257;
constexpr uint32_t kFirstFreeCode = 258;
// A reader's table ends at 4094 entries: the writer clears it when it gets there.
constexpr uint32_t kFullTable = 4094;
constexpr int kNarrowest = 9;

class TiffCodeWriter {
 public:
  // `out` has room for every code the strip can make.
  explicit TiffCodeWriter(uint8_t* out) : out_(out) {}

  void Put(uint32_t code) {
    bits_ = bits_ << width_ | code;
    count_ += width_;
    while (count_ >= 8) {
      count_ -= 8;
      out_[at_++] = static_cast<uint8_t>(bits_ >> count_);
    }
  }
  // The reader adds a string for every code but the first after a clear, one code after the
  // writer does, so it must widen when the next free code reaches the widest the width holds,
  // one code early; the writer widens as soon as it has added that string.
  void Added(uint32_t nextCode) {
    if (nextCode > (1u << width_) - 1) ++width_;
  }
  void Narrow() { width_ = kNarrowest; }
  size_t Finish() {
    if (count_ > 0) out_[at_++] = static_cast<uint8_t>(bits_ << (8 - count_));
    return at_;
  }

 private:
  uint8_t* out_;
  size_t at_ = 0;
  uint64_t bits_ = 0;
  int count_ = 0;
  int width_ = kNarrowest;
};

}  // namespace

std::span<const uint8_t> TiffLzwCompressor::Compress(std::span<const uint8_t> strip) {
  // At most one 12-bit code a byte, a clear code every 3836 codes, and the end code.
  const size_t codes = strip.size() + strip.size() / 1024 + 4;
  const size_t bound = codes * 3 / 2 + 2;
  if (bound > capacity_) {
    output_.reset(new (std::nothrow) uint8_t[bound]);
    capacity_ = output_ ? bound : 0;
  }
  if (!output_ || !table_.Allocate()) return {};
  TiffCodeWriter writer(output_.get());
  // Once the reader has added its string for a code: the table is cleared when full (true), or
  // the codes widened when they must be.
  const auto grown = [&writer](uint32_t nextCode) {
    if (nextCode != kFullTable) {
      writer.Added(nextCode);
      return false;
    }
    writer.Put(kClearCode);
    writer.Narrow();
    return true;
  };
  writer.Put(kClearCode);
  if (!strip.empty()) {
    uint32_t current = strip[0];
    uint32_t nextCode = kFirstFreeCode;
    for (size_t i = 1; i < strip.size(); ++i) {
      const uint8_t byte = strip[i];
      uint32_t slot;
      if (const uint32_t code = table_.Find(current, byte, slot);
          code != LzwStringTable::kNotFound) {
        current = code;
        continue;
      }
      writer.Put(current);
      table_.Add(slot, current, byte, nextCode++);
      if (grown(nextCode)) {
        table_.Clear();
        nextCode = kFirstFreeCode;
      }
      current = byte;
    }
    // The reader adds a string for the last code too, and reads the end code at the width
    // that gives it.
    writer.Put(current);
    grown(nextCode + 1);
  }
  writer.Put(kEndCode);
  return {output_.get(), writer.Finish()};
}

}  // namespace tavolo::codecs
