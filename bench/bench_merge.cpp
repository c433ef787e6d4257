// The cost of a merge's data: a CSV of many records read into its table, the records and their QR
// codes checked, and the shipped spreadsheets read; each per record, so that the figures say how
// a file of a million records fares.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "core/card/QrCodeChunk.h"
#include "core/merge/CsvReader.h"
#include "core/merge/MergeData.h"
#include "core/merge/MergeQrCodes.h"
#include "core/merge/MergeRecords.h"
#include "core/merge/MergeText.h"

namespace {

namespace fs = std::filesystem;

// `rows` records of a team's usual columns.
std::string TeamCsv(int rows) {
  std::string csv = "Company;First Name;Last Name;Job Title;Street;Postcode;City;Phone;E-mail\n";
  for (int i = 0; i < rows; ++i) {
    csv += "Forno Aurora;Anna;Rossi " + std::to_string(i) +
           ";Baker;Via dei Mulini 12;55100;Lucca;+39 0583 410 220;anna@example.org\n";
  }
  return csv;
}

void BM_ReadCsv(benchmark::State& state) {
  const std::string csv = TeamCsv(static_cast<int>(state.range(0)));
  const QString text =
      tavolo::DecodeMergeText({reinterpret_cast<const uint8_t*>(csv.data()), csv.size()}, "b")
          .Value();
  for (auto _ : state) benchmark::DoNotOptimize(tavolo::ReadCsv(text, "b"));
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(csv.size()));
}
BENCHMARK(BM_ReadCsv)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_RecordsAndQrCodes(benchmark::State& state) {
  const std::string csv = TeamCsv(static_cast<int>(state.range(0)));
  const QString text =
      tavolo::DecodeMergeText({reinterpret_cast<const uint8_t*>(csv.data()), csv.size()}, "b")
          .Value();
  auto table = std::make_shared<const tavolo::MergeTable>(tavolo::ReadCsv(text, "b").Value());
  tavolo::CardState card;
  tavolo::SetQrCode(card, tavolo::NewQrCode(card.cardWidth, card.cardHeight));
  for (auto _ : state) {
    const tavolo::MergeRecords records(table, tavolo::MappingByHeader(table->columns));
    benchmark::DoNotOptimize(tavolo::QrCodeProblems(card, records));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RecordsAndQrCodes)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_ReadSpreadsheet(benchmark::State& state, const char* file) {
  const fs::path path = fs::path(TAVOLO_SOURCE_DIR) / "tests/data/merge" / file;
  for (auto _ : state) benchmark::DoNotOptimize(tavolo::ReadMergeData(path));
}
BENCHMARK_CAPTURE(BM_ReadSpreadsheet, ods, "team.ods")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ReadSpreadsheet, xlsx, "team.xlsx")->Unit(benchmark::kMicrosecond);

}  // namespace
