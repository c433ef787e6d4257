#include "core/library/BackgroundLibraryFile.h"

#include <algorithm>
#include <cstring>

#include "core/storage/ByteReader.h"
#include "core/storage/ByteWriter.h"
#include "core/storage/FileIo.h"

namespace tavolo {

namespace {

// The first header word is not read back; it marks the layout written here.
constexpr uint32_t kLibraryLayout = 1;

}  // namespace

void Scramble(std::span<uint8_t> data) {
  for (size_t i = 0; i < data.size(); ++i) {
    data[i] =
        static_cast<uint8_t>(data[i] + static_cast<uint8_t>(kLibraryKey[i % kLibraryKey.size()]));
  }
}

void Descramble(std::span<uint8_t> data) {
  for (size_t i = 0; i < data.size(); ++i) {
    data[i] =
        static_cast<uint8_t>(data[i] - static_cast<uint8_t>(kLibraryKey[i % kLibraryKey.size()]));
  }
}

ParsedLibrary ParseBackgroundLibrary(std::span<const uint8_t> data, uint32_t maxRecords) {
  ParsedLibrary parsed;
  ByteReader in(data);
  in.Skip(4);  // not interpreted
  parsed.declaredCount = in.U32();
  if (!in.ok()) {
    parsed.truncated = true;
    return parsed;
  }
  const uint32_t wanted = std::min(parsed.declaredCount, maxRecords);
  for (uint32_t j = 0; j < wanted; ++j) {
    LibraryRecordView record;
    const uint32_t length = in.U32();
    record.hue = in.F32();
    const std::span<const uint8_t> name = in.Bytes(kBackgroundNameBytes);
    record.jpeg = in.Bytes(length);
    if (!in.ok()) {
      parsed.truncated = true;
      break;
    }
    std::memcpy(record.name.data(), name.data(), kBackgroundNameBytes);
    parsed.records.push_back(record);
  }
  return parsed;
}

std::vector<uint8_t> SerializeBackgroundLibrary(std::span<const LibraryEntry> entries) {
  std::vector<uint8_t> bytes;
  ByteWriter out(bytes);
  out.PutU32(kLibraryLayout);
  out.PutU32(static_cast<uint32_t>(entries.size()));
  for (const LibraryEntry& entry : entries) {
    out.PutU32(static_cast<uint32_t>(entry.jpeg.size()));
    out.PutF32(entry.hue);
    out.PutBytes(entry.name);
    out.PutBytes(entry.jpeg);
  }
  Scramble(bytes);
  return bytes;
}

bool WriteBackgroundLibrary(const std::filesystem::path& path,
                            std::span<const LibraryEntry> entries, std::string* error) {
  const std::vector<uint8_t> bytes = SerializeBackgroundLibrary(entries);
  const FileWriteResult result = WriteFileReplacing(path, bytes);
  if (!result.ok && error != nullptr) *error = result.message;
  return result.ok;
}

}  // namespace tavolo
