#include "core/imaging/codecs/TiffStream.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace tavolo::codecs {

namespace {

// The largest single allocation libtiff may make for one file (strip and tile buffers).
constexpr tmsize_t kMaxTiffAllocation = tmsize_t{1} << 30;

int KeepTiffMessage(MessageBuffer& buffer, const char* module, const char* format, va_list args) {
  char text[sizeof buffer.text] = {};
  const int written = module != nullptr ? std::snprintf(text, sizeof text, "%s: ", module) : 0;
  const size_t prefix = std::min<size_t>(std::max(written, 0), sizeof text - 1);
  std::vsnprintf(text + prefix, sizeof text - prefix, format, args);
  buffer.Set(text);
  return 1;  // handled: libtiff must not pass it on to the process-wide handler
}

int OnTiffError(TIFF*, void* user, const char* module, const char* format, va_list args) {
  return KeepTiffMessage(static_cast<TiffStream*>(user)->error, module, format, args);
}

int OnTiffWarning(TIFF*, void* user, const char* module, const char* format, va_list args) {
  TiffStream& stream = *static_cast<TiffStream*>(user);
  KeepTiffMessage(stream.warning, module, format, args);
  // libtiff only warns when a tag's data lies past the end of the file, and then ignores the tag:
  // a palette file cut before its colour map would come back as a grey picture.
  if (stream.error.Empty() &&
      std::strstr(stream.warning.text, "IO error during reading of") != nullptr) {
    stream.error.Set(stream.warning.text);
  }
  return 1;
}

// Messages libtiff raises before it has a handle go to the process-wide handlers, which print
// to stderr; they are switched off once.
void SilenceGlobalTiffHandlers() {
  static const bool silenced = [] {
    TIFFSetErrorHandler(nullptr);
    TIFFSetWarningHandler(nullptr);
    return true;
  }();
  (void)silenced;
}

tmsize_t ReadTiffBytes(thandle_t handle, void* buffer, tmsize_t size) {
  auto* s = static_cast<TiffStream*>(handle);
  if (size <= 0 || s->output != nullptr || s->position >= s->input.size()) return 0;
  const uint64_t n = std::min<uint64_t>(static_cast<uint64_t>(size), s->input.size() - s->position);
  std::memcpy(buffer, s->input.data() + s->position, n);
  s->position += n;
  return static_cast<tmsize_t>(n);
}

tmsize_t WriteTiffBytes(thandle_t handle, void* buffer, tmsize_t size) {
  auto* s = static_cast<TiffStream*>(handle);
  if (size < 0 || s->output == nullptr) return 0;
  const uint64_t end = s->outputBase + s->position + static_cast<uint64_t>(size);
  try {
    if (end > s->output->size()) s->output->resize(end);
  } catch (...) {
    return 0;
  }
  std::memcpy(s->output->data() + s->outputBase + s->position, buffer, static_cast<size_t>(size));
  s->position += static_cast<uint64_t>(size);
  return size;
}

toff_t SeekTiff(thandle_t handle, toff_t offset, int whence) {
  auto* s = static_cast<TiffStream*>(handle);
  const auto delta = static_cast<int64_t>(offset);
  int64_t base = 0;
  if (whence == SEEK_CUR) {
    base = static_cast<int64_t>(s->position);
  } else if (whence == SEEK_END) {
    base = static_cast<int64_t>(s->Size());
  } else if (whence != SEEK_SET) {
    return static_cast<toff_t>(-1);
  }
  if (whence == SEEK_SET) {
    if (offset > static_cast<toff_t>(INT64_MAX)) return static_cast<toff_t>(-1);
  } else if ((delta > 0 && base > INT64_MAX - delta) || base + delta < 0) {
    return static_cast<toff_t>(-1);
  }
  s->position = whence == SEEK_SET ? offset : static_cast<uint64_t>(base + delta);
  return s->position;
}

int CloseTiff(thandle_t) {
  return 0;
}
toff_t TiffSize(thandle_t handle) {
  return static_cast<TiffStream*>(handle)->Size();
}
int MapTiff(thandle_t, void**, toff_t*) {
  return 0;
}
void UnmapTiff(thandle_t, void*, toff_t) {}

}  // namespace

TiffHandle OpenTiff(TiffStream& stream, const char* mode) {
  SilenceGlobalTiffHandlers();
  std::unique_ptr<TIFFOpenOptions, decltype(&TIFFOpenOptionsFree)> options(TIFFOpenOptionsAlloc(),
                                                                           TIFFOpenOptionsFree);
  if (!options) return nullptr;
  TIFFOpenOptionsSetMaxSingleMemAlloc(options.get(), kMaxTiffAllocation);
  TIFFOpenOptionsSetErrorHandlerExtR(options.get(), OnTiffError, &stream);
  TIFFOpenOptionsSetWarningHandlerExtR(options.get(), OnTiffWarning, &stream);
  return TiffHandle(TIFFClientOpenExt("memory", mode, &stream, ReadTiffBytes, WriteTiffBytes,
                                      SeekTiff, CloseTiff, TiffSize, MapTiff, UnmapTiff,
                                      options.get()));
}

}  // namespace tavolo::codecs
