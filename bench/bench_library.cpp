// Start-up cost of the background table: reading and decoding the shipped library file.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/library/BackgroundLibrary.h"

namespace {

// The benchmarks are built beside the executables, where the build writes fl1.tmp.
std::filesystem::path BinFolder() {
  std::error_code ec;
  return std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
}

void BM_ReadBGFileShippedLibrary(benchmark::State& state) {
  const auto folder = BinFolder();
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
