// The card preview: one paint of a 745 × 310 preview (backdrop strips, the card at divisor 3 from
// its cached background, the copy to the target), as every text edit costs.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>

#include "BenchCards.h"
#include "core/card/BackgroundTable.h"
#include "core/card/CardDocument.h"
#include "ui/card/CardPreview.h"

namespace {

using namespace tavolo;

void BM_PreviewPaintCached(benchmark::State& state) {
  bench::EnsureApplication<QApplication>();
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

}  // namespace
