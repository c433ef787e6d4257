#include "ui/controls/PillButtonFaces.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace tavolo {

namespace {

struct FaceColours {
  QRgb ringTop;   // the ring at the top centre
  QRgb interior;  // the disc inside the ring
};

constexpr FaceColours kNormalColours{0xA4C2C8, 0xEDECF2};
constexpr FaceColours kHoverColours{0x80A4BA, 0xECF1F2};
constexpr FaceColours kPressedColours{0x809EBB, 0xEDF1F1};

constexpr float kRadius = 15.0f;
// The ring is solid from kRingSolid outwards and blends into the interior from kRingStart.
constexpr float kRingStart = 11.0f;
constexpr float kRingSolid = 12.5f;
// Faces are drawn for at most this many device pixels per control pixel; a denser screen shows
// them smaller.
constexpr int kMaxFaceScale = 4;
// How much lighter the ring turns towards the bottom, for a soft rounded look.
constexpr float kRingBottomLightening = 0.45f;

float Mix(float a, float b, float t) {
  return a + (b - a) * t;
}

QRgb MixRgb(QRgb a, QRgb b, float t) {
  const auto channel = [t](int ca, int cb) {
    return static_cast<int>(Mix(static_cast<float>(ca), static_cast<float>(cb), t) + 0.5f);
  };
  return qRgb(channel(qRed(a), qRed(b)), channel(qGreen(a), qGreen(b)),
              channel(qBlue(a), qBlue(b)));
}

QImage DrawFace(const FaceColours& colours, int scale) {
  const int size = kPillButtonFaceSize * scale;
  const auto factor = static_cast<float>(scale);
  const float radius = kRadius * factor;
  const float ringStart = kRingStart * factor;
  const float ringSolid = kRingSolid * factor;
  QImage face(size, size, QImage::Format_RGB32);
  const QRgb ringBottom = MixRgb(colours.ringTop, 0xFFFFFF, kRingBottomLightening);
  for (int y = 0; y < size; ++y) {
    auto* row = reinterpret_cast<QRgb*>(face.scanLine(y));
    const float dy = static_cast<float>(y) + 0.5f - radius;
    // 0 at the top row's centre, 1 at the bottom row's centre.
    const float down = std::clamp((dy + radius - 0.5f) / (2 * radius - 1), 0.0f, 1.0f);
    const QRgb ring = MixRgb(colours.ringTop, ringBottom, down);
    for (int x = 0; x < size; ++x) {
      const float dx = static_cast<float>(x) + 0.5f - radius;
      const float d = std::sqrt(dx * dx + dy * dy);
      // Anti-aliased rim: the outermost pixels of the disc are full, the corners fade out.
      const float coverage = std::clamp((radius + 0.5f - d) / 0.9f, 0.0f, 1.0f);
      const float ringWeight = std::clamp((d - ringStart) / (ringSolid - ringStart), 0.0f, 1.0f);
      const QRgb disc = MixRgb(colours.interior, ring, ringWeight);
      row[x] = 0xFF000000u | MixRgb(kPillButtonBackground, disc, coverage);
    }
  }
  return face;
}

}  // namespace

const QImage& PillButtonFacePicture(PillButtonFace face, int scale) {
  // Drawn once per screen density in use; only the window thread paints.
  static std::map<int, std::array<QImage, 3>> faces;
  const int density = std::clamp(scale, 1, kMaxFaceScale);
  auto found = faces.find(density);
  if (found == faces.end()) {
    found = faces
                .emplace(density, std::array<QImage, 3>{DrawFace(kNormalColours, density),
                                                        DrawFace(kHoverColours, density),
                                                        DrawFace(kPressedColours, density)})
                .first;
  }
  return found->second[static_cast<size_t>(face)];
}

int PillButtonFaceColumn(int x, int width, int faceSize) {
  const int half = faceSize / 2;
  if (x < half) return x;
  if (x >= width - half) return std::max(x - (width - faceSize), 0);
  return half;
}

}  // namespace tavolo
