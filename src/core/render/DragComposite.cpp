#include "core/render/DragComposite.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "core/render/PixelBlend.h"

namespace tavolo {

namespace {

// A premultiplied pixel laid over an opaque one: each colour byte is the source's plus the
// destination's share the source leaves, (255 − alpha) / 255 of it, truncated.
inline uint32_t Over(uint32_t source, uint32_t destination) {
  const uint32_t alpha = source >> 24;
  if (alpha == 0) return destination;
  if (alpha == 255) return source;
  const uint32_t left = 255 - alpha;
  const uint32_t blue = (source & 0xFF) + DivideBy255((destination & 0xFF) * left);
  const uint32_t green = ((source >> 8) & 0xFF) + DivideBy255(((destination >> 8) & 0xFF) * left);
  const uint32_t red = ((source >> 16) & 0xFF) + DivideBy255(((destination >> 16) & 0xFF) * left);
  return 0xFF000000u | blue | (green << 8) | (red << 16);
}

// The smallest rectangle holding every pixel of `layer` that is not transparent; empty when
// there is none.
QRect CoveredArea(const QImage& layer) {
  int left = layer.width(), right = -1, top = layer.height(), bottom = -1;
  for (int y = 0; y < layer.height(); ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(layer.constScanLine(y));
    for (int x = 0; x < layer.width(); ++x) {
      if ((row[x] >> 24) == 0) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = y;
    }
  }
  return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// Lays `area` of `layer` over `card`, its pixel (x, y) on the card's (x + offsetX, y + offsetY),
// where it falls on the card.
void LayOver(QImage& card, const QImage& layer, const QRect& area, int offsetX, int offsetY) {
  const QRect target = area.translated(offsetX, offsetY).intersected(card.rect());
  for (int y = target.top(); y <= target.bottom(); ++y) {
    const auto* from = reinterpret_cast<const uint32_t*>(layer.constScanLine(y - offsetY));
    auto* to = reinterpret_cast<uint32_t*>(card.scanLine(y));
    for (int x = target.left(); x <= target.right(); ++x) to[x] = Over(from[x - offsetX], to[x]);
  }
}

}  // namespace

bool DragComposite::Start(CardRenderer& renderer, const CardState& live, int divisor, int dx,
                          int dy, const std::function<bool(const FaceObject&)>& lifted) {
  Stop();
  const std::vector<FaceObject> items = FaceObjects(live);
  std::vector<bool> picked;
  picked.reserve(items.size());
  for (const FaceObject& item : items) picked.push_back(lifted(item));
  const auto lowest = std::ranges::find(picked, true);
  if (lowest == picked.end()) return false;
  const auto first = static_cast<size_t>(lowest - picked.begin());
  size_t last = first;
  for (size_t i = first; i < picked.size(); ++i) {
    if (picked[i]) last = i;
  }
  const bool textBelow =
      std::ranges::any_of(items.begin(), items.begin() + first + 1, AfterLayoutText);
  const bool textAbove =
      std::ranges::none_of(items.begin(), items.begin() + last + 1, AfterLayoutText);
  // Three layers hold the picture only when nothing that stays is drawn between dragged objects.
  if (std::count(picked.begin() + first, picked.begin() + last + 1, false) > 0 ||
      textBelow == textAbove) {
    return false;
  }

  CardRenderer::Parts below{true, textBelow, [first](size_t i) { return i < first; }, QSize(0, 0)};
  // What lies up to a card's size past its edges can be dragged onto it.
  CardRenderer::Parts moved{false, false, [&picked](size_t i) { return bool(picked[i]); },
                            QSize(dx, dy)};
  CardRenderer::Parts above{false, !textBelow,
                            [&, first](size_t i) { return i > first && !picked[i]; }, QSize(0, 0)};
  ground_ = renderer.RenderParts(live, divisor, dx, dy, below);
  lifted_ = renderer.RenderParts(live, divisor, dx, dy, moved);
  above_ = renderer.RenderParts(live, divisor, dx, dy, above);
  if (ground_.isNull() || lifted_.isNull() || above_.isNull()) {
    Stop();
    return false;
  }
  liftedArea_ = CoveredArea(lifted_);
  aboveArea_ = CoveredArea(above_);
  composed_ = QImage(ground_.size(), QImage::Format_RGB32);
  divisor_ = divisor;
  if (composed_.isNull()) Stop();
  return Active();
}

void DragComposite::Stop() {
  ground_ = lifted_ = above_ = composed_ = QImage();
  liftedArea_ = aboveArea_ = QRect();
  divisor_ = 0;
}

bool DragComposite::DrawnFor(int divisor, int dx, int dy) const {
  return Active() && divisor == divisor_ && composed_.size() == QSize(dx, dy);
}

const QImage& DragComposite::Compose(int shiftX, int shiftY) {
  if (!Active()) return composed_;
  std::memcpy(composed_.bits(), ground_.constBits(), static_cast<size_t>(ground_.sizeInBytes()));
  LayOver(composed_, lifted_, liftedArea_, shiftX - ground_.width(), shiftY - ground_.height());
  LayOver(composed_, above_, aboveArea_, 0, 0);
  return composed_;
}

}  // namespace tavolo
