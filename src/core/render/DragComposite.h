// A drag's picture of the card, made from three layers drawn once when the drag starts: the card
// without the dragged objects and without anything drawn above the lowest of them, the dragged
// objects alone, and what is drawn above them alone. Each step of the drag copies the first,
// lays the second over it shifted by the drag's offset and the third over both: pixel
// arithmetic into a picture made beforehand, so that a step neither draws nor allocates.
#pragma once

#include <functional>

#include <QImage>
#include <QRect>

#include "core/card/CardState.h"
#include "core/render/CardRenderer.h"
#include "core/render/FaceObjects.h"

namespace tavolo {

class DragComposite {
 public:
  // Draws the layers of `live` at divisor into dx × dy (as CardRenderer::Render would), lifting
  // the face's objects that `lifted` picks. False, keeping nothing, when it picks none, when
  // anything it leaves (the layout's text too) is drawn between two it picks, or when a layer
  // cannot be drawn.
  bool Start(CardRenderer& renderer, const CardState& live, int divisor, int dx, int dy,
             const std::function<bool(const FaceObject&)>& lifted);
  void Stop();
  bool Active() const { return !composed_.isNull(); }
  // Whether the layers were drawn for this divisor and size.
  bool DrawnFor(int divisor, int dx, int dy) const;

  // The card with the lifted objects moved by (shiftX, shiftY) preview pixels, cut at the
  // card's edges. Null when not active.
  const QImage& Compose(int shiftX, int shiftY);

 private:
  QImage ground_;
  QImage lifted_;  // a card's size larger on every side than the card
  QImage above_;
  // Where the lifted and the upper layer have any pixel that is not transparent.
  QRect liftedArea_;
  QRect aboveArea_;
  QImage composed_;
  int divisor_ = 0;
};

}  // namespace tavolo
