// The sentences of the file messages, each naming the file as %1: the one table that the file
// functions fill and that the engine matches a passed-on message against to translate it.
#pragma once

#include <array>

#include "core/storage/UserText.h"

namespace tavolo {

enum class FileMessage {
  kAccessDenied,
  kDiskFull,
  kNotFound,
  kInvalidPath,
  kUnexpected,
  kFolder,
  kSymbolicLink,
  kNamedPipe,
  kDevice,
  kNotRegularFile,
  kTooLarge,
  kExists,
};

inline constexpr std::array kFileMessageTexts = {
    UserText("Access to %1 was denied."),
    UserText("Disk full while accessing %1."),
    UserText("%1 was not found."),
    UserText("%1 contains an invalid path."),
    UserText("An unexpected error occurred while accessing %1."),
    UserText("%1 is a folder, not a file."),
    UserText("%1 is a symbolic link, not a file."),
    UserText("%1 is a named pipe, not a file."),
    UserText("%1 is a device, not a file."),
    UserText("%1 is not a regular file."),
    UserText("%1 is too large."),
    UserText("%1 exists already."),
};

constexpr const char* FileMessageText(FileMessage which) {
  return kFileMessageTexts[static_cast<size_t>(which)];
}

}  // namespace tavolo
