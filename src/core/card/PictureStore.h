// PictureStore: the file bytes of the pictures a card face shows, each held once under the
// SHA-256 of its bytes, so that a card carries its pictures wherever its file goes and a placed
// picture refers to its bytes by that hash. Copies share the bytes: the history holds many cards.
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <vector>

#include <QString>

namespace tavolo {

// A picture file larger than this is refused: no picture a card shows needs it, and a project
// holds up to four (photo and logo on both faces).
inline constexpr uint64_t kMaxEmbeddedPictureBytes = 32ull << 20;

struct StoredPicture {
  QString name;  // the file name it was placed from, as the card names it
  std::shared_ptr<const std::vector<uint8_t>> bytes;
};

class PictureStore {
 public:
  // 64 lowercase hexadecimal digits.
  static QString HashOf(std::span<const uint8_t> bytes);

  // Holds `bytes` under their hash (once: the same bytes added again are shared) and gives the
  // hash.
  QString Add(const QString& name, std::vector<uint8_t> bytes);
  // Holds a picture read back under `hash`, which the caller has checked.
  void Put(const QString& hash, StoredPicture picture);
  // Null when the store holds nothing under `hash`.
  const StoredPicture* Find(const QString& hash) const;
  // Lets go of every picture whose hash is not among `used`.
  void KeepOnly(std::span<const QString> used);

  bool Empty() const { return pictures_.empty(); }
  const std::map<QString, StoredPicture>& Pictures() const { return pictures_; }

  // Equal hashes are equal bytes.
  friend bool operator==(const PictureStore& a, const PictureStore& b) {
    return std::ranges::equal(a.pictures_, b.pictures_, [](const auto& x, const auto& y) {
      return x.first == y.first && x.second.name == y.second.name;
    });
  }

 private:
  std::map<QString, StoredPicture> pictures_;
};

}  // namespace tavolo
