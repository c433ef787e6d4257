// A card painted onto any QPainter as shapes and text rather than as one picture: on a PDF the
// text stays text in its embedded fonts, the gradient, the frames and the shapes stay fills and
// paths, and only the background, the photo and the logo are pictures (each the renderer's kept
// one, so that a PDF holds it once however many cards show it). It is the print image's composition, drawn in the
// print image's own pixel coordinates and mapped onto the target, so that rasterised at the
// print image's size it matches the print image.
#pragma once

#include <vector>

#include <QRectF>
#include <QString>

#include "core/card/CardState.h"
#include "core/render/CardRenderer.h"

class QPainter;

namespace tavolo {

// How a card is painted beyond its face.
struct CardPaintOptions {
  // Painted past each edge, in the card's own pixels: the background drawn as if the card were
  // that much larger (CardRenderer::TintedBackground), the gradient's bands, the frames and the
  // photo or logo that reach the edge running on; no edge pixel is repeated.
  int bleedPixels = 0;
  // Everything under the layout's text (background, gradient, frames, photo, logo and the
  // objects placed under the text) as one opaque picture, so that nothing painted is transparent.
  bool flatten = false;
  // When given, told every line of text the card shows, in the order painted.
  std::vector<QString>* lines = nullptr;
};

// Paints the live card into `target` (the painter's coordinates), clipped to it and its bleed.
// Fonts need a QGuiApplication; without one the text is left out and reported, as
// CardRenderer::Render does.
void PaintCard(CardRenderer& renderer, QPainter& painter, const QRectF& target,
               const CardState& live, const CardPaintOptions& options = {});

}  // namespace tavolo
