// Font sizes as a person reads them: the stored size of a text box (a number of the card's own
// scale, "38") shown and typed in points, converted through the height the renderer gives the
// font on the card's size and dpi. Stored values never change by being shown.
#pragma once

#include <optional>

#include <QLocale>
#include <QString>
#include <QStringList>

#include "core/card/CardState.h"

namespace tavolo {

// The printed size in points of a box whose stored size is `size`, on `card`.
double FontSizePoints(const QString& size, const CardState& card);

// The stored size (6 to 250) that prints nearest to `points` on `card`; none when `points` lies
// outside what those sizes print.
std::optional<QString> StoredFontSize(double points, const CardState& card);

// Points as shown: one decimal at most, in the locale's way ("7.9", "7,9", "12").
QString PointsText(double points, const QLocale& locale);

// Points typed in the locale's way or with a point ("8", "8,5", "8.5"): the stored size for
// them, or none for anything that is not a number in range.
std::optional<QString> TypedFontPoints(const QString& text, const CardState& card,
                                       const QLocale& locale);

// The sizes the size list offers, in points: those of "6", "7", … "72" that a stored size reaches
// on `card`.
QStringList FontPointChoices(const CardState& card);

}  // namespace tavolo
