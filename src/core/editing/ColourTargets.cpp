#include "core/editing/ColourTargets.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>

namespace tavolo {

namespace {

constexpr float kLightnessScale = 240.0f;
constexpr float kHueScale = 239.0f;
constexpr float kChannelScale = 255.0f;

}  // namespace

QString ColourTargetName(ColourTarget target) {
  switch (target) {
    case ColourTarget::kText:
      return QCoreApplication::translate("Tavolo", "Text Colors");
    case ColourTarget::kFrame:
      return QCoreApplication::translate("Tavolo", "Frame Colors");
    case ColourTarget::kBackground:
      break;
  }
  return QCoreApplication::translate("Tavolo", "Background Color");
}

HslColour StartingColour(ColourTarget target, const CardState& card) {
  // A file may hold any float; the pickers take only their ranges.
  const auto within = [](float v, float most) {
    return std::isnan(v) ? 0.0f : std::clamp(v, 0.0f, most);
  };
  const auto shown = [&](HslColour c, float lightness) {
    return HslColour{within(c.h, kHueScale), within(c.s, kLightnessScale),
                     within(lightness, kLightnessScale)};
  };
  const TextBoxStyle& first = card.styles[0];
  switch (target) {
    case ColourTarget::kText:
      return shown(first.textColour, first.brightness * kLightnessScale);
    case ColourTarget::kFrame:
      return shown(first.frameColour, first.frameColour.l);
    case ColourTarget::kBackground:
      break;
  }
  return shown(card.backgroundColour, card.bgBrightness * kLightnessScale);
}

void ApplyColour(CardState& card, ColourTarget target, HslColour colour, int usedBoxes) {
  if (target == ColourTarget::kBackground) {
    card.backgroundColour = colour;
    card.bgBrightness = colour.l / kLightnessScale;
    return;
  }
  const int boxes = std::clamp(usedBoxes, 0, kTextBoxCount);
  for (int b = 0; b < boxes; ++b) {
    TextBoxStyle& style = card.styles[b];
    if (target == ColourTarget::kText) {
      style.textColour = colour;
      style.brightness = colour.l / kLightnessScale;
    } else {
      style.frameColour = colour;
    }
  }
}

RgbNumbers ShownRgb(HslColour colour) {
  const RgbColour rgb = HslToRgb(colour);
  return {static_cast<int>(rgb.r * kChannelScale), static_cast<int>(rgb.g * kChannelScale),
          static_cast<int>(rgb.b * kChannelScale)};
}

ChannelReading ReadChannel(const QString& text) {
  const QString trimmed = text.trimmed();
  const bool digits =
      !trimmed.isEmpty() &&
      std::all_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
  if (!digits) return {0, false};
  bool ok = false;
  const qulonglong value = trimmed.toULongLong(&ok);
  // Digits beyond what a number can hold are still more than 255.
  if (!ok || value > static_cast<qulonglong>(kMaxChannel)) return {kMaxChannel, true};
  return {static_cast<int>(value), false};
}

HslColour ColourOfNumbers(const RgbNumbers& numbers) {
  return RgbToHsl({static_cast<float>(numbers[0]), static_cast<float>(numbers[1]),
                   static_cast<float>(numbers[2])});
}

}  // namespace tavolo
