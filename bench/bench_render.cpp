// The card compositor: a full-size card with and without its cached background, the preview size,
// and the export of a rendered card in every format.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <optional>
#include <system_error>

#include <QGuiApplication>

#include "BenchCards.h"
#include "core/card/BackgroundTable.h"
#include "core/card/CardRenderer.h"
#include "core/card/LineSource.h"
#include "core/formats/ImageExport.h"
#include "core/library/BackgroundLibrary.h"

namespace {

using namespace tavolo;

struct Scene {
  BackgroundTable table;
  CardState card;
  Scene() {
    bench::EnsureApplication<QGuiApplication>();
    table.Append({}, bench::NoisyBackground(), 0.0f);
    card = bench::BenchCard();
    card.satShift = -0.05f;
    card.lightShift = 0.05f;
    card.styles[0].size = QStringLiteral("52");
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
  card.backgroundIndex = 5;
  CardRenderer renderer(&shipped, std::filesystem::temp_directory_path());
  const CardLines lines(card);
  for (auto _ : state) {
    renderer.DropBackgroundCache();
    benchmark::DoNotOptimize(renderer.Render(card, lines, 1, 1062, 615));
  }
}
BENCHMARK(BM_RenderFullUncachedShippedBackground)->Unit(benchmark::kMillisecond);

void BM_RenderPreviewDivisor3(benchmark::State& state) {
  Scene& s = SharedScene();
  CardRenderer renderer(&s.table, std::filesystem::temp_directory_path());
  const CardLines lines(s.card);
  renderer.Render(s.card, lines, 3, 354, 205);
  for (auto _ : state) benchmark::DoNotOptimize(renderer.Render(s.card, lines, 3, 354, 205));
}
BENCHMARK(BM_RenderPreviewDivisor3)->Unit(benchmark::kMillisecond);

void BM_Export(benchmark::State& state) {
  Scene& s = SharedScene();
  CardRenderer renderer(&s.table, std::filesystem::temp_directory_path());
  const QImage card = renderer.Render(s.card, CardLines(s.card), 1, 1062, 615);
  const auto format = static_cast<int>(state.range(0));
  const auto file = std::filesystem::temp_directory_path() / "tavolo-bench-export";
  for (auto _ : state) {
    benchmark::DoNotOptimize(WriteExportImage(card, file, format, 90, s.card.dpi));
  }
  std::error_code ec;
  state.counters["file_kB"] = static_cast<double>(std::filesystem::file_size(file, ec)) / 1024.0;
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
