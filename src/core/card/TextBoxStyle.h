// How one text box looks and what it says: its style (font, colours, frame) and its lines. The
// layout's boxes and the text boxes a user places freely share them.
#pragma once

#include <array>
#include <cstdint>

#include <QString>

#include "core/base/ColourModel.h"

namespace tavolo {

inline constexpr int kMaxLinesPerBox = 20;
inline constexpr int kMaxLineLength = 100;

// Frame modes of a text box.
enum FrameMode : int32_t {
  kFrameNone = 0,
  kFrameExact = 1,
  kFrameLeft = 2,
  kFrameRight = 3,
  kFrameCardLong = 4,
};

struct TextBoxStyle {
  QString size = QStringLiteral("36");
  QString face = QStringLiteral("Arial");
  QString style = QStringLiteral("Regular");
  HslColour textColour{0.0f, 0.0f, 0.0f};
  HslColour frameColour{0.0f, 240.0f, 240.0f};
  int32_t frameMode = kFrameNone;
  int32_t frameSize = 8;
  int32_t reserved = 0;
  // Weight of the card below the frame fill: 0 draws the fill solid, 1 leaves the card unchanged.
  float opacity = 0.0f;
  // Drawn text lightness is brightness × 240.
  float brightness = 1.0f;
  friend bool operator==(const TextBoxStyle&, const TextBoxStyle&) = default;
};

struct TextBoxLines {
  std::array<QString, kMaxLinesPerBox> line{};
  int32_t count = 0;
  friend bool operator==(const TextBoxLines&, const TextBoxLines&) = default;
};

}  // namespace tavolo
