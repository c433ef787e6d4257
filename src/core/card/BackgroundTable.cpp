#include "core/card/BackgroundTable.h"

#include <algorithm>
#include <utility>

namespace tavolo {

BackgroundName MakeBackgroundName(std::string_view text) {
  BackgroundName name{};
  const size_t n = std::min(text.size(), name.size());
  for (size_t i = 0; i < n; ++i) name[i] = static_cast<uint8_t>(text[i]);
  return name;
}

BackgroundTable::BackgroundTable(BackgroundTable&& other) noexcept
    : records_(std::move(other.records_)),
      images_(std::move(other.images_)),
      hueOffsets_(std::move(other.hueOffsets_)),
      generation_(other.generation_) {
  other.records_.clear();
  other.images_.clear();
  other.hueOffsets_.clear();
  ++other.generation_;
}

BackgroundTable& BackgroundTable::operator=(const BackgroundTable& other) {
  if (this == &other) return *this;
  records_ = other.records_;
  images_ = other.images_;
  hueOffsets_ = other.hueOffsets_;
  generation_ = std::max(generation_, other.generation_) + 1;
  return *this;
}

BackgroundTable& BackgroundTable::operator=(BackgroundTable&& other) noexcept {
  if (this == &other) return *this;
  records_ = std::move(other.records_);
  images_ = std::move(other.images_);
  hueOffsets_ = std::move(other.hueOffsets_);
  generation_ = std::max(generation_, other.generation_) + 1;
  other.records_.clear();
  other.images_.clear();
  other.hueOffsets_.clear();
  ++other.generation_;
  return *this;
}

int BackgroundTable::LookupByName(std::span<const uint8_t, kBackgroundNameBytes> name) const {
  for (const BackgroundRecord& record : records_) {
    if (std::equal(record.name.begin(), record.name.end(), name.begin())) return record.n;
  }
  return 0;
}

bool BackgroundTable::Append(const BackgroundName& name, RasterImage image, float hueOffset) {
  if (Count() >= kMaxBackgrounds) return false;
  records_.push_back({name, Count()});
  images_.push_back(std::move(image));
  hueOffsets_.push_back(hueOffset);
  ++generation_;
  return true;
}

}  // namespace tavolo
