// The card compositor: a full-size card with and without its cached background, the preview size,
// and the export of a rendered card in every format.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <optional>
#include <system_error>

#include <QGuiApplication>

#include "BenchCards.h"
#include "core/card/BackgroundTable.h"
#include "core/formats/ImageExport.h"
#include "core/library/BackgroundLibrary.h"
#include "core/render/CardRenderer.h"

namespace {

using namespace tavolo;

struct Scene {
  BackgroundTable table;
  CardState card;
  Scene() {
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
  renderer.Render(s.card, 1, 1062, 615);
  for (auto _ : state) benchmark::DoNotOptimize(renderer.Render(s.card, 1, 1062, 615));
}
BENCHMARK(BM_RenderFullCached)->Unit(benchmark::kMillisecond);

void BM_RenderFullUncachedWithTint(benchmark::State& state) {
  Scene& s = SharedScene();
  CardRenderer renderer(&s.table, std::filesystem::temp_directory_path());
  for (auto _ : state) {
    renderer.DropBackgroundCache();
    benchmark::DoNotOptimize(renderer.Render(s.card, 1, 1062, 615));
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
  for (auto _ : state) {
    renderer.DropBackgroundCache();
    benchmark::DoNotOptimize(renderer.Render(card, 1, 1062, 615));
  }
}
BENCHMARK(BM_RenderFullUncachedShippedBackground)->Unit(benchmark::kMillisecond);

void BM_RenderPreviewDivisor3(benchmark::State& state) {
  Scene& s = SharedScene();
  CardRenderer renderer(&s.table, std::filesystem::temp_directory_path());
  renderer.Render(s.card, 3, 354, 205);
  for (auto _ : state) benchmark::DoNotOptimize(renderer.Render(s.card, 3, 354, 205));
}
BENCHMARK(BM_RenderPreviewDivisor3)->Unit(benchmark::kMillisecond);

// The preview as the user types: every rendering has a line changed, so its box is laid out and
// shaped again (the renderings above redraw an unchanged card, whose text layout is kept).
void BM_RenderPreviewWhileTyping(benchmark::State& state) {
  Scene& s = SharedScene();
  CardRenderer renderer(&s.table, std::filesystem::temp_directory_path());
  CardState typed[2] = {s.card, s.card};
  typed[1].lines[0].line[0] += QLatin1Char('x');
  renderer.Render(typed[0], 3, 354, 205);
  int next = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(renderer.Render(typed[next], 3, 354, 205));
    next = 1 - next;
  }
}
BENCHMARK(BM_RenderPreviewWhileTyping)->Unit(benchmark::kMillisecond);

// A 400 × 400 logo in the middle of the card, as the preview redraws it while the text changes:
// loaded and turned once, drawn at every rendering; opaque (0) or with alpha (1), a disc on clear
// ground.
void BM_RenderFullCachedWithLogo(benchmark::State& state) {
  const bool withAlpha = state.range(0) != 0;
  Scene& s = SharedScene();
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "tavolo-bench-logo";
  std::filesystem::create_directories(folder);
  RasterImage logo;
  logo.Create(400, 400, 24, kFormatPng);
  if (withAlpha) logo.AddAlpha();
  for (uint32_t y = 0; y < 400; ++y) {
    for (uint32_t x = 0; x < 400; ++x) {
      logo.SetPixelColour(x, y, {static_cast<uint8_t>(x), static_cast<uint8_t>(y), 90, 0});
      const bool inside = (x - 200.0) * (x - 200.0) + (y - 200.0) * (y - 200.0) < 180.0 * 180.0;
      if (withAlpha) logo.GetAlphaRow(y)[x] = inside ? 255 : 0;
    }
  }
  logo.Save(folder / "logo.png", kFormatPng);
  CardState card = s.card;
  card.logo.name = QStringLiteral("logo.png");
  card.logo.path = QString::fromStdString((folder / "logo.png").string());
  card.logo.width = card.logo.height = 400;
  card.logo.x = 531;
  card.logo.y = 307;
  CardRenderer renderer(&s.table, folder);
  renderer.Render(card, 1, 1062, 615);
  for (auto _ : state) benchmark::DoNotOptimize(renderer.Render(card, 1, 1062, 615));
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_RenderFullCachedWithLogo)
    ->ArgName("alpha")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

// A vCard QR code of a full card's details drawn last; with `encode` the details change at every
// rendering (as from one merged record to the next), so the code is encoded each time.
void BM_RenderFullCachedWithQrCode(benchmark::State& state) {
  Scene& s = SharedScene();
  CardState card = s.card;
  ContactDetails details;
  for (size_t i = 0; i < details.size(); ++i) {
    details[i] = QStringLiteral("Field %1 of the card, ÆØÅ").arg(i);
  }
  card.contact = details;
  card.qrCode = NewQrCode(card.cardWidth, card.cardHeight);
  CardRenderer renderer(&s.table, std::filesystem::temp_directory_path());
  renderer.Render(card, 1, 1062, 615);
  int record = 0;
  for (auto _ : state) {
    if (state.range(0) != 0) {
      details[1] = QStringLiteral("Record %1").arg(++record);
      card.contact = details;
    }
    benchmark::DoNotOptimize(renderer.Render(card, 1, 1062, 615));
  }
}
BENCHMARK(BM_RenderFullCachedWithQrCode)
    ->ArgName("encode")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

void BM_Export(benchmark::State& state) {
  Scene& s = SharedScene();
  CardRenderer renderer(&s.table, std::filesystem::temp_directory_path());
  const QImage card = renderer.Render(s.card, 1, 1062, 615);
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

int main(int argc, char** argv) {
  return tavolo::bench::RunWithApplication<QGuiApplication>(argc, argv);
}
