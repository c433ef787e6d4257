#include "core/print/LengthDisplay.h"

#include <cmath>

#include <QCoreApplication>

namespace tavolo {

namespace {

struct UnitFactors {
  double toUnit;    // print pixels / dpi × toUnit: the shown value
  double fromUnit;  // dpi × shown × fromUnit: print pixels
};

// Not inverses of each other: 2 cm stores 2 × 0.39370078 × 300 = 236.22 pixels.
UnitFactors FactorsOf(LengthUnit unit) {
  switch (unit) {
    case LengthUnit::kInches:
      return {1.0, 1.0};
    case LengthUnit::kCm:
      return {2.54, 0.39370078};
    case LengthUnit::kMm:
      break;
  }
  return {25.4, 0.03937008};
}

}  // namespace

float& LengthOf(PageLayout& layout, LayoutLength which) {
  switch (which) {
    case LayoutLength::kCardHeight:
      return layout.cardHeight;
    case LayoutLength::kCardWidth:
      return layout.cardWidth;
    case LayoutLength::kVerticalPitch:
      return layout.verticalPitch;
    case LayoutLength::kHorizontalPitch:
      return layout.horizontalPitch;
    case LayoutLength::kLeftMargin:
      return layout.leftMargin;
    case LayoutLength::kTopMargin:
      break;
  }
  return layout.topMargin;
}

float LengthOf(const PageLayout& layout, LayoutLength which) {
  return LengthOf(const_cast<PageLayout&>(layout), which);
}

double PrintPixelsToMm(float printPixels, int dpi) {
  return static_cast<double>(printPixels) / dpi * FactorsOf(LengthUnit::kMm).toUnit;
}

float PrintPixelsInUnit(float printPixels, int dpi, LengthUnit unit) {
  return static_cast<float>(static_cast<double>(printPixels) / dpi * FactorsOf(unit).toUnit);
}

float ToDisplay(float printPixels, int dpi, LengthUnit unit) {
  const double q = PrintPixelsInUnit(printPixels, dpi, unit);
  return static_cast<float>(std::trunc(q * 100.0) * 0.01);
}

float FromDisplay(float shown, int dpi, LengthUnit unit) {
  return static_cast<float>(static_cast<double>(dpi) * shown * FactorsOf(unit).fromUnit);
}

ShownLengths ShowLengths(const PageLayout& layout, int dpi, LengthUnit unit) {
  ShownLengths shown{};
  for (const LayoutLength which : kLayoutLengths) {
    At(shown, which) = ToDisplay(LengthOf(layout, which), dpi, unit);
  }
  return shown;
}

ShownLengths ShowLengthsRounded(const PageLayout& layout, int dpi) {
  ShownLengths shown{};
  for (const LayoutLength which : kLayoutLengths) {
    const float inches = PrintPixelsInUnit(LengthOf(layout, which), dpi, LengthUnit::kInches);
    At(shown, which) = static_cast<float>(std::round(static_cast<double>(inches) * 100) / 100);
  }
  return shown;
}

QString DisplayText(float shown, const QLocale& locale) {
  QLocale plain = locale;
  plain.setNumberOptions(QLocale::OmitGroupSeparator);
  return plain.toString(static_cast<double>(shown), 'g', 6);
}

std::optional<double> ParseLocalNumber(const QString& text, const QLocale& locale) {
  const QString trimmed = text.trimmed();
  bool ok = false;
  double value = locale.toDouble(trimmed, &ok);
  if (!ok) value = QLocale::c().toDouble(trimmed, &ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

ParsedLength ParseShownLength(const QString& text, const QLocale& locale) {
  const std::optional<double> value = ParseLocalNumber(text, locale);
  if (!value) {
    return {std::nullopt, QCoreApplication::translate("Tavolo", "Please enter a number.")};
  }
  if (*value < kMinShownLength || *value > kMaxShownLength) {
    return {std::nullopt,
            QCoreApplication::translate("Tavolo", "Please enter a number between %1 and %2.")
                .arg(DisplayText(kMinShownLength, locale), DisplayText(kMaxShownLength, locale))};
  }
  return {static_cast<float>(*value), {}};
}

}  // namespace tavolo
