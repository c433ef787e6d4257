// Colour conversions: how many per second the renderer and the pickers can count on.
#include <benchmark/benchmark.h>

#include "core/base/ColourModel.h"

namespace {

using tavolo::HslColour;

void BM_HslToRgbToColourRef(benchmark::State& state) {
  float h = 0.0f;
  for (auto _ : state) {
    h = h >= 239.0f ? 0.0f : h + 0.37f;
    benchmark::DoNotOptimize(
        tavolo::RgbToColourRef(tavolo::HslToRgb(HslColour{h, 180.0f, 100.0f})));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HslToRgbToColourRef);

void BM_HslToColourRef(benchmark::State& state) {
  float h = 0.0f;
  for (auto _ : state) {
    h = h >= 239.0f ? 0.0f : h + 0.37f;
    benchmark::DoNotOptimize(tavolo::HslToColourRef(h, 180.0f, 100.0f));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HslToColourRef);

void BM_RgbToHsl(benchmark::State& state) {
  float r = 0.0f;
  for (auto _ : state) {
    r = r >= 255.0f ? 0.0f : r + 1.0f;
    benchmark::DoNotOptimize(tavolo::RgbToHsl({r, 255.0f - r, 128.0f}));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RgbToHsl);

}  // namespace
