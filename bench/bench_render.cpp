// The card compositor: a full-size card with and without its cached background, the preview size,
// and the export of a rendered card in every format.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <optional>

#include <QGuiApplication>

#include "card/CardRenderer.h"
#include "card/LayoutTable.h"
#include "card/LineSource.h"
#include "io/ImageExport.h"
#include "library/BackgroundLibrary.h"
#include "library/BackgroundTable.h"

namespace {

using namespace tavolo;

void EnsureGuiApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "bench_render";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
}

// A background as a decoded JPEG looks to the tint: smooth colours with a little noise in every
// pixel, so few colours repeat.
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

struct Scene {
  BackgroundTable table;
  CardState card;
  Scene() {
    EnsureGuiApplication();
    table.Append({}, NoisyBackground(), 0.0f);
    card.pnmb = 0;
    card.lnmb = 0;
    card.boxCount = FieldDistribution(0, DefaultNamedValues(), card.lines);
    card.hueShift = 0.15f;
    card.satShift = -0.05f;
    card.lightShift = 0.05f;
    card.bgShift = 0.1f;
    card.gradScale = 0.4f;
    card.styles[0].size = QStringLiteral("52");
    card.styles[0].frameMode = kFrameCardLong;
    card.styles[0].opacity = 0.4f;
    card.styles[3].frameMode = kFrameExact;
    for (TextBoxStyle& s : card.styles) s.brightness = 0.1f;
  }
};

Scene& SharedScene() {
  static Scene scene;
  return scene;
}

void BM_RenderFullCached(benchmark::State& state) {
  Scene& s = SharedScene();
  CardRenderer renderer(&s.table, std::filesystem::temp_directory_path());
  const CardLines lines(s.card);
  renderer.Render(s.card, lines, 1, 1062, 615);
  for (auto _ : state) benchmark::DoNotOptimize(renderer.Render(s.card, lines, 1, 1062, 615));
}
BENCHMARK(BM_RenderFullCached)->Unit(benchmark::kMillisecond);

void BM_RenderFullUncachedWithTint(benchmark::State& state) {
  Scene& s = SharedScene();
  CardRenderer renderer(&s.table, std::filesystem::temp_directory_path());
  const CardLines lines(s.card);
  for (auto _ : state) {
    renderer.DropBackgroundCache();
    benchmark::DoNotOptimize(renderer.Render(s.card, lines, 1, 1062, 615));
  }
}
BENCHMARK(BM_RenderFullUncachedWithTint)->Unit(benchmark::kMillisecond);

// The same with a background of the shipped library, when the build has drawn it.
void BM_RenderFullUncachedShippedBackground(benchmark::State& state) {
  static BackgroundTable shipped;
  static const bool loaded = ReadBGFile(shipped).Ok() && shipped.Count() > 5;
  if (!loaded) {
    state.SkipWithError("no background library beside the benchmark");
    return;
  }
  Scene& s = SharedScene();
  CardState card = s.card;
  card.pnmb = 5;
  CardRenderer renderer(&shipped, std::filesystem::temp_directory_path());
  const CardLines lines(card);
  for (auto _ : state) {
    renderer.DropBackgroundCache();
    benchmark::DoNotOptimize(renderer.Render(card, lines, 1, 1062, 615));
  }
}
BENCHMARK(BM_RenderFullUncachedShippedBackground)->Unit(benchmark::kMillisecond);

void BM_RenderPreviewNdiv3(benchmark::State& state) {
  Scene& s = SharedScene();
  CardRenderer renderer(&s.table, std::filesystem::temp_directory_path());
  const CardLines lines(s.card);
  renderer.Render(s.card, lines, 3, 354, 205);
  for (auto _ : state) benchmark::DoNotOptimize(renderer.Render(s.card, lines, 3, 354, 205));
}
BENCHMARK(BM_RenderPreviewNdiv3)->Unit(benchmark::kMillisecond);

void BM_Export(benchmark::State& state) {
  Scene& s = SharedScene();
  CardRenderer renderer(&s.table, std::filesystem::temp_directory_path());
  const QImage card = renderer.Render(s.card, CardLines(s.card), 1, 1062, 615);
  const auto format = static_cast<int>(state.range(0));
  const auto file = std::filesystem::temp_directory_path() / "tavolo-bench-export";
  for (auto _ : state) {
    benchmark::DoNotOptimize(WriteExportImage(card, file, format, 90, s.card.dpi));
  }
  std::filesystem::remove(file);
}
BENCHMARK(BM_Export)
    ->ArgName("format")
    ->Arg(kFormatBmp)
    ->Arg(kFormatGif)
    ->Arg(kFormatJpeg)
    ->Arg(kFormatPng)
    ->Arg(kFormatTiff)
    ->Arg(kFormatTga)
    ->Arg(kFormatPcx)
    ->Unit(benchmark::kMillisecond);

}  // namespace
