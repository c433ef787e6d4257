#include "core/editing/FontPoints.h"

#include <cmath>
#include <cstdlib>

#include "core/editing/StyleInputs.h"
#include "core/render/BoxFont.h"
#include "core/render/CompositionScale.h"

namespace tavolo {

namespace {

constexpr double kPointsPerInch = 72.0;

double PointsOfStoredSize(int size, const CardState& card) {
  TextBoxStyle style;
  style.size = QString::number(size);
  const int dpi = card.dpi > 0 ? card.dpi : kCompositionDpi;
  const FontSpec spec = MakeFontSpec(style, 1, card.cardHeight, 0, dpi);
  return std::abs(static_cast<double>(spec.height)) * kPointsPerInch / dpi;
}

}  // namespace

double FontSizePoints(const QString& size, const CardState& card) {
  return PointsOfStoredSize(ParseFontSize(size), card);
}

std::optional<QString> StoredFontSize(double points, const CardState& card) {
  const double smallest = PointsOfStoredSize(kMinTypedFontSize, card);
  const double largest = PointsOfStoredSize(kMaxTypedFontSize, card);
  // Half a point of slack at either end, so that the list's round sizes are reached.
  if (!std::isfinite(points) || points < smallest - 0.5 || points > largest + 0.5) {
    return std::nullopt;
  }
  int best = kMinTypedFontSize;
  double bestDistance = std::abs(smallest - points);
  for (int size = kMinTypedFontSize + 1; size <= kMaxTypedFontSize; ++size) {
    const double distance = std::abs(PointsOfStoredSize(size, card) - points);
    if (distance < bestDistance) {
      best = size;
      bestDistance = distance;
    }
  }
  return QString::number(best);
}

QString PointsText(double points, const QLocale& locale) {
  const double tenths = std::round(points * 10.0) / 10.0;
  return locale.toString(tenths, 'f', std::fmod(tenths, 1.0) == 0.0 ? 0 : 1);
}

std::optional<QString> TypedFontPoints(const QString& text, const CardState& card,
                                       const QLocale& locale) {
  bool ok = false;
  double points = locale.toDouble(text.trimmed(), &ok);
  if (!ok) points = QLocale::c().toDouble(text.trimmed(), &ok);
  if (!ok) return std::nullopt;
  return StoredFontSize(points, card);
}

QStringList FontPointChoices(const CardState& card) {
  QStringList choices;
  for (const int points : {6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 24, 28, 32, 36, 48, 60, 72}) {
    if (StoredFontSize(points, card)) choices << QString::number(points);
  }
  return choices;
}

}  // namespace tavolo
