// The logo marks of the shipped templates: small vector drawings made with QPainter, one per
// trade, in one ink on a plate of the colour that lies under the logo on the card.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

namespace tavolo::tmplgen {

// The marks the generator can draw, by name.
QStringList MarkNames();

// The mark drawn centred into a picture of `size`; a null image for an unknown name.
QImage DrawMark(const QString& name, QSize size, const QColor& ink, const QColor& plate);

}  // namespace tavolo::tmplgen
