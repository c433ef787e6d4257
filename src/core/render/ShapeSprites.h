// The curved shapes a user added (ellipses, rounded rectangles) kept as small pictures of their
// antialiased pixels, one per object, so that a card of many draws each by a copy: filling a
// curve costs a hundred times more. A sprite is kept while its shape, its size and how it maps
// onto the pixels (scale, turn and the fraction of a pixel it starts at) stay the same, so that a
// drag redraws only the object moved. Only raster targets use them; a PDF gets the paths.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QTransform>

#include "core/card/PlacedObject.h"

class QPainter;

namespace tavolo {

class ShapeSprites {
 public:
  // Draws the shape of the added object at `index` through `painter`, whose transform maps the
  // object's full-size coordinates onto the pixels, by `draw` (which paints the shape with a
  // painter so transformed), from its kept sprite when it is one to keep.
  void Draw(QPainter& painter, size_t index, const PlacedObject& object, const QRectF& reach,
            const std::function<void(QPainter&)>& draw);
  // Lets go of every sprite.
  void Clear();

 private:
  struct Sprite {
    PlacedObject shape;  // its source and its box's size; the position lies in `fraction`
    QTransform linear;
    QPointF fraction;
    QImage image;
  };
  std::vector<std::optional<Sprite>> sprites_;
  int64_t keptPixels_ = 0;
};

}  // namespace tavolo
