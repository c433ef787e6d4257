// libFuzzer target for a merge's data file, built twice: as CSV (fuzz_csv) and as vCard
// (fuzz_vcard, TAVOLO_FUZZ_VCARD defined). Any bytes decode and read without harm; a table that
// reads keeps its values within the limit and its rows' lines in file order, and maps to records.
#include <cstddef>
#include <cstdint>
#include <span>

#include "FuzzRequire.h"
#include "core/merge/CsvReader.h"
#include "core/merge/FieldMapping.h"
#include "core/merge/MergeRecords.h"
#include "core/merge/MergeText.h"
#include "core/merge/VCardReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const tavolo::Outcome<QString> text = tavolo::DecodeMergeText(std::span(data, size), "fuzz");
  if (!text) {
    Require(!text.Message().empty());
    return 0;
  }
#ifdef TAVOLO_FUZZ_VCARD
  const tavolo::Outcome<tavolo::MergeTable> table = tavolo::ReadVCards(text.Value(), "fuzz");
#else
  const tavolo::Outcome<tavolo::MergeTable> table = tavolo::ReadCsv(text.Value(), "fuzz");
#endif
  if (!table) {
    Require(!table.Message().empty());
    return 0;
  }
  int lastLine = 0;
  for (const tavolo::MergeRow& row : table.Value().rows) {
    Require(row.line > lastLine);
    lastLine = row.line;
    for (const QString& cell : row.cells) Require(cell.size() <= tavolo::kMaxMergeValueLength);
  }
  const tavolo::FieldMapping mapping = tavolo::MappingByHeader(table.Value().columns);
  static_cast<void>(tavolo::RecordsOf(table.Value(), mapping));
  return 0;
}
