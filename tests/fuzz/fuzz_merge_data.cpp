// libFuzzer target for a merge's data file, built twice: as CSV (fuzz_csv) and as vCard
// (fuzz_vcard, TAVOLO_FUZZ_VCARD defined, read from the bytes as they are). Any bytes read
// without harm; a table that reads keeps its values within the limit and its rows' lines in file
// order, and maps to records, each row a record or a problem.
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
  const tavolo::Outcome<tavolo::MergeTable> table =
      tavolo::ReadVCards(std::span(data, size), "fuzz");
#else
  const tavolo::Outcome<tavolo::MergeTable> table = tavolo::ReadCsv(text.Value(), "fuzz");
#endif
  if (!table) {
    Require(!table.Message().empty());
    return 0;
  }
  int lastLine = 0;
  for (size_t row = 0; row < table.Value().RowCount(); ++row) {
    Require(table.Value().Line(row) > lastLine);
    lastLine = table.Value().Line(row);
    for (qsizetype c = 0; c < table.Value().CellCount(row); ++c) {
      Require(table.Value().Cell(row, c).size() <= tavolo::kMaxMergeValueLength);
    }
  }
  auto shared = std::make_shared<const tavolo::MergeTable>(std::move(table).Value());
  const tavolo::MergeRecords records(shared, tavolo::MappingByHeader(shared->columns));
  Require(records.Count() + records.Problems().size() == shared->RowCount());
  return 0;
}
