#include "core/merge/MergeData.h"

#include <cerrno>

#include "core/merge/CsvReader.h"
#include "core/merge/MergeText.h"
#include "core/merge/VCardReader.h"
#include "core/storage/FileIo.h"
#include "core/storage/PrintableName.h"

namespace tavolo {

Outcome<MergeTable> ReadMergeData(const std::filesystem::path& path) {
  const std::string name = PrintableName(path.filename().string());
  const Outcome<std::vector<uint8_t>> bytes = ReadWholeFile(path, kMaxMergeFileBytes);
  if (!bytes) {
    if (bytes.Error() == EFBIG) {
      return Failure{name + " is larger than " + std::to_string(kMaxMergeFileBytes >> 20) +
                     " MB; split it into smaller files."};
    }
    return Failure{bytes.Message(), bytes.Error()};
  }
  Outcome<QString> text = DecodeMergeText(bytes.Value(), name);
  if (!text) return Failure{text.Message()};
  const std::string extension = path.extension().string();
  const bool vcard = extension == ".vcf" || extension == ".VCF" || extension == ".vcard" ||
                     LooksLikeVCard(text.Value());
  Outcome<MergeTable> table = vcard ? ReadVCards(text.Value(), name) : ReadCsv(text.Value(), name);
  if (table && table.Value().rows.empty()) return Failure{name + " holds no records."};
  return table;
}

}  // namespace tavolo
