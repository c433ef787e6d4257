// The print dialog's six lengths as it shows them: print pixels turned into inches, cm or mm at
// the card's resolution, and shown values turned back. The two directions use different factors
// and the display truncates, so a value does not always come back as it went out: 1062 pixels at
// 300 dpi show as 89.91 mm, and again in inches as 3.53.
#pragma once

#include <array>
#include <optional>

#include <QLocale>
#include <QString>

#include "core/print/PageLayout.h"

namespace tavolo {

// The six lengths in the order the dialog keeps its shown values.
enum class LayoutLength {
  kCardHeight,
  kCardWidth,
  kVerticalPitch,
  kHorizontalPitch,
  kLeftMargin,
  kTopMargin,
};
inline constexpr int kLayoutLengthCount = 6;
inline constexpr std::array<LayoutLength, kLayoutLengthCount> kLayoutLengths = {
    LayoutLength::kCardHeight,      LayoutLength::kCardWidth,  LayoutLength::kVerticalPitch,
    LayoutLength::kHorizontalPitch, LayoutLength::kLeftMargin, LayoutLength::kTopMargin};

// Shown values, indexed by LayoutLength.
using ShownLengths = std::array<float, kLayoutLengthCount>;

float& LengthOf(PageLayout& layout, LayoutLength which);
float LengthOf(const PageLayout& layout, LayoutLength which);
inline float& At(ShownLengths& shown, LayoutLength which) {
  return shown[static_cast<int>(which)];
}
inline float At(const ShownLengths& shown, LayoutLength which) {
  return shown[static_cast<int>(which)];
}

// Print pixels in millimetres: p / dpi × 25.4, in double precision.
double PrintPixelsToMm(float printPixels, int dpi);

// p / dpi × f (f = 1, 2.54 or 25.4) rounded to a 32-bit float, not truncated.
float PrintPixelsInUnit(float printPixels, int dpi, LengthUnit unit);
// What the dialog shows: the value above truncated toward zero to two decimals, the product by
// 100 taken in double precision (3.54 as a float lies just below 3.54 and shows as 3.53).
float ToDisplay(float printPixels, int dpi, LengthUnit unit);
// A shown value back in print pixels: dpi × value × g (g = 1, 0.39370078 or 0.03937008), not
// rounded to whole pixels.
float FromDisplay(float shown, int dpi, LengthUnit unit);

// All six lengths as the dialog shows them in `unit`.
ShownLengths ShowLengths(const PageLayout& layout, int dpi, LengthUnit unit);
// All six in inches rounded to the nearest hundredth rather than truncated: what the dialog shows
// when it opens, so that an exact 3.54 × 2.05 in card (just below that as floats) and margins
// that centre the cards read as two decimals.
ShownLengths ShowLengthsRounded(const PageLayout& layout, int dpi);

// The edit text of a shown value: up to six significant digits ("3.54", "89.91", "236.22"), with
// `locale`'s decimal separator and no group separators.
QString DisplayText(float shown, const QLocale& locale = QLocale::c());

inline constexpr float kMinShownLength = 0.0f;
inline constexpr float kMaxShownLength = 1000.0f;

struct ParsedLength {
  std::optional<float> value;  // empty when the text is refused
  QString message;             // why: "Please enter a number." or the range message
};
// Reads an edit's text: a number from 0 to 1000, its decimals after `locale`'s separator or a dot.
ParsedLength ParseShownLength(const QString& text, const QLocale& locale = QLocale::c());
// A number typed in `locale` ("2,5" in German) or in the C form ("2.5"); none for other text.
std::optional<double> ParseLocalNumber(const QString& text, const QLocale& locale);

}  // namespace tavolo
