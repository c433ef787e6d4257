// A bounded cache of decoded pictures by number: the least recently used ones are dropped once the
// pictures held pass a byte budget, the most recent one always stays. Safe for several threads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "core/imaging/RasterImage.h"

namespace tavolo {

class DecodedPictureCache {
 public:
  // A few card-sized pictures: what the card, a template preview and the previous card need.
  static constexpr size_t kDefaultBudgetBytes = 16u << 20;

  explicit DecodedPictureCache(size_t budgetBytes = kDefaultBudgetBytes);

  // The picture kept for `number`, or the one `decode` makes, which is then kept. Decoding runs
  // under the cache's lock, so two threads asking for one picture decode it once.
  std::shared_ptr<const RasterImage> Get(int number, const std::function<RasterImage()>& decode);
  void Clear();

  size_t HeldBytes() const;
  size_t HeldCount() const;

 private:
  struct Entry {
    int number;
    std::shared_ptr<const RasterImage> picture;
    size_t bytes;
    uint64_t lastUse;
  };

  void DropOldest();

  const size_t budgetBytes_;
  mutable std::mutex mutex_;
  std::vector<Entry> entries_;
  size_t heldBytes_ = 0;
  uint64_t clock_ = 0;
};

}  // namespace tavolo
