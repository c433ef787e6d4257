// A card painted onto any QPainter as shapes and text rather than as one picture: on a PDF the
// text stays text in its embedded fonts, the gradient and the frames stay fills, and only the
// background, the photo and the logo are pictures (each the renderer's kept one, so that a PDF
// holds it once however many cards show it). It is the print image's composition, drawn in the
// print image's own pixel coordinates and mapped onto the target, so that rasterised at the
// print image's size it matches the print image.
#pragma once

#include <QRectF>

#include "core/card/CardState.h"
#include "core/render/CardRenderer.h"

class QPainter;

namespace tavolo {

// Paints the live card into `target` (the painter's coordinates), clipped to it. Fonts need a
// QGuiApplication; without one the text is left out and reported, as CardRenderer::Render does.
void PaintCard(CardRenderer& renderer, QPainter& painter, const QRectF& target,
               const CardState& live);

}  // namespace tavolo
