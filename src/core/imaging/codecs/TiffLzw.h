// TIFF's LZW compression of one strip: codes written high bit first, widened one code before
// they would stop fitting (as every TIFF reader expects), a clear code first and whenever the
// table fills, an end code last.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tavolo::codecs {

// Appends the compressed strip to `out`; false when memory ran out.
bool CompressTiffLzwStrip(std::span<const uint8_t> strip, std::vector<uint8_t>& out);

}  // namespace tavolo::codecs
