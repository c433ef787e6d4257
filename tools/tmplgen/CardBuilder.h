// Turns a template definition into the card the template file holds: background and tint, the
// gradient, the five box styles, the lines that the layout distributes the sample values into,
// and the photo and logo placed by their centres.
#pragma once

#include <optional>
#include <string>

#include <QColor>
#include <QString>

#include "Definition.h"
#include "core/base/ColourModel.h"
#include "core/card/BackgroundTable.h"
#include "core/card/CardState.h"
#include "core/card/LayoutTable.h"

namespace tavolo::tmplgen {

// The colour model's form of a colour; its lightness over 240 is the brightness that draws it.
HslColour ToHsl(const QColor& colour);
// The colour as the renderer draws it after the trip through the colour model, which may move a
// channel by one: a logo's plate must match the gradient or frame under it exactly.
QColor AsDrawn(const QColor& colour);

// The file names of the generated pictures inside the photo folder.
QString LogoFileName(const Definition& d);
QString PhotoFileName(const Definition& d);

// The card; nothing and `error` when the background is not in `backgrounds`.
std::optional<CardState> BuildCard(const Definition& d, const BackgroundTable& backgrounds,
                                   std::string& error);

// The same card with other sample values distributed into its boxes.
CardState WithValues(const CardState& card, const ContactDetails& values);

}  // namespace tavolo::tmplgen
