// The background library file "fl1.tmp": a scrambled stream of records, each a 20-byte name, a hue
// on the 0..239 scale and a complete JPEG file. This is the file format alone, read and written
// from memory; ReadBGFile (BackgroundLibrary.h) turns it into table entries.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/card/BackgroundTable.h"
#include "core/storage/Outcome.h"

namespace tavolo {

// Byte i of the file is stored as (plain + key[i mod 17]) mod 256, counting from the very first
// byte of the file, header included.
inline constexpr std::string_view kLibraryKey = "Kq7=vR2tWn+8dYpLm";

void Scramble(std::span<uint8_t> data);
// `offset`: where in the file the data lies, for a part read on its own.
void Descramble(std::span<uint8_t> data, uint64_t offset = 0);

// One record of the library: its name, its hue, and where its JPEG file lies in the library.
struct LibraryRecord {
  BackgroundName name{};
  float hue = 0.0f;  // 0..239
  uint64_t jpegOffset = 0;
  uint32_t jpegLength = 0;
};

struct ParsedLibrary {
  std::vector<LibraryRecord> records;
  uint32_t declaredCount = 0;  // N as the header states it
  // The data ended before the header or before a record was complete (a length running past the
  // end included): `records` holds the complete ones before that point.
  bool truncated = false;
};

// Fills `out` with the descrambled bytes at `offset` of a library; false when they cannot be read.
using LibraryBytes = std::function<bool(uint64_t offset, std::span<uint8_t> out)>;

// Walks a library of `size` bytes from record to record, reading only the records' headers (the
// pictures are read when they are drawn). Reads at most `maxRecords` records; never asks for
// bytes past `size`.
ParsedLibrary ParseBackgroundLibrary(uint64_t size, const LibraryBytes& read,
                                     uint32_t maxRecords = kMaxBackgrounds);
// The same over descrambled library data in memory.
ParsedLibrary ParseBackgroundLibrary(std::span<const uint8_t> data,
                                     uint32_t maxRecords = kMaxBackgrounds);

// One background to write into a library file.
struct LibraryEntry {
  BackgroundName name{};
  float hue = 0.0f;  // 0..239, as MeanHue measures it
  std::vector<uint8_t> jpeg;
};

// The scrambled bytes of a library file holding `entries` in order.
std::vector<uint8_t> SerializeBackgroundLibrary(std::span<const LibraryEntry> entries);

// Writes a library file (through a temporary file in the same folder, renamed over the target).
Outcome<> WriteBackgroundLibrary(const std::filesystem::path& path,
                                 std::span<const LibraryEntry> entries);

}  // namespace tavolo
