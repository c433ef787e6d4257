// The card preview: one paint of a 745 × 310 preview (backdrop strips, the card at divisor 3 from
// its cached background, the copy to the target), as every text edit costs.
#include <benchmark/benchmark.h>

#include <cmath>

#include <QApplication>
#include <QPainter>

#include "card/LayoutTable.h"
#include "card/PreviewBtn.h"
#include "library/BackgroundTable.h"

namespace {

using namespace tavolo;

void EnsureApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "bench_preview";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
}

// Smooth colours with a little noise in every pixel, as a decoded JPEG background looks.
RasterImage NoisyBackground() {
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

void BM_PreviewPaintCached(benchmark::State& state) {
  EnsureApplication();
  BackgroundTable table;
  table.Append({}, NoisyBackground(), 0.0f);
  CardState card;
  card.pnmb = 0;
  card.lnmb = 0;
  card.boxCount = FieldDistribution(0, DefaultNamedValues(), card.lines);
  card.hueShift = 0.15f;
  card.bgShift = 0.1f;
  card.gradScale = 0.4f;
  card.styles[0].frameMode = kFrameCardLong;
  card.styles[0].opacity = 0.4f;
  card.styles[3].frameMode = kFrameExact;

  PreviewBtn preview(nullptr, &table);
  preview.resize(745, 310);
  preview.SetLive(card);
  const QRect item(0, 0, 745, 310);
  QImage screen(item.size(), QImage::Format_RGB32);
  QPainter dc(&screen);
  preview.Paint(dc, item);
  for (auto _ : state) {
    preview.Paint(dc, item);
    benchmark::ClobberMemory();
  }
  state.counters["ndiv"] = preview.Geometry().ndiv;
  state.counters["backgroundBuilds"] = preview.RendererStats().backgroundBuilds;
}
BENCHMARK(BM_PreviewPaintCached)->Unit(benchmark::kMillisecond);

}  // namespace
