#include "core/library/BackgroundLibraryFile.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "core/base/Translation.h"
#include "core/storage/ByteReader.h"
#include "core/storage/ByteWriter.h"
#include "core/storage/FileIo.h"

namespace tavolo {

namespace {

// The first header word is not read back; it marks the layout written here.
constexpr uint32_t kLibraryLayout = 1;

constexpr size_t kRecordHeaderBytes = 8 + kBackgroundNameBytes;

// Adds (sign 1) or subtracts (sign −1) the key, byte i of the file taking key byte i mod 17; the
// data starts at byte `offset` of the file. The key is laid out over a block of whole repeats, so
// the inner loop runs without a remainder per byte and the compiler makes vector code of it.
void AddKey(std::span<uint8_t> data, int sign, uint64_t offset) {
  constexpr size_t kRepeats = 64;
  constexpr size_t kBlock = kRepeats * kLibraryKey.size();
  const size_t phase = static_cast<size_t>(offset % kLibraryKey.size());
  std::array<uint8_t, kBlock> key{};
  for (size_t i = 0; i < kBlock; ++i) {
    const auto letter = static_cast<uint8_t>(kLibraryKey[(i + phase) % kLibraryKey.size()]);
    key[i] = static_cast<uint8_t>(sign * letter);
  }
  for (size_t start = 0; start < data.size(); start += kBlock) {
    const size_t n = std::min(kBlock, data.size() - start);
    uint8_t* block = data.data() + start;
    for (size_t i = 0; i < n; ++i) block[i] = static_cast<uint8_t>(block[i] + key[i]);
  }
}

}  // namespace

void Scramble(std::span<uint8_t> data) {
  AddKey(data, 1, 0);
}

void Descramble(std::span<uint8_t> data, uint64_t offset) {
  AddKey(data, -1, offset);
}

ParsedLibrary ParseBackgroundLibrary(uint64_t size, const LibraryBytes& read, uint32_t maxRecords) {
  ParsedLibrary parsed;
  std::array<uint8_t, 8> header{};
  if (size < header.size() || !read(0, header)) {
    parsed.truncated = true;
    return parsed;
  }
  ByteReader counts(header);
  counts.Skip(4);  // not interpreted
  parsed.declaredCount = counts.U32();
  const uint32_t wanted = std::min(parsed.declaredCount, maxRecords);
  uint64_t at = header.size();
  for (uint32_t j = 0; j < wanted; ++j) {
    std::array<uint8_t, kRecordHeaderBytes> bytes{};
    if (size - at < bytes.size() || !read(at, bytes)) {
      parsed.truncated = true;
      break;
    }
    ByteReader in(bytes);
    LibraryRecord record;
    record.jpegLength = in.U32();
    record.hue = in.F32();
    std::memcpy(record.name.data(), in.Bytes(kBackgroundNameBytes).data(), kBackgroundNameBytes);
    record.jpegOffset = at + bytes.size();
    if (size - record.jpegOffset < record.jpegLength) {
      parsed.truncated = true;
      break;
    }
    parsed.records.push_back(record);
    at = record.jpegOffset + record.jpegLength;
  }
  return parsed;
}

ParsedLibrary ParseBackgroundLibrary(std::span<const uint8_t> data, uint32_t maxRecords) {
  return ParseBackgroundLibrary(
      data.size(),
      [data](uint64_t offset, std::span<uint8_t> out) {
        std::memcpy(out.data(), data.data() + offset, out.size());
        return true;
      },
      maxRecords);
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

Outcome<> WriteBackgroundLibrary(const std::filesystem::path& path,
                                 std::span<const LibraryEntry> entries) {
  const Outcome<> written = WriteFileReplacing(path, SerializeBackgroundLibrary(entries));
  if (!written) return Failure{TranslatedMessage(written.Message()), written.Error()};
  return {};
}

}  // namespace tavolo
