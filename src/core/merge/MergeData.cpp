#include "core/merge/MergeData.h"

#include <cerrno>

#include "core/base/Translation.h"
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
      return Failure{TrMessage("%1 is larger than %2 MB; split it into smaller files.", name,
                               kMaxMergeFileBytes >> 20)};
    }
    return TranslatedFailure(bytes);
  }
  Outcome<QString> text = DecodeMergeText(bytes.Value(), name);
  if (!text) return Failure{text.Message()};
  const std::string extension = path.extension().string();
  const bool vcard = extension == ".vcf" || extension == ".VCF" || extension == ".vcard" ||
                     LooksLikeVCard(text.Value());
  Outcome<MergeTable> table = vcard ? ReadVCards(text.Value(), name) : ReadCsv(text.Value(), name);
  if (table && table.Value().rows.empty()) return Failure{TrMessage("%1 holds no records.", name)};
  return table;
}

}  // namespace tavolo
