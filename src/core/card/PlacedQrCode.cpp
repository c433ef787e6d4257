#include "core/card/PlacedQrCode.h"

#include <algorithm>

namespace tavolo {

namespace {

constexpr float kShareOfWidth = 0.24f;
constexpr float kMargin = 0.04f;  // of the card's width, between the code and the card's edges
constexpr double kMillimetresPerInch = 25.4;
constexpr int kUsualDpi = 300;

double Dpi(int dpi) {
  return dpi > 0 ? dpi : kUsualDpi;
}

}  // namespace

PlacedQrCode NewQrCode(float cardWidth, float cardHeight, QrCorner corner) {
  PlacedQrCode code;
  code.side = std::clamp(cardWidth * kShareOfWidth, kMinQrSide, kMaxQrSide);
  const float inset = cardWidth * kMargin + code.side / 2;
  const bool right = corner == QrCorner::kLowerRight || corner == QrCorner::kUpperRight;
  const bool lower = corner == QrCorner::kLowerRight || corner == QrCorner::kLowerLeft;
  code.x = right ? cardWidth - inset : inset;
  code.y = lower ? cardHeight - inset : inset;
  return code;
}

QString KeptQrFreeText(const QString& text) {
  qsizetype bytes = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char32_t c = text[i].unicode();
    const bool pair =
        QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    const qsizetype width = pair ? 4 : c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
    if (bytes + width > kMaxQrFreeTextBytes) return text.left(i);
    bytes += width;
    if (pair) ++i;
  }
  return text;
}

double QrSideMillimetres(float side, int dpi) {
  return side / Dpi(dpi) * kMillimetresPerInch;
}

float QrSideFromMillimetres(double millimetres, int dpi) {
  return std::clamp(static_cast<float>(millimetres / kMillimetresPerInch * Dpi(dpi)), kMinQrSide,
                    kMaxQrSide);
}

}  // namespace tavolo
