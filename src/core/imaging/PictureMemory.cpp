#include "core/imaging/PictureMemory.h"

#include <sys/mman.h>

namespace tavolo {

namespace {

constexpr size_t kHugePage = size_t{2} << 20;
constexpr size_t kPage = 4096;

size_t RoundUp(size_t value, size_t step) {
  return (value + step - 1) / step * step;
}

}  // namespace

void* AllocatePictureBytes(size_t bytes) {
  if (bytes < kHugePage) return ::operator new(bytes);
  const size_t length = RoundUp(bytes, kPage);
  if (length < bytes || length > SIZE_MAX - kHugePage) throw std::bad_alloc();
  // Mapped one huge page larger, then trimmed to start on a huge-page boundary.
  void* mapped =
      mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) throw std::bad_alloc();
  auto* const first = static_cast<uint8_t*>(mapped);
  auto* const start =
      reinterpret_cast<uint8_t*>(RoundUp(reinterpret_cast<uintptr_t>(first), kHugePage));
  if (start > first) munmap(first, static_cast<size_t>(start - first));
  const size_t after = kHugePage - static_cast<size_t>(start - first);
  if (after > 0) munmap(start + length, after);
  // Only a hint: without huge pages the picture works the same in ordinary ones.
  madvise(start, length, MADV_HUGEPAGE);
  return start;
}

void FreePictureBytes(void* memory, size_t bytes) noexcept {
  if (bytes < kHugePage) {
    ::operator delete(memory);
    return;
  }
  munmap(memory, RoundUp(bytes, kPage));
}

}  // namespace tavolo
