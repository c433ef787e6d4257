// Start-up cost of the background table: reading and decoding the shipped library file.
#include <benchmark/benchmark.h>

#include "BenchCards.h"
#include "core/library/BackgroundLibrary.h"

namespace {

void BM_ReadBGFileShippedLibrary(benchmark::State& state) {
  const auto folder = tavolo::bench::BinFolder();
  int count = 0;
  for (auto _ : state) {
    tavolo::BackgroundTable table;
    const auto result = tavolo::ReadBGFileIn(table, folder);
    if (!result.Ok()) {
      state.SkipWithError(result.message.c_str());
      return;
    }
    count = table.Count();
    benchmark::DoNotOptimize(table);
  }
  state.counters["backgrounds"] = count;
}
BENCHMARK(BM_ReadBGFileShippedLibrary)->Unit(benchmark::kMillisecond);

}  // namespace
