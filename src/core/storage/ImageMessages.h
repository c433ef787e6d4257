// The image layer's messages that hold a value, each with its placeholders: the one table that
// the layer fills and that the engine matches a passed-on message against to translate it. It
// lies beside the file messages, at the bottom, so that the engine's translation reads both
// tables without reaching into the image layer.
#pragma once

#include <array>

#include "core/storage/UserText.h"

namespace tavolo {

// %1 is the file layer's own message.
inline constexpr const char* kCannotOpenForReading = UserText("Can't open file for reading: %1");
// %1 is the longest side in pixels, %2 the most megapixels.
inline constexpr const char* kImageTooLargeLimits =
    UserText("Image too large: at most %1 pixels a side and %2 megapixels");

inline constexpr std::array kImageMessageTexts = {kCannotOpenForReading, kImageTooLargeLimits};

}  // namespace tavolo
