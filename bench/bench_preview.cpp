// The card preview: one paint of a 745 × 310 preview (backdrop strips, the card at divisor 3 from
// its cached background, the copy to the target), as every text edit costs; and one step of a
// photo dragged on it (the photo moved by a card pixel, then the paint), for a photo of the size
// a camera gives.
#include <benchmark/benchmark.h>

#include <filesystem>

#include <QApplication>
#include <QPainter>

#include "BenchCards.h"
#include "core/card/BackgroundTable.h"
#include "core/document/CardDocument.h"
#include "ui/card/CardPreview.h"

namespace {

using namespace tavolo;

void BM_PreviewPaintCached(benchmark::State& state) {
  BackgroundTable table;
  table.Append({}, bench::NoisyBackground(), 0.0f);
  const CardState card = bench::BenchCard();

  CardDocument document(&table, {});
  document.LoadProject(card, {});
  CardPreview preview(document);
  preview.resize(745, 310);
  const QRect item(0, 0, 745, 310);
  QImage screen(item.size(), QImage::Format_RGB32);
  QPainter dc(&screen);
  preview.Paint(dc, item);
  for (auto _ : state) {
    preview.Paint(dc, item);
    benchmark::ClobberMemory();
  }
  state.counters["ndiv"] = preview.Geometry().divisor;
  state.counters["backgroundBuilds"] = document.Renderer().GetStats().backgroundBuilds;
}
BENCHMARK(BM_PreviewPaintCached)->Unit(benchmark::kMillisecond);

void BM_PreviewDragPhotoStep(benchmark::State& state) {
  BackgroundTable table;
  table.Append({}, bench::NoisyBackground(), 0.0f);
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / "tavolo-bench-drag";
  std::filesystem::create_directories(folder);
  const int side = static_cast<int>(state.range(0));
  RasterImage photo;
  photo.Create(side, side * 3 / 4, 24, kFormatJpeg);
  // Gradients with noise decode about as slowly as a real photo does.
  uint32_t seed = 1;
  for (int y = 0; y < side * 3 / 4; ++y) {
    uint8_t* row = photo.GetBits(y);
    for (int x = 0; x < 3 * side; ++x) {
      seed = seed * 1664525u + 1013904223u;
      row[x] = static_cast<uint8_t>((x / 3 + y) / 16 + (seed >> 28));
    }
  }
  if (!photo.Save(folder / "photo.jpg", kFormatJpeg)) {
    state.SkipWithError("the photo could not be written");
    return;
  }
  CardState card = bench::BenchCard();
  card.photo.name = QStringLiteral("photo.jpg");
  card.photo.width = static_cast<float>(side);
  card.photo.height = static_cast<float>(side * 3 / 4);
  card.photo.reduction = 1.0f - 400.0f / static_cast<float>(side);

  CardDocument document(&table, folder);
  document.LoadProject(card, {});
  CardPreview preview(document);
  preview.resize(745, 310);
  const QRect item(0, 0, 745, 310);
  QImage screen(item.size(), QImage::Format_RGB32);
  QPainter dc(&screen);
  preview.Paint(dc, item);
  for (auto _ : state) {
    CardState moved = document.Live();
    moved.photo.x += 1.0f;
    document.SetLive(moved);
    preview.Paint(dc, item);
    benchmark::ClobberMemory();
  }
  state.counters["photoLoads"] = document.Renderer().GetStats().Loads(PictureKind::kPhoto);
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_PreviewDragPhotoStep)->Arg(800)->Arg(4000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return tavolo::bench::RunWithApplication<QApplication>(argc, argv);
}
