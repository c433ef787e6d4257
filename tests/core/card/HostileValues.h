// Values a project file can hold in its floats and integers that no dialog would ever store:
// infinities, NaN, the extremes and values just past what an int holds. Shared by the rendering
// tests and the project fuzz target, which build cards from them.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <limits>

#include "core/card/CardState.h"

namespace tavolo::test {

inline constexpr std::array<float, 13> kHostileFloats = {
    std::numeric_limits<float>::infinity(),
    -std::numeric_limits<float>::infinity(),
    std::numeric_limits<float>::quiet_NaN(),
    std::numeric_limits<float>::max(),
    std::numeric_limits<float>::lowest(),
    1e30f,
    -1e30f,
    3e9f,
    -3e9f,
    2147483648.0f,
    -0.0f,
    std::numeric_limits<float>::denorm_min(),
    -1.0f,
};

inline constexpr std::array<int32_t, 7> kHostileInts = {
    std::numeric_limits<int32_t>::min(),
    std::numeric_limits<int32_t>::max(),
    -1,
    -1000000,
    1000000,
    0,
    65536,
};

// One stored field of a card, set from a float (integer fields take it converted by the caller).
struct FloatField {
  const char* name;
  std::function<void(CardState&, float)> set;
};

struct IntField {
  const char* name;
  std::function<void(CardState&, int32_t)> set;
};

// Every float the renderer reads.
inline std::vector<FloatField> RenderedFloatFields() {
  std::vector<FloatField> fields = {
      {"bgShift", [](CardState& c, float v) { c.bgShift = v; }},
      {"gradScale", [](CardState& c, float v) { c.gradScale = v; }},
      {"bgBrightness", [](CardState& c, float v) { c.bgBrightness = v; }},
      {"bgColor.h", [](CardState& c, float v) { c.backgroundColour.h = v; }},
      {"bgColor.s", [](CardState& c, float v) { c.backgroundColour.s = v; }},
      {"hueShift", [](CardState& c, float v) { c.hueShift = v; }},
      {"satShift", [](CardState& c, float v) { c.satShift = v; }},
      {"lightShift", [](CardState& c, float v) { c.lightShift = v; }},
      {"cardHeight", [](CardState& c, float v) { c.cardHeight = v; }},
      {"photo.width", [](CardState& c, float v) { c.photo.width = v; }},
      {"photo.height", [](CardState& c, float v) { c.photo.height = v; }},
      {"photo.x", [](CardState& c, float v) { c.photo.x = v; }},
      {"photo.y", [](CardState& c, float v) { c.photo.y = v; }},
      {"photo.trimLeft", [](CardState& c, float v) { c.photo.trimLeft = v; }},
      {"photo.trimTop", [](CardState& c, float v) { c.photo.trimTop = v; }},
      {"photo.trimBottom", [](CardState& c, float v) { c.photo.trimBottom = v; }},
      {"photo.trimRight", [](CardState& c, float v) { c.photo.trimRight = v; }},
      {"photo.reduction", [](CardState& c, float v) { c.photo.reduction = v; }},
      {"logo.width", [](CardState& c, float v) { c.logo.width = v; }},
      {"logo.height", [](CardState& c, float v) { c.logo.height = v; }},
      {"logo.x", [](CardState& c, float v) { c.logo.x = v; }},
      {"logo.y", [](CardState& c, float v) { c.logo.y = v; }},
      {"logo.reduction", [](CardState& c, float v) { c.logo.reduction = v; }},
      {"logo.angle", [](CardState& c, float v) { c.logo.angle = v; }},
  };
  for (int b = 0; b < kTextBoxCount; b += 2) {
    fields.push_back({"style opacity", [b](CardState& c, float v) { c.styles[b].opacity = v; }});
    fields.push_back(
        {"style brightness", [b](CardState& c, float v) { c.styles[b].brightness = v; }});
    fields.push_back(
        {"style textColor.h", [b](CardState& c, float v) { c.styles[b].textColour.h = v; }});
    fields.push_back(
        {"style fillColor.l", [b](CardState& c, float v) { c.styles[b].fillColour.l = v; }});
  }
  return fields;
}

// Every integer the renderer reads whose every value a file may hold (the layout, the box count
// and the gradient orientation are refused on reading when out of range).
inline std::vector<IntField> RenderedIntFields() {
  std::vector<IntField> fields = {{"dpi", [](CardState& c, int32_t v) { c.dpi = v; }}};
  for (int b = 0; b < kTextBoxCount; ++b) {
    fields.push_back({"style frameSize", [b](CardState& c, int32_t v) {
                        c.styles[b].frameMode = kFrameExact + b % 4;
                        c.styles[b].frameSize = v;
                      }});
    fields.push_back(
        {"style frameMode", [b](CardState& c, int32_t v) { c.styles[b].frameMode = v; }});
  }
  return fields;
}

}  // namespace tavolo::test
