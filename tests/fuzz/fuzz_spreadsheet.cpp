// libFuzzer target for a merge's spreadsheets, built twice: as .ods (fuzz_ods) and as .xlsx
// (fuzz_xlsx, TAVOLO_FUZZ_XLSX defined). The first byte chooses what the rest is: the whole
// archive (zip bombs, damaged archives), or the XML of the part that holds the sheet, or (for
// .xlsx) of its shared strings, packed into an archive here so that the XML is what is fuzzed.
// Any bytes read without harm; a table that reads keeps within the sheet's limits. Run with
// -rss_limit_mb=1024 (scripts/fuzz.sh does): the memory a read takes is the oracle.
#include <zip.h>

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "FuzzRequire.h"
#include "core/merge/OdsReader.h"
#include "core/merge/SpreadsheetCells.h"
#include "core/merge/XlsxReader.h"

namespace {

using Members = std::vector<std::pair<const char*, std::string_view>>;

// The members stored (not deflated) in a ZIP archive made in memory.
std::vector<uint8_t> Pack(const Members& members) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
  zip_source_keep(buffer);
  zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
  for (const auto& [name, text] : members) {
    zip_source_t* source = zip_source_buffer(archive, text.data(), text.size(), 0);
    const zip_int64_t index = zip_file_add(archive, name, source, ZIP_FL_OVERWRITE);
    zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
  }
  zip_close(archive);
  std::vector<uint8_t> bytes;
  if (zip_source_open(buffer) == 0) {
    zip_source_seek(buffer, 0, SEEK_END);
    bytes.resize(static_cast<size_t>(zip_source_tell(buffer)));
    zip_source_seek(buffer, 0, SEEK_SET);
    zip_source_read(buffer, bytes.data(), bytes.size());
    zip_source_close(buffer);
  }
  zip_source_free(buffer);
  zip_error_fini(&error);
  return bytes;
}

#ifdef TAVOLO_FUZZ_XLSX
// The parts of a workbook around the one the input stands for.
constexpr std::string_view kWorkbook =
    "<workbook><sheets><sheet name=\"S\" r:id=\"r1\" xmlns:r=\"r\"/></sheets></workbook>";
constexpr std::string_view kRelations =
    "<Relationships><Relationship Id=\"r1\" Target=\"worksheets/s.xml\"/><Relationship Id=\"r2\" "
    "Type=\"t/sharedStrings\" Target=\"strings.xml\"/></Relationships>";
constexpr std::string_view kSheetOfStrings =
    "<worksheet><sheetData><row><c t=\"s\"><v>0</v></c><c t=\"s\"><v>1</v></c></row><row><c "
    "t=\"s\"><v>2</v></c><c t=\"s\"><v>3</v></c></row></sheetData></worksheet>";
#endif

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  std::vector<uint8_t> archive;
  switch (data[0] % 3) {
    case 0:
      archive.assign(data + 1, data + size);
      break;
#ifdef TAVOLO_FUZZ_XLSX
    case 1:
      archive = Pack({{"xl/workbook.xml", kWorkbook},
                      {"xl/_rels/workbook.xml.rels", kRelations},
                      {"xl/worksheets/s.xml", rest}});
      break;
    default:
      archive = Pack({{"xl/workbook.xml", kWorkbook},
                      {"xl/_rels/workbook.xml.rels", kRelations},
                      {"xl/worksheets/s.xml", kSheetOfStrings},
                      {"xl/strings.xml", rest}});
      break;
#else
    default:
      archive = Pack({{"content.xml", rest}});
      break;
#endif
  }
#ifdef TAVOLO_FUZZ_XLSX
  const tavolo::Outcome<tavolo::MergeTable> table = tavolo::ReadXlsx(archive, "fuzz", {});
#else
  const tavolo::Outcome<tavolo::MergeTable> table = tavolo::ReadOds(archive, "fuzz", {});
#endif
  if (!table) {
    Require(!table.Message().empty());
    return 0;
  }
  Require(table.Value().columns.size() <= tavolo::kMaxSheetColumns);
  int lastLine = 0;
  for (size_t row = 0; row < table.Value().RowCount(); ++row) {
    Require(table.Value().Line(row) > lastLine && table.Value().Line(row) <= tavolo::kMaxSheetRows);
    lastLine = table.Value().Line(row);
    Require(table.Value().CellCount(row) <= tavolo::kMaxSheetColumns);
    for (qsizetype c = 0; c < table.Value().CellCount(row); ++c) {
      Require(table.Value().Cell(row, c).size() <= tavolo::kMaxMergeValueLength);
    }
  }
  return 0;
}
