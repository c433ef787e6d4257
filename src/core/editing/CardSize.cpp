#include "core/editing/CardSize.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>

#include "core/base/CheckedCall.h"
#include "core/imaging/RasterImage.h"
#include "core/render/CardRenderer.h"

namespace tavolo {

namespace {

constexpr std::array<int, 4> kOfferedDpi = {300, 600, 1200, 2400};
constexpr float kCmPerInch = 2.54f;
constexpr float kMmPerInch = 25.4f;
constexpr float kInchPerCm = 0.39370078f;
constexpr float kInchPerMm = 0.03937008f;

QString PixelsText(float pixels) {
  return QString::number(static_cast<double>(pixels), 'g', 7);
}

Failure Refused(const QString& reason) {
  return Failure{reason.toStdString()};
}

}  // namespace

int ShownSizeUnit(int storedUnit, QLocale::MeasurementSystem system) {
  if (storedUnit >= 0 && storedUnit < kUnitPixels) return storedUnit;
  return system == QLocale::ImperialUSSystem ? kUnitInches : kUnitMm;
}

float PixelsToShown(float pixels, int unit, float dpi) {
  switch (unit) {
    case kUnitInches:
      return pixels / dpi;
    case kUnitCm:
      return pixels / dpi * kCmPerInch;
    case kUnitMm:
      return pixels / dpi * kMmPerInch;
    case kUnitPixels:
      return pixels;
    default:
      TAVOLO_CHECK_AS("0", false);
      return pixels;
  }
}

float ShownToPixels(float shown, int unit, float dpi) {
  switch (unit) {
    case kUnitInches:
      return shown * dpi;
    case kUnitCm:
      return shown * dpi * kInchPerCm;
    case kUnitMm:
      return shown * dpi * kInchPerMm;
    case kUnitPixels:
      return shown;
    default:
      TAVOLO_CHECK_AS("0", false);
      return shown;
  }
}

std::vector<int> ResolutionChoices(int cardDpi) {
  std::vector<int> choices(kOfferedDpi.begin(), kOfferedDpi.end());
  if (std::find(choices.begin(), choices.end(), cardDpi) == choices.end()) {
    choices.push_back(cardDpi);
  }
  return choices;
}

Outcome<> CheckCardSize(float widthPixels, float heightPixels, int dpi) {
  if (!std::isfinite(widthPixels) || !std::isfinite(heightPixels)) {
    return Refused(QCoreApplication::translate("Tavolo", "Please enter a number."));
  }
  if (widthPixels < kMinCardSide || heightPixels < kMinCardSide) {
    return Refused(
        QCoreApplication::translate(
            "Tavolo",
            "A card must be at least one pixel wide and one pixel high; this size is %1 × %2 "
            "pixels.")
            .arg(PixelsText(widthPixels), PixelsText(heightPixels)));
  }
  if (widthPixels > static_cast<float>(kMaxCardSide) ||
      heightPixels > static_cast<float>(kMaxCardSide)) {
    return Refused(
        QCoreApplication::translate(
            "Tavolo",
            "A card can be at most 10000 pixels wide and 10000 pixels high; this size is %1 × "
            "%2 pixels.")
            .arg(PixelsText(widthPixels), PixelsText(heightPixels)));
  }
  // Measured as the card is drawn: whole pixels.
  if (static_cast<int64_t>(widthPixels) * static_cast<int64_t>(heightPixels) > kMaxCardPixels) {
    return Refused(
        QCoreApplication::translate(
            "Tavolo", "A card can have at most 64 megapixels; this size is %1 × %2 pixels.")
            .arg(PixelsText(widthPixels), PixelsText(heightPixels)));
  }
  if (dpi < kMinCardDpi || dpi > kMaxCardDpi) {
    return Refused(
        QCoreApplication::translate(
            "Tavolo", "The resolution must lie between 50 and 4800 dpi; %1 dpi cannot be used.")
            .arg(dpi));
  }
  return {};
}

bool UsableCardSide(float pixels) {
  return std::isfinite(pixels) && pixels >= kMinCardSide &&
         pixels <= static_cast<float>(kMaxImageSide);
}

int PrintSizeDivisor(float cardWidth, float cardHeight) {
  const float ratio = std::max(cardWidth / static_cast<float>(kPrintWidth),
                               cardHeight / static_cast<float>(kPrintHeight));
  return std::max(1, static_cast<int>(ratio));
}

}  // namespace tavolo
