#include "core/editing/ObjectArrangement.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <tuple>

namespace tavolo {

CardRect SelectionBounds(std::span<const ArrangedObject> objects) {
  if (objects.empty()) return {};
  float left = objects[0].box.left, top = objects[0].box.top;
  float right = objects[0].box.Right(), bottom = objects[0].box.Bottom();
  for (const ArrangedObject& object : objects) {
    left = std::min(left, object.box.left);
    top = std::min(top, object.box.top);
    right = std::max(right, object.box.Right());
    bottom = std::max(bottom, object.box.Bottom());
  }
  return {left, top, right - left, bottom - top};
}

namespace {

// Where `box` goes for its `edge` to meet that of `target`.
CardRect AlignedBox(const CardRect& box, const CardRect& target, AlignEdge edge) {
  switch (edge) {
    case AlignEdge::kLeft:
      return {target.left, box.top, box.width, box.height};
    case AlignEdge::kCentre:
      return {target.CentreX() - box.width / 2.0f, box.top, box.width, box.height};
    case AlignEdge::kRight:
      return {target.Right() - box.width, box.top, box.width, box.height};
    case AlignEdge::kTop:
      return {box.left, target.top, box.width, box.height};
    case AlignEdge::kMiddle:
      return {box.left, target.CentreY() - box.height / 2.0f, box.width, box.height};
    case AlignEdge::kBottom:
      return {box.left, target.Bottom() - box.height, box.width, box.height};
  }
  return box;
}

std::vector<CardRect> Boxes(std::span<const ArrangedObject> objects) {
  std::vector<CardRect> boxes;
  boxes.reserve(objects.size());
  for (const ArrangedObject& object : objects) boxes.push_back(object.box);
  return boxes;
}

}  // namespace

std::vector<CardRect> Aligned(std::span<const ArrangedObject> objects, AlignEdge edge,
                              AlignTarget target, float cardWidth, float cardHeight) {
  const CardRect to = target == AlignTarget::kCard ? CardRect{0.0f, 0.0f, cardWidth, cardHeight}
                                                   : SelectionBounds(objects);
  std::vector<CardRect> boxes = Boxes(objects);
  for (size_t i = 0; i < objects.size(); ++i)
    if (!objects[i].locked) boxes[i] = AlignedBox(objects[i].box, to, edge);
  return boxes;
}

std::vector<CardRect> Distributed(std::span<const ArrangedObject> objects, DistributeAxis axis) {
  std::vector<CardRect> boxes = Boxes(objects);
  const bool horizontal = axis == DistributeAxis::kHorizontal;
  const auto start = [&](const CardRect& box) { return horizontal ? box.left : box.top; };
  const auto size = [&](const CardRect& box) { return horizontal ? box.width : box.height; };
  const auto centre = [&](size_t i) { return start(boxes[i]) + size(boxes[i]) / 2.0f; };
  std::vector<size_t> order;
  // A box from a damaged file that holds no number has no place in the order: it stays.
  for (size_t i = 0; i < objects.size(); ++i)
    if (!objects[i].locked && std::isfinite(centre(i))) order.push_back(i);
  if (order.size() < 3) return boxes;
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return centre(a) < centre(b); });
  const CardRect& first = boxes[order.front()];
  const CardRect& last = boxes[order.back()];
  float sizes = 0.0f;
  for (const size_t i : order) sizes += size(boxes[i]);
  const float gap =
      (start(last) + size(last) - start(first) - sizes) / static_cast<float>(order.size() - 1);
  float at = start(first) + size(first) + gap;
  for (size_t k = 1; k + 1 < order.size(); ++k) {
    CardRect& box = boxes[order[k]];
    (horizontal ? box.left : box.top) = at;
    at += size(box) + gap;
  }
  return boxes;
}

std::vector<CardRect> Nudged(std::span<const ArrangedObject> objects, float dx, float dy) {
  std::vector<CardRect> boxes = Boxes(objects);
  for (size_t i = 0; i < objects.size(); ++i)
    if (!objects[i].locked) boxes[i] = boxes[i].Moved(dx, dy);
  return boxes;
}

std::vector<int> Restacked(std::span<const int> z, std::span<const int> selected, StackMove move) {
  const size_t count = z.size();
  std::vector<bool> chosenFlags(count, false);
  for (const int i : selected)
    if (i >= 0 && static_cast<size_t>(i) < count) chosenFlags[static_cast<size_t>(i)] = true;
  std::vector<size_t> order(count);
  std::iota(order.begin(), order.end(), size_t{0});
  std::sort(order.begin(), order.end(),
            [&](size_t a, size_t b) { return std::tuple(z[a], a) < std::tuple(z[b], b); });
  const std::vector<size_t> before = order;
  const auto chosen = [&](size_t i) { return chosenFlags[i]; };
  switch (move) {
    case StackMove::kToFront:
      std::stable_partition(order.begin(), order.end(), std::not_fn(chosen));
      break;
    case StackMove::kToBack:
      std::stable_partition(order.begin(), order.end(), chosen);
      break;
    case StackMove::kForward:
      // From the top down, so that a run of selected objects moves up as one.
      for (size_t k = count; k-- > 1;)
        if (chosen(order[k - 1]) && !chosen(order[k])) std::swap(order[k - 1], order[k]);
      break;
    case StackMove::kBackward:
      for (size_t k = 1; k < count; ++k)
        if (chosen(order[k]) && !chosen(order[k - 1])) std::swap(order[k - 1], order[k]);
      break;
  }
  std::vector<int> restacked(z.begin(), z.end());
  if (order == before) return restacked;
  for (size_t k = 0; k < count; ++k) restacked[order[k]] = static_cast<int>(k);
  return restacked;
}

}  // namespace tavolo
