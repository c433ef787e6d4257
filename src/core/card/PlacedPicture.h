// A picture placed on the card: the photo and the logo are two of one type. Each kind keeps the
// numbers it uses and leaves the others at 0: a photo is trimmed and never turned, a logo is
// turned by quarter turns and never trimmed. A new kind of placed object is one more row of the
// kinds' rules.
#pragma once

#include <array>
#include <cstddef>
#include <span>

#include <QString>

namespace tavolo {

enum class PictureKind : int { kPhoto = 0, kLogo = 1 };
inline constexpr size_t kPictureKindCount = 2;
// Every kind, in the order the card draws them (the later on top).
inline constexpr std::array<PictureKind, kPictureKindCount> kPictureKinds = {PictureKind::kPhoto,
                                                                             PictureKind::kLogo};
constexpr size_t KindIndex(PictureKind kind) {
  return static_cast<size_t>(kind);
}

struct PlacedPicture {
  explicit PlacedPicture(PictureKind pictureKind) : kind(pictureKind) {}

  PictureKind kind;
  float width = 0.0f;  // the picture's own size in pixels
  float height = 0.0f;
  float x = 500.0f;  // its centre on the card
  float y = 300.0f;
  float trimLeft = 0.0f;  // 0 to 1 of half the side, cut off
  float trimTop = 0.0f;
  float trimBottom = 0.0f;
  float trimRight = 0.0f;
  float reduction = 0.0f;  // drawn at 1 − reduction of its size
  float angle = 0.0f;      // degrees, clockwise
  QString name;            // file name inside customphotos; empty means none
  QString path;            // full path of the copied file; compared to notice a change
  // The SHA-256 of the picture's bytes held in the card's PictureStore; empty when the card holds
  // no bytes for it (a file of an older version: the picture is then read from customphotos).
  QString hash;
  friend bool operator==(const PlacedPicture&, const PlacedPicture&) = default;
};

// One number a picture keeps in the project file and in the card's description.
struct PictureField {
  const char* name;
  float PlacedPicture::*value;
};

// What sets the kinds apart.
struct PictureKindRules {
  const char* name;  // "photo", "logo": how files, messages and descriptions name the kind
  bool trimmed;
  bool turned;
  // A removed picture, and a newly loaded one that fits the card as it is, keep the scale the
  // last one had.
  bool keepsScale;
  // The numbers kept, in the order the file section and the description list them.
  std::span<const PictureField> keptFields;
};
const PictureKindRules& RulesOf(PictureKind kind);

// Whether two placements take the same pixels from the same file (file, size, trims, turn):
// moving or scaling a picture needs no new load.
bool SameSource(const PlacedPicture& a, const PlacedPicture& b);

// Takes the picture off the card; only a kind that keeps its scale keeps the reduction.
void RemovePicture(PlacedPicture& picture);

}  // namespace tavolo
