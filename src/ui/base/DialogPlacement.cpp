#include "ui/base/DialogPlacement.h"

#include <algorithm>
#include <array>

namespace tavolo {

namespace {

constexpr int kGap = 8;

// The start of a span of `length` near `wanted` that stays within [low, high].
int Within(int wanted, int length, int low, int high) {
  return std::max(low, std::min(wanted, high + 1 - length));
}

}  // namespace

QPoint PlaceBeside(const QRect& avoid, const QSize& size, const QRect& screen) {
  const int y = Within(avoid.top(), size.height(), screen.top(), screen.bottom());
  const int x = Within(avoid.left(), size.width(), screen.left(), screen.right());
  struct Side {
    QPoint corner;
    int room;
  };
  const std::array<Side, 4> sides = {{
      {{avoid.right() + 1 + kGap, y}, screen.right() - avoid.right()},
      {{avoid.left() - kGap - size.width(), y}, avoid.left() - screen.left()},
      {{x, avoid.bottom() + 1 + kGap}, screen.bottom() - avoid.bottom()},
      {{x, avoid.top() - kGap - size.height()}, avoid.top() - screen.top()},
  }};
  for (const Side& side : sides) {
    const QRect placed(side.corner, size);
    if (screen.contains(placed) && !placed.intersects(avoid)) return side.corner;
  }
  const Side& roomiest = *std::max_element(
      sides.begin(), sides.end(), [](const Side& a, const Side& b) { return a.room < b.room; });
  return {Within(roomiest.corner.x(), size.width(), screen.left(), screen.right()),
          Within(roomiest.corner.y(), size.height(), screen.top(), screen.bottom())};
}

}  // namespace tavolo
