// A QR code placed on the card. It stands beside the photo and the logo rather than being a third
// kind of placed picture: it has no file, no trims and no turn, and what it shows is computed from
// the card each time it is drawn, so a card whose details change (or a merged card) gets its own
// code. A card without the code's chunk has none.
#pragma once

#include <QtGui/qrgb.h>
#include <QString>

namespace tavolo {

// What the code holds.
enum class QrContent : int {
  kContactDetails = 0,  // the card's contact details as a vCard 3.0
  kWebsite = 1,         // the Website Address as a URL
  kFreeText = 2,        // the code's own text
};
inline constexpr int kQrContentCount = 3;

// The code's own text is held to this many UTF-8 bytes, about twice what the largest code holds.
inline constexpr int kMaxQrFreeTextBytes = 4096;
// The side of the code on the card, in card pixels: from a code too small to print to the card.
inline constexpr float kMinQrSide = 60.0f;
inline constexpr float kMaxQrSide = 10000.0f;

struct PlacedQrCode {
  QrContent content = QrContent::kContactDetails;
  QString freeText;
  float x = 900.0f;  // its centre on the card, card pixels
  float y = 450.0f;
  float side = 280.0f;  // the side of the square, quiet zone included
  QRgb dark = qRgb(0, 0, 0);
  QRgb light = qRgb(255, 255, 255);
  // Light modules on a dark ground; the quiet zone is then dark too, so that the finder patterns
  // stand out from their surroundings as in any code.
  bool lightOnDark = false;
  friend bool operator==(const PlacedQrCode&, const PlacedQrCode&) = default;
};

// The corners a new code may take, in the order they are tried.
enum class QrCorner : int { kLowerRight, kLowerLeft, kUpperRight, kUpperLeft };
inline constexpr QrCorner kQrCorners[] = {QrCorner::kLowerRight, QrCorner::kLowerLeft,
                                          QrCorner::kUpperRight, QrCorner::kUpperLeft};

// A new code for a card of this size: in a corner (the lower right one unless asked), about a
// quarter of its width wide, so that a vCard's modules print large enough for a phone to read.
PlacedQrCode NewQrCode(float cardWidth, float cardHeight, QrCorner corner = QrCorner::kLowerRight);

// The code's own text as the card keeps it: cut, between two characters, to kMaxQrFreeTextBytes
// of UTF-8.
QString KeptQrFreeText(const QString& text);

// The code's side in millimetres on a card printed at `dpi`, and back; a dpi that is no
// resolution counts as 300.
double QrSideMillimetres(float side, int dpi);
float QrSideFromMillimetres(double millimetres, int dpi);

}  // namespace tavolo
