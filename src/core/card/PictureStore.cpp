#include "core/card/PictureStore.h"

#include <algorithm>
#include <utility>

#include <QByteArrayView>
#include <QCryptographicHash>

namespace tavolo {

QString PictureStore::HashOf(std::span<const uint8_t> bytes) {
  return QString::fromLatin1(
      QCryptographicHash::hash(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())),
                               QCryptographicHash::Sha256)
          .toHex());
}

QString PictureStore::Add(const QString& name, std::vector<uint8_t> bytes) {
  QString hash = HashOf(bytes);
  if (!pictures_.contains(hash)) {
    pictures_[hash] = {name, std::make_shared<const std::vector<uint8_t>>(std::move(bytes))};
  }
  return hash;
}

void PictureStore::Put(const QString& hash, StoredPicture picture) {
  pictures_[hash] = std::move(picture);
}

const StoredPicture* PictureStore::Find(const QString& hash) const {
  const auto found = pictures_.find(hash);
  return found == pictures_.end() ? nullptr : &found->second;
}

void PictureStore::KeepOnly(std::span<const QString> used) {
  std::erase_if(pictures_, [&](const auto& entry) {
    return std::ranges::find(used, entry.first) == used.end();
  });
}

}  // namespace tavolo
