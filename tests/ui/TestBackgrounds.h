// Small backgrounds for the widget tests: each a diagonal gradient in its own hue.
#pragma once

#include <QColor>
#include <string>
#include <vector>

#include "core/card/BackgroundTable.h"

namespace tavolo::test {

// `count` backgrounds of 40 × 30 pixels, named "bg0", "bg1", …, with hue offsets of `offset`.
inline BackgroundTable SyntheticBackgrounds(int count, float offset = 0.0f) {
  BackgroundTable table;
  for (int n = 0; n < count; ++n) {
    std::vector<uint32_t> pixels(40 * 30);
    const QColor base = QColor::fromHsv((n * 47) % 360, 150, 230);
    for (int y = 0; y < 30; ++y) {
      for (int x = 0; x < 40; ++x) {
        pixels[y * 40 + x] = base.darker(100 + x + 2 * y).rgb() & 0xFFFFFFu;
      }
    }
    RasterImage image;
    image.CreateFromPixels(pixels, 40, 30);
    table.Append(MakeBackgroundName("bg" + std::to_string(n)), std::move(image), offset);
  }
  return table;
}

}  // namespace tavolo::test
