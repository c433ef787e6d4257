// libtiff reading from and writing to memory: the client procedures, the message handlers that
// keep libtiff's messages for the image's last error, and the handle that closes the file.
#pragma once

#include <tiffio.h>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "core/imaging/codecs/MemoryStreams.h"

namespace tavolo::codecs {

// What libtiff's client procedures and message handlers work on.
struct TiffStream {
  std::span<const uint8_t> input;
  std::vector<uint8_t>* output = nullptr;
  size_t outputBase = 0;  // where the TIFF file starts in *output
  uint64_t position = 0;
  MessageBuffer error;
  MessageBuffer warning;

  uint64_t Size() const { return output ? output->size() - outputBase : input.size(); }
};

struct TiffCloser {
  void operator()(TIFF* tif) const { TIFFClose(tif); }
};
using TiffHandle = std::unique_ptr<TIFF, TiffCloser>;

// Opens `stream` with libtiff's `mode` ("rm" to read, "w" to write); null when libtiff refuses,
// its reason in stream.error. No single allocation of libtiff's for the file may pass 1 GiB.
TiffHandle OpenTiff(TiffStream& stream, const char* mode);

}  // namespace tavolo::codecs
