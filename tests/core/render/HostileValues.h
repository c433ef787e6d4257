// Values a project file can hold in its floats and integers that no dialog would ever store:
// infinities, NaN, the extremes and values just past what an int holds. Shared by the rendering
// tests and the project fuzz target, which build cards from them.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <utility>

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
  std::string name;
  std::function<void(CardState&, float)> set;
};

struct IntField {
  std::string name;
  std::function<void(CardState&, int32_t)> set;
};

// Every float the renderer reads: the card's own, every number each picture keeps, and some of
// every other box's style.
inline std::vector<FloatField> RenderedFloatFields() {
  std::vector<FloatField> fields = {
      {"bgColor.h", [](CardState& c, float v) { c.backgroundColour.h = v; }},
      {"bgColor.s", [](CardState& c, float v) { c.backgroundColour.s = v; }},
  };
  for (const auto& [name, member] : {std::pair{"bgShift", &CardState::bgShift},
                                     {"gradScale", &CardState::gradScale},
                                     {"bgBrightness", &CardState::bgBrightness},
                                     {"hueShift", &CardState::hueShift},
                                     {"satShift", &CardState::satShift},
                                     {"lightShift", &CardState::lightShift},
                                     {"cardHeight", &CardState::cardHeight}}) {
    fields.push_back({name, [member](CardState& c, float v) { c.*member = v; }});
  }
  for (const PictureKind kind : kPictureKinds) {
    for (const PictureField& f : RulesOf(kind).keptFields) {
      fields.push_back({std::string(RulesOf(kind).name) + "." + f.name,
                        [kind, f](CardState& c, float v) { c.Picture(kind).*f.value = v; }});
    }
  }
  for (int b = 0; b < kTextBoxCount; b += 2) {
    fields.push_back({"opacity", [b](CardState& c, float v) { c.styles[b].opacity = v; }});
    fields.push_back({"brightness", [b](CardState& c, float v) { c.styles[b].brightness = v; }});
    fields.push_back({"textColor.h", [b](CardState& c, float v) { c.styles[b].textColour.h = v; }});
    fields.push_back(
        {"fillColor.l", [b](CardState& c, float v) { c.styles[b].frameColour.l = v; }});
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
