// What the rendering benchmarks draw: a card with tinted, framed and boxed text over a background
// as a decoded JPEG looks, the Qt application that drawing text needs, and where the shipped data
// lies.
#pragma once

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include <QtGlobal>
#include <benchmark/benchmark.h>

#include "core/card/CardState.h"
#include "core/card/LayoutTable.h"
#include "core/imaging/RasterImage.h"

namespace tavolo::bench {

// The benchmarks are built beside the executables, where the build writes fl1.tmp.
inline std::filesystem::path BinFolder() {
  std::error_code ec;
  return std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
}

// Runs the benchmarks of this executable inside an application (QGuiApplication or QApplication)
// on the offscreen platform unless another is asked for. The application lives on this stack
// frame, so it is gone before the program's static objects and Qt's own globals are torn down.
template <class App>
int RunWithApplication(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  App app(argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

// Smooth colours with a little noise in every pixel, so few colours repeat for the tint.
inline RasterImage NoisyBackground() {
  RasterImage image;
  image.Create(1062, 615, 24, kFormatJpeg);
  uint32_t seed = 12345;
  for (uint32_t y = 0; y < 615; ++y) {
    uint8_t* row = image.GetBits(614 - y);
    for (uint32_t x = 0; x < 1062; ++x) {
      seed = seed * 1664525u + 1013904223u;
      const int noise = static_cast<int>(seed >> 29) - 4;
      row[3 * x] = static_cast<uint8_t>(180 + 40 * std::sin(x / 80.0) + noise);
      row[3 * x + 1] = static_cast<uint8_t>(170 + 50 * std::cos(y / 50.0) + noise);
      row[3 * x + 2] = static_cast<uint8_t>(200 - x / 20 + noise);
    }
  }
  return image;
}

// The first layout with the default fields, over the first background shifted and tinted, its
// first box framed along the card and its fourth boxed exactly.
inline CardState BenchCard() {
  CardState card;
  card.backgroundIndex = 0;
  card.layoutIndex = 0;
  card.boxCount = FieldDistribution(0, DefaultContactDetails(), card.lines);
  card.hueShift = 0.15f;
  card.bgShift = 0.1f;
  card.gradScale = 0.4f;
  card.styles[0].frameMode = kFrameCardLong;
  card.styles[0].opacity = 0.4f;
  card.styles[3].frameMode = kFrameExact;
  return card;
}

}  // namespace tavolo::bench
