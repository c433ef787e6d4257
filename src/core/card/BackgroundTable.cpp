#include "core/card/BackgroundTable.h"

#include <algorithm>
#include <utility>

#include "core/base/Translation.h"
#include "core/card/CardLimits.h"

namespace tavolo {

BackgroundName MakeBackgroundName(std::string_view text) {
  BackgroundName name{};
  const size_t n = std::min(text.size(), name.size());
  for (size_t i = 0; i < n; ++i) name[i] = static_cast<uint8_t>(text[i]);
  return name;
}

RasterImage DecodeBackground(const BackgroundSource& source) {
  if (const auto* record = std::get_if<LibraryPicture>(&source)) {
    std::vector<uint8_t> bytes(record->length);
    if (!record->library->read(record->offset, bytes)) {
      RasterImage unread;
      unread.SetLastError(TrMessage("its bytes could not be read from the library file"));
      return unread;
    }
    return RasterImage(bytes, kFormatJpeg, kMaxCardPicturePixels);
  }
  if (const auto* file = std::get_if<PictureFile>(&source)) {
    return RasterImage(file->path, file->format, kMaxCardPicturePixels);
  }
  const auto& decoded = std::get<std::shared_ptr<const RasterImage>>(source);
  return decoded ? *decoded : RasterImage();
}

BackgroundTable::BackgroundTable() : cache_(std::make_unique<DecodedPictureCache>()) {}

BackgroundTable::BackgroundTable(const BackgroundTable& other)
    : records_(other.records_),
      sources_(other.sources_),
      hueOffsets_(other.hueOffsets_),
      generation_(other.generation_),
      cache_(std::make_unique<DecodedPictureCache>()) {}

BackgroundTable::BackgroundTable(BackgroundTable&& other) noexcept
    : records_(std::move(other.records_)),
      sources_(std::move(other.sources_)),
      hueOffsets_(std::move(other.hueOffsets_)),
      generation_(other.generation_),
      cache_(std::exchange(other.cache_, std::make_unique<DecodedPictureCache>())) {
  other.records_.clear();
  other.sources_.clear();
  other.hueOffsets_.clear();
  ++other.generation_;
}

BackgroundTable& BackgroundTable::operator=(const BackgroundTable& other) {
  if (this == &other) return *this;
  records_ = other.records_;
  sources_ = other.sources_;
  hueOffsets_ = other.hueOffsets_;
  generation_ = std::max(generation_, other.generation_) + 1;
  cache_->Clear();
  return *this;
}

BackgroundTable& BackgroundTable::operator=(BackgroundTable&& other) noexcept {
  if (this == &other) return *this;
  records_ = std::move(other.records_);
  sources_ = std::move(other.sources_);
  hueOffsets_ = std::move(other.hueOffsets_);
  generation_ = std::max(generation_, other.generation_) + 1;
  std::swap(cache_, other.cache_);
  other.records_.clear();
  other.sources_.clear();
  other.hueOffsets_.clear();
  other.cache_->Clear();
  ++other.generation_;
  return *this;
}

BackgroundTable::~BackgroundTable() = default;

std::shared_ptr<const RasterImage> BackgroundTable::Image(int number) const {
  const BackgroundSource& source = sources_[number];
  if (const auto* decoded = std::get_if<std::shared_ptr<const RasterImage>>(&source)) {
    if (*decoded) return *decoded;
  }
  return cache_->Get(number, [&source] { return DecodeBackground(source); });
}

RasterImage BackgroundTable::DecodeImage(int number) const {
  return DecodeBackground(sources_[number]);
}

int BackgroundTable::LookupByName(std::span<const uint8_t, kBackgroundNameBytes> name) const {
  for (const BackgroundRecord& record : records_) {
    if (std::equal(record.name.begin(), record.name.end(), name.begin())) return record.n;
  }
  return 0;
}

bool BackgroundTable::Append(const BackgroundName& name, BackgroundSource source, float hueOffset) {
  if (Count() >= kMaxBackgrounds) return false;
  records_.push_back({name, Count()});
  sources_.push_back(std::move(source));
  hueOffsets_.push_back(hueOffset);
  ++generation_;
  return true;
}

bool BackgroundTable::Append(const BackgroundName& name, RasterImage image, float hueOffset) {
  return Append(name, std::make_shared<const RasterImage>(std::move(image)), hueOffset);
}

}  // namespace tavolo
