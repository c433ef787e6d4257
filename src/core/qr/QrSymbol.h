// A QR code's modules, encoded from its text with libqrencode: error correction level M, the
// text's UTF-8 bytes in 8-bit mode, the smallest version they fit. A text that is not plain ASCII
// starts with the ECI designator for UTF-8, so that a reader never has to guess the character
// set (and guess Shift JIS, say, for "Siobhán").
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QString>

#include "core/storage/Outcome.h"

namespace tavolo {

// The quiet zone around the modules, in modules on each side.
inline constexpr int kQrQuietModules = 4;
// What a version-40 code holds at level M in 8-bit mode: without the ECI designator, and with it.
inline constexpr int kMaxQrBytes = 2331;
inline constexpr int kMaxQrBytesWithEci = 2330;

struct QrSymbol {
  int width = 0;              // modules a side, quiet zone excluded
  std::vector<uint8_t> dark;  // row by row, 1 for a dark module
  bool Dark(int column, int row) const {
    return dark[static_cast<size_t>(row) * static_cast<size_t>(width) +
                static_cast<size_t>(column)] != 0;
  }
  // Modules a side with the quiet zone.
  int Span() const { return width + 2 * kQrQuietModules; }
};

// A failure names the text's size and what the largest code holds when the text does not fit.
Outcome<QrSymbol> EncodeQrSymbol(const QString& text);

// The modules a side (quiet zone excluded) of the code EncodeQrSymbol makes of `text`, worked out
// from its size alone; empty when no code holds it.
std::optional<int> QrSymbolWidth(const QString& text);

}  // namespace tavolo
