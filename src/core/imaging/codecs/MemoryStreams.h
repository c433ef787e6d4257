// In-memory input and output for the library-backed codecs. Their callbacks run inside C code,
// so nothing here may throw: reads are bounds-checked and report short data, appends report an
// allocation failure instead of raising it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>
#include <vector>

namespace tavolo::codecs {

// Reads forward through a whole file held in memory.
class ByteSource {
 public:
  explicit ByteSource(std::span<const uint8_t> data) : data_(data) {}

  // Copies up to `count` bytes and returns how many there were.
  size_t ReadSome(void* destination, size_t count) noexcept {
    const size_t n = std::min(count, data_.size() - position_);
    if (n > 0) std::memcpy(destination, data_.data() + position_, n);
    position_ += n;
    return n;
  }
  // Copies exactly `count` bytes, or fails when the data ends first.
  bool Read(void* destination, size_t count) noexcept {
    if (count > data_.size() - position_) return false;
    ReadSome(destination, count);
    return true;
  }

 private:
  std::span<const uint8_t> data_;
  size_t position_ = 0;
};

inline bool AppendBytes(std::vector<uint8_t>& out, const void* bytes, size_t count) noexcept {
  try {
    const auto* first = static_cast<const uint8_t*>(bytes);
    out.insert(out.end(), first, first + count);
    return true;
  } catch (...) {
    return false;
  }
}

// Cuts the output back to its old length unless the encoder commits, so a failed encode leaves
// nothing half written behind.
class OutputGuard {
 public:
  explicit OutputGuard(std::vector<uint8_t>& out) : out_(out), size_(out.size()) {}
  ~OutputGuard() {
    if (!committed_) out_.resize(size_);
  }
  OutputGuard(const OutputGuard&) = delete;
  OutputGuard& operator=(const OutputGuard&) = delete;
  void Commit() { committed_ = true; }

 private:
  std::vector<uint8_t>& out_;
  size_t size_;
  bool committed_ = false;
};

// A library message kept in a fixed buffer, since it is written from C callbacks that may be
// left through longjmp.
struct MessageBuffer {
  char text[256] = {};

  void Set(std::string_view message) noexcept {
    const size_t n = std::min(message.size(), sizeof text - 1);
    std::memcpy(text, message.data(), n);
    text[n] = '\0';
  }
  bool Empty() const { return text[0] == '\0'; }
};

}  // namespace tavolo::codecs
