// libFuzzer target for the background library file: any input, scrambled as it lies on disk,
// parses without reading outside it, and the records read write back to a file that parses to
// the same records.
#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "FuzzRequire.h"
#include "core/library/BackgroundLibraryFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> plain(data, data + size);
  tavolo::Descramble(plain);
  const tavolo::ParsedLibrary parsed = tavolo::ParseBackgroundLibrary(plain);

  const auto jpeg = [](const std::vector<uint8_t>& bytes, const tavolo::LibraryRecord& record) {
    Require(record.jpegOffset <= bytes.size() &&
            record.jpegLength <= bytes.size() - record.jpegOffset);
    return std::span(bytes).subspan(record.jpegOffset, record.jpegLength);
  };
  std::vector<tavolo::LibraryEntry> entries;
  for (const tavolo::LibraryRecord& record : parsed.records) {
    const std::span<const uint8_t> picture = jpeg(plain, record);
    entries.push_back({record.name, record.hue, {picture.begin(), picture.end()}});
  }

  std::vector<uint8_t> written = tavolo::SerializeBackgroundLibrary(entries);
  tavolo::Descramble(written);
  const tavolo::ParsedLibrary again = tavolo::ParseBackgroundLibrary(written);
  Require(!again.truncated && again.records.size() == entries.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    Require(again.records[i].name == entries[i].name);
    Require(std::bit_cast<uint32_t>(again.records[i].hue) ==
            std::bit_cast<uint32_t>(entries[i].hue));
    const std::span<const uint8_t> picture = jpeg(written, again.records[i]);
    Require(
        std::equal(picture.begin(), picture.end(), entries[i].jpeg.begin(), entries[i].jpeg.end()));
  }
  return 0;
}
