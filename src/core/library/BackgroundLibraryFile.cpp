#include "core/library/BackgroundLibraryFile.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "core/storage/ByteReader.h"
#include "core/storage/ByteWriter.h"
#include "core/storage/FileIo.h"

namespace tavolo {

namespace {

// The first header word is not read back; it marks the layout written here.
constexpr uint32_t kLibraryLayout = 1;

// Adds (sign 1) or subtracts (sign −1) the key, byte i of the data taking key byte i mod 17. The
// library is read whole at every start: the key is laid out over a block of whole repeats, so the
// inner loop runs without a remainder per byte and the compiler makes vector code of it.
void AddKey(std::span<uint8_t> data, int sign) {
  constexpr size_t kRepeats = 64;
  constexpr size_t kBlock = kRepeats * kLibraryKey.size();
  std::array<uint8_t, kBlock> key{};
  for (size_t i = 0; i < kBlock; ++i) {
    key[i] = static_cast<uint8_t>(sign * static_cast<uint8_t>(kLibraryKey[i % kLibraryKey.size()]));
  }
  for (size_t start = 0; start < data.size(); start += kBlock) {
    const size_t n = std::min(kBlock, data.size() - start);
    uint8_t* block = data.data() + start;
    for (size_t i = 0; i < n; ++i) block[i] = static_cast<uint8_t>(block[i] + key[i]);
  }
}

}  // namespace

void Scramble(std::span<uint8_t> data) {
  AddKey(data, 1);
}

void Descramble(std::span<uint8_t> data) {
  AddKey(data, -1);
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
  const Outcome<> written = WriteFileReplacing(path, bytes);
  if (!written && error != nullptr) *error = written.Message();
  return written.Ok();
}

}  // namespace tavolo
