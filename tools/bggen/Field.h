// A smooth function of the canvas sampled on a coarse grid and read back bilinearly: low-frequency
// noise at a fraction of the cost of evaluating it at every pixel.
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

#include "Canvas.h"

namespace tavolo::bggen {

class Field {
 public:
  // f(x, y) is evaluated every `step` pixels, one sample past each edge of the canvas.
  template <class F>
  Field(int step, F&& f)
      : step_(static_cast<float>(step)), columns_(kWidth / step + 3), rows_(kHeight / step + 3) {
    samples_.resize(static_cast<size_t>(columns_) * rows_);
    for (int j = 0; j < rows_; ++j) {
      for (int i = 0; i < columns_; ++i) {
        samples_[static_cast<size_t>(j) * columns_ + i] =
            f(static_cast<float>(i * step), static_cast<float>(j * step));
      }
    }
  }

  float At(float x, float y) const {
    const float gx = std::clamp(x / step_, 0.0f, static_cast<float>(columns_ - 2));
    const float gy = std::clamp(y / step_, 0.0f, static_cast<float>(rows_ - 2));
    const int i = std::min(static_cast<int>(gx), columns_ - 2);
    const int j = std::min(static_cast<int>(gy), rows_ - 2);
    const float tx = gx - i;
    const float ty = gy - j;
    const float* row = &samples_[static_cast<size_t>(j) * columns_ + i];
    const float top = row[0] + (row[1] - row[0]) * tx;
    const float bottom = row[columns_] + (row[columns_ + 1] - row[columns_]) * tx;
    return top + (bottom - top) * ty;
  }

 private:
  float step_;
  int columns_;
  int rows_;
  std::vector<float> samples_;
};

}  // namespace tavolo::bggen
