// Sheet products: what the print dialog reads when it opens (the shipped makers' files, gLabels'
// label database when it is installed, the user's page layouts) and one search as the user types.
#include <benchmark/benchmark.h>

#include "core/base/ProgramFolder.h"
#include "core/print/LabelDatabase.h"
#include "core/print/SheetCatalogue.h"
#include "core/print/SheetSearch.h"

namespace {

using namespace tavolo;

void BM_LoadSheetCatalogue(benchmark::State& state) {
  const SheetProductSources sources = InstalledSheetProductSources();
  size_t products = 0;
  for (auto _ : state) {
    const SheetCatalogue catalogue = LoadSheetCatalogue(sources);
    products = catalogue.products.size();
    benchmark::DoNotOptimize(products);
  }
  state.counters["products"] = static_cast<double>(products);
}
BENCHMARK(BM_LoadSheetCatalogue)->Unit(benchmark::kMillisecond);

void BM_ReadLabelDatabase(benchmark::State& state) {
  const std::vector<std::filesystem::path> folders = LabelDatabaseFolders();
  size_t products = 0;
  for (auto _ : state) {
    products = ReadLabelDatabase(folders).products.size();
    benchmark::DoNotOptimize(products);
  }
  state.counters["products"] = static_cast<double>(products);
}
BENCHMARK(BM_ReadLabelDatabase)->Unit(benchmark::kMillisecond);

void BM_SearchSheetProducts(benchmark::State& state) {
  const SheetCatalogue catalogue = LoadSheetCatalogue(InstalledSheetProductSources());
  const QString text = state.range(0) == 0 ? QString() : QStringLiteral("avery 5881");
  for (auto _ : state) {
    benchmark::DoNotOptimize(SearchSheetProducts(catalogue.products, text, {}, "A4"));
  }
}
BENCHMARK(BM_SearchSheetProducts)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
