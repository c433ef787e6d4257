// Where pictures keep their pixels. A picture of a few megabytes or more is mapped on its own, in
// huge pages where the kernel allows them: decoding a card at print size in ordinary pages took
// thousands of page faults, a sixth of a whole conversion.
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>

namespace tavolo {

// Throws std::bad_alloc when memory ran out, as operator new does.
void* AllocatePictureBytes(size_t bytes);
void FreePictureBytes(void* memory, size_t bytes) noexcept;

template <typename T>
struct PictureAllocator {
  using value_type = T;

  PictureAllocator() = default;
  template <typename U>
  explicit PictureAllocator(const PictureAllocator<U>&) noexcept {}

  T* allocate(size_t count) { return static_cast<T*>(AllocatePictureBytes(count * sizeof(T))); }
  void deallocate(T* memory, size_t count) noexcept { FreePictureBytes(memory, count * sizeof(T)); }

  friend bool operator==(const PictureAllocator&, const PictureAllocator&) { return true; }
};

}  // namespace tavolo
