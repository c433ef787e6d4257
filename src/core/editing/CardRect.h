// A rectangle of card pixels by its left and top edges and its size: the bounding box of a placed
// object as the arranging and snapping geometry sees it (an object's turn is already in the box).
#pragma once

namespace tavolo {

struct CardRect {
  float left = 0.0f;
  float top = 0.0f;
  float width = 0.0f;
  float height = 0.0f;

  float Right() const { return left + width; }
  float Bottom() const { return top + height; }
  float CentreX() const { return left + width / 2.0f; }
  float CentreY() const { return top + height / 2.0f; }
  CardRect Moved(float dx, float dy) const { return {left + dx, top + dy, width, height}; }
  friend bool operator==(const CardRect&, const CardRect&) = default;
};

}  // namespace tavolo
