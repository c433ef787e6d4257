// Start-up cost of the libraries: reading and decoding the shipped background library file and
// the shipped templates with their previews; and the preview that Save Template renders.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <filesystem>

#include "BenchCards.h"
#include "core/library/BackgroundLibrary.h"
#include "core/library/TemplatePreview.h"
#include "core/library/TemplateTable.h"
#include "core/render/CardRenderer.h"

namespace {

using tavolo::bench::BinFolder;

void BM_ReadBGFileShippedLibrary(benchmark::State& state) {
  const auto folder = BinFolder();
  int count = 0;
  for (auto _ : state) {
    tavolo::BackgroundTable table;
    const auto result = tavolo::ReadBGFileIn(table, folder);
    if (!result.Ok()) {
      state.SkipWithError(result.Message().c_str());
      return;
    }
    count = table.Count();
    benchmark::DoNotOptimize(table);
  }
  state.counters["backgrounds"] = count;
}
BENCHMARK(BM_ReadBGFileShippedLibrary)->Unit(benchmark::kMillisecond);

void BM_ReloadTmpsShippedTemplates(benchmark::State& state) {
  const auto folder = BinFolder();
  tavolo::BackgroundTable backgrounds;
  if (const auto loaded = tavolo::ReadBGFileIn(backgrounds, folder); !loaded) {
    state.SkipWithError(loaded.Message().c_str());
    return;
  }
  tavolo::TemplateTable templates;
  for (auto _ : state) {
    const tavolo::TemplateReload reload = templates.ReloadIn(folder, backgrounds);
    if (templates.Count() == 0 || !reload.unopened.empty()) {
      state.SkipWithError("the shipped templates are missing or incomplete: build templates");
      return;
    }
  }
  state.counters["templates"] = templates.Count();
}
BENCHMARK(BM_ReloadTmpsShippedTemplates)->Unit(benchmark::kMillisecond);

void BM_RenderTemplatePreview(benchmark::State& state) {
  const auto folder = BinFolder();
  tavolo::BackgroundTable backgrounds;
  if (const auto loaded = tavolo::ReadBGFileIn(backgrounds, folder); !loaded) {
    state.SkipWithError(loaded.Message().c_str());
    return;
  }
  tavolo::TemplateTable templates;
  templates.ReloadIn(folder, backgrounds);
  if (templates.Count() == 0) {
    state.SkipWithError("no shipped templates: build templates");
    return;
  }
  const tavolo::CardState& card = templates.Entry(0).card;
  tavolo::CardRenderer renderer(&backgrounds, folder / "customphotos");
  for (auto _ : state) {
    renderer.DropBackgroundCache();
    benchmark::DoNotOptimize(tavolo::RenderTemplatePreview(renderer, card));
  }
}
BENCHMARK(BM_RenderTemplatePreview)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return tavolo::bench::RunWithApplication<QGuiApplication>(argc, argv);
}
