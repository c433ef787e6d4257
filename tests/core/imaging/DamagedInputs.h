// Damaged copies of a good file, for checking that decoders fail cleanly (or decode something
// sound) on truncated and corrupted input.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tavolo::test {

struct DamagedInput {
  std::string description;
  std::vector<uint8_t> bytes;
};

// The file cut at many lengths (every length in the first 64 bytes, then spread over the rest),
// and copies with single header bytes inverted or set to 0xFF.
std::vector<DamagedInput> DamagedVariants(std::span<const uint8_t> good);

// Decodes every variant with the given format code and checks that each either fails with an
// empty image and a message, or gives a valid image of a sane size.
void ExpectDecodersSurvive(std::span<const uint8_t> good, int format);

}  // namespace tavolo::test
