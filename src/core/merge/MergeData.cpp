#include "core/merge/MergeData.h"

#include <algorithm>
#include <cerrno>

#include "core/base/Translation.h"
#include "core/merge/CsvReader.h"
#include "core/merge/MergeText.h"
#include "core/merge/OdsReader.h"
#include "core/merge/VCardReader.h"
#include "core/merge/XlsxReader.h"
#include "core/merge/ZipMembers.h"
#include "core/storage/FileIo.h"
#include "core/storage/PrintableName.h"

namespace tavolo {

namespace {

bool HasExtension(const std::filesystem::path& path, std::initializer_list<const char*> wanted) {
  const QString extension = QString::fromStdString(path.extension().string());
  for (const char* one : wanted) {
    if (extension.compare(QLatin1StringView(one), Qt::CaseInsensitive) == 0) return true;
  }
  return false;
}

// The old Excel format: a compound document, which begins with these bytes.
bool LooksLikeCompoundDocument(std::span<const uint8_t> bytes) {
  static constexpr uint8_t kMagic[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
  return bytes.size() >= sizeof kMagic &&
         std::equal(std::begin(kMagic), std::end(kMagic), bytes.begin());
}

Outcome<MergeTable> ReadSpreadsheet(std::span<const uint8_t> bytes, const std::string& name,
                                    const std::string& sheet, const MergeProgress& progress) {
  const Outcome<ZipMembers> zip = ZipMembers::Open(bytes, name);
  if (!zip) return Failure{zip.Message()};
  if (zip.Value().Has("xl/workbook.xml")) return ReadXlsx(bytes, name, sheet, progress);
  if (zip.Value().Has("content.xml")) return ReadOds(bytes, name, sheet, progress);
  return Failure{
      TrMessage("%1 is a ZIP archive but no spreadsheet Tavolo reads; save it as "
                ".ods, .xlsx or CSV.",
                name)};
}

}  // namespace

Outcome<MergeTable> ReadMergeData(const std::filesystem::path& path, const std::string& sheet,
                                  const MergeProgress& progress) {
  const std::string name = PrintableName(path.filename().string());
  Outcome<std::vector<uint8_t>> bytes = ReadWholeFile(path, kMaxMergeFileBytes);
  if (!bytes) {
    if (bytes.Error() == EFBIG) {
      return Failure{TrMessage("%1 is larger than %2 MB; split it into smaller files.", name,
                               kMaxMergeFileBytes >> 20)};
    }
    return TranslatedFailure(bytes);
  }
  const std::span<const uint8_t> data = bytes.Value();
  Outcome<MergeTable> table = Failure{};
  if (LooksLikeZip(data)) {
    table = ReadSpreadsheet(data, name, sheet, progress);
  } else if (LooksLikeCompoundDocument(data)) {
    return Failure{
        TrMessage("%1 is a spreadsheet in the old Excel format; save it as .xlsx, "
                  ".ods or CSV.",
                  name)};
  } else if (!sheet.empty()) {
    return Failure{TrMessage("%1 is no spreadsheet: it has no sheets to choose from.", name)};
  } else if (HasExtension(path, {".vcf", ".vcard"}) || LooksLikeVCard(data)) {
    table = ReadVCards(data, name, progress);
  } else {
    Outcome<QString> text = DecodeMergeText(data, name);
    if (!text) return Failure{text.Message()};
    // The bytes go before the text is read, so that they and the table never meet in memory.
    bytes = Failure{};
    table = ReadCsv(text.Value(), name, progress);
  }
  if (table && table.Value().RowCount() == 0) {
    return Failure{TrMessage("%1 holds no records.", name)};
  }
  return table;
}

}  // namespace tavolo
