#include "core/card/ColourTargets.h"

#include <algorithm>

namespace tavolo {

namespace {

constexpr float kLightnessScale = 240.0f;
constexpr float kChannelScale = 255.0f;

}  // namespace

QString ColourTargetName(ColourTarget target) {
  switch (target) {
    case ColourTarget::kText:
      return QStringLiteral("Text Colors");
    case ColourTarget::kFrame:
      return QStringLiteral("Frame Colors");
    case ColourTarget::kBackground:
      break;
  }
  return QStringLiteral("Background Color");
}

HslColour StartingColour(ColourTarget target, const CardState& card) {
  if (target != ColourTarget::kBackground) return {0.0f, 0.0f, 0.0f};
  return {card.backgroundColour.h, card.backgroundColour.s, card.bgBrightness * kLightnessScale};
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
      style.fillColour = colour;
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
