// One thing placed on a card face: a text box, the photo, the logo, the QR code, a line, a
// rectangle or an ellipse. All share a box on the card (before its turn), a turn by quarter turns
// about the box's centre, a z that orders the drawing, a locked flag and a source saying what is
// drawn. The photo, the logo and the QR code keep their own fields in the card (files and callers
// rely on them) and are listed as objects beside the ones the user adds (see FaceObjects.h).
#pragma once

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QtGui/qrgb.h>

#include "core/card/PlacedQrCode.h"
#include "core/card/TextBoxStyle.h"

namespace tavolo {

// The numbers are stored in files: a kind is never renumbered.
enum class ObjectKind : uint8_t {
  kTextBox = 0,
  kPhoto = 1,
  kLogo = 2,
  kQrCode = 3,
  kLine = 4,
  kRectangle = 5,
  kEllipse = 6,
};
// Any other number is a kind of a later version: its object is kept as it was read and drawn as
// nothing.
inline constexpr uint8_t kObjectKindCount = 7;
constexpr bool IsKnownKind(ObjectKind kind) {
  return static_cast<uint8_t>(kind) < kObjectKindCount;
}
// The kinds a user adds to the card; the photo, the logo and the QR code are the card's own.
constexpr bool IsAddedKind(ObjectKind kind) {
  return kind == ObjectKind::kTextBox || kind == ObjectKind::kLine ||
         kind == ObjectKind::kRectangle || kind == ObjectKind::kEllipse;
}
// "text box", "photo", …; "unknown" for a later version's kind. English: files and scripts
// read it.
const char* KindName(ObjectKind kind);

// Where the card's own items stand in the drawing order. An added object whose z is lower is
// drawn under the item, one whose z is equal or higher over it; the frames of the layout's boxes
// belong to the ground, under everything.
inline constexpr int32_t kPhotoZ = 100;
inline constexpr int32_t kLogoZ = 200;
inline constexpr int32_t kLayoutTextZ = 300;
inline constexpr int32_t kQrCodeZ = 400;

enum class HorizontalAlign : uint8_t { kLeft = 0, kCentre = 1, kRight = 2 };
enum class VerticalAlign : uint8_t { kTop = 0, kMiddle = 1, kBottom = 2 };
// The largest number either alignment is stored as.
inline constexpr uint8_t kLastAlign = 2;
static_assert(static_cast<uint8_t>(HorizontalAlign::kRight) == kLastAlign &&
              static_cast<uint8_t>(VerticalAlign::kBottom) == kLastAlign);

// A text box's lines, drawn in the style's font and colour (its frame fields are not used), laid
// out inside the box as the alignments say.
struct TextSource {
  TextBoxLines lines;
  TextBoxStyle style;
  HorizontalAlign horizontal = HorizontalAlign::kLeft;
  VerticalAlign vertical = VerticalAlign::kTop;
  // A line too wide for the box is drawn smaller until it fits.
  bool shrinkToFit = false;
  friend bool operator==(const TextSource&, const TextSource&) = default;
};

// A picture the card holds: its file name and the hash of its bytes in the face's PictureStore.
struct PictureSource {
  QString name;
  QString hash;
  friend bool operator==(const PictureSource&, const PictureSource&) = default;
};

// What a QR code holds and its colours; where it stands is the object's box.
struct QrSource {
  PlacedQrCode code;
  friend bool operator==(const QrSource&, const QrSource&) = default;
};

inline constexpr float kMaxStrokeWidth = 1000.0f;

// A line runs along its box's diagonal from the top left to the bottom right (a quarter turn
// makes it the other diagonal); a rectangle fills its box, its corners rounded by the radius; an
// ellipse fills its box. The stroke is centred on the outline; a width of 0 draws none.
struct ShapeSource {
  QRgb stroke = qRgb(0, 0, 0);
  float strokeWidth = 4.0f;
  std::optional<QRgb> fill;
  float cornerRadius = 0.0f;
  friend bool operator==(const ShapeSource&, const ShapeSource&) = default;
};

// The bytes of an object of a later version's kind, written back as they were read.
struct KeptSource {
  std::vector<uint8_t> bytes;
  friend bool operator==(const KeptSource&, const KeptSource&) = default;
};

using ObjectSource = std::variant<TextSource, PictureSource, QrSource, ShapeSource, KeptSource>;

struct PlacedObject {
  ObjectKind kind = ObjectKind::kRectangle;
  // The box before its turn, in card pixels at full size.
  float left = 0.0f;
  float top = 0.0f;
  float width = 0.0f;
  float height = 0.0f;
  // Clockwise quarter turns about the box's centre, 0 to 3.
  int32_t quarterTurns = 0;
  int32_t z = 0;
  // A locked object stays where it is when dragged or arranged.
  bool locked = false;
  ObjectSource source;
  friend bool operator==(const PlacedObject&, const PlacedObject&) = default;
};

// The box before the turn.
QRectF ObjectBox(const PlacedObject& object);
// What the object covers on the card: its box turned, and for a shape grown by half its stroke.
QRectF Footprint(const PlacedObject& object);
// Whether a pointer at `point` (card pixels) takes hold of the object: on a line's stroke, inside
// a rectangle's or an ellipse's outline with its stroke, inside any other box; within `tolerance`
// pixels of it. Never for a later version's kind, which is drawn as nothing.
bool Covers(const PlacedObject& object, QPointF point, float tolerance = 0.0f);

// A new object of an added kind for a card of this size: in its middle, a quarter of the card
// wide, drawn over everything (z).
PlacedObject NewObject(ObjectKind kind, float cardWidth, float cardHeight, int32_t z);

}  // namespace tavolo
