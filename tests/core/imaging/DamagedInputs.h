// Checks that decoders fail cleanly, or decode something sound, on damaged input.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/imaging/RasterImage.h"

namespace tavolo::test {

// A decode either failed cleanly, empty and with a reason, or yielded an image whose storage
// matches its size, within the size limit, with the palette its depth has.
void ExpectSoundResult(bool decoded, const RasterImage& image);

// Decodes the bytes with the format code and with detection, and checks both results.
void ExpectCleanDecodes(std::span<const uint8_t> bytes, int format);

// Checks every damaged copy of a good file: cut at every length in the first 64 bytes and at 40
// lengths spread over the rest, and with each of its first 160 bytes flipped by five masks.
void ExpectDecodersSurvive(std::span<const uint8_t> good, int format);

}  // namespace tavolo::test
