#include "core/pictures/DecodedPictureCache.h"

#include <algorithm>
#include <utility>

namespace tavolo {

namespace {

size_t PictureBytes(const RasterImage& picture) {
  // The palette and the object itself are small beside the pixels; an empty picture still counts.
  return static_cast<size_t>(picture.GetStride()) * picture.GetHeight() + sizeof(RasterImage);
}

}  // namespace

DecodedPictureCache::DecodedPictureCache(size_t budgetBytes) : budgetBytes_(budgetBytes) {}

std::shared_ptr<const RasterImage> DecodedPictureCache::Get(
    int number, const std::function<RasterImage()>& decode) {
  const std::lock_guard lock(mutex_);
  for (Entry& entry : entries_) {
    if (entry.number == number) {
      entry.lastUse = ++clock_;
      return entry.picture;
    }
  }
  auto picture = std::make_shared<const RasterImage>(decode());
  const size_t bytes = PictureBytes(*picture);
  entries_.push_back({number, picture, bytes, ++clock_});
  heldBytes_ += bytes;
  while (heldBytes_ > budgetBytes_ && entries_.size() > 1) DropOldest();
  return picture;
}

void DecodedPictureCache::DropOldest() {
  const auto oldest = std::min_element(
      entries_.begin(), entries_.end(),
      [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
  heldBytes_ -= oldest->bytes;
  entries_.erase(oldest);
}

void DecodedPictureCache::Clear() {
  const std::lock_guard lock(mutex_);
  entries_.clear();
  heldBytes_ = 0;
}

size_t DecodedPictureCache::HeldBytes() const {
  const std::lock_guard lock(mutex_);
  return heldBytes_;
}

size_t DecodedPictureCache::HeldCount() const {
  const std::lock_guard lock(mutex_);
  return entries_.size();
}

}  // namespace tavolo
