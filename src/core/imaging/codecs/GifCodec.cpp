// GIF: the first frame is read through giflib onto the logical screen as an 8-bit palette image;
// palette images are written by our own code (giflib's compressor spends most of its time in its
// string table) as one 8-bit frame with a 256-entry global colour map, and the clear pixels of a
// picture with alpha (which Encode leaves clear or opaque) as a transparent index.
#include <gif_lib.h>

#include <array>
#include <cstring>
#include <memory>

#include "core/imaging/RasterImage.h"
#include "core/imaging/codecs/Codecs.h"
#include "core/imaging/codecs/GifLzw.h"
#include "core/imaging/codecs/GreyRamp.h"
#include "core/imaging/codecs/MemoryStreams.h"
#include "core/storage/UserText.h"

namespace tavolo::codecs {

namespace {

constexpr const char* kWriteError = UserText("Write Error in GIF file");

struct GifReaderCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};

int ReadGifBytes(GifFileType* gif, GifByteType* buffer, int count) {
  if (count <= 0) return 0;
  return static_cast<int>(
      static_cast<ByteSource*>(gif->UserData)->ReadSome(buffer, static_cast<size_t>(count)));
}

void AppendLittle16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void SetGifError(RasterImage& image, int error) {
  const char* text = GifErrorString(error);
  image.SetLastError(text != nullptr ? text : UserText("GIF: unknown error"));
}

constexpr int kNoTransparentIndex = -1;

// Skips extensions up to the first image descriptor, noting the transparent index a graphic
// control extension gives (the last before the frame counts).
bool FindFirstFrame(GifFileType* gif, RasterImage& image, int& transparentIndex) {
  for (;;) {
    GifRecordType type = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif, &type) == GIF_ERROR) {
      SetGifError(image, gif->Error);
      return false;
    }
    if (type == IMAGE_DESC_RECORD_TYPE) return true;
    if (type == TERMINATE_RECORD_TYPE) {
      image.SetLastError(UserText("GIF holds no image"));
      return false;
    }
    if (type == EXTENSION_RECORD_TYPE) {
      int code = 0;
      GifByteType* block = nullptr;
      if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) {
        SetGifError(image, gif->Error);
        return false;
      }
      // The block's first byte is its length: flags, delay (two bytes), index.
      if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr && block[0] >= 4) {
        transparentIndex = (block[1] & 1) != 0 ? block[4] : kNoTransparentIndex;
      }
      while (block != nullptr) {
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) {
          SetGifError(image, gif->Error);
          return false;
        }
      }
    }
  }
}

void SetGifPalette(const ColorMapObject* map, RasterImage& image) {
  if (map == nullptr || map->Colors == nullptr) {
    SetGreyRamp(image);
    return;
  }
  auto palette = image.Palette();
  const size_t count = std::min<size_t>(palette.size(), std::max(map->ColorCount, 0));
  for (size_t i = 0; i < count; ++i) {
    const GifColorType& c = map->Colors[i];
    palette[i] = {c.Blue, c.Green, c.Red, 0};
  }
}

// Reads the frame's rows (in interlaced order when it is interlaced) onto the screen, clipping
// whatever lies outside it.
bool ReadFrame(GifFileType* gif, RasterImage& image) {
  const GifImageDesc& frame = gif->Image;
  if (frame.Width <= 0 || frame.Height <= 0) return true;
  std::vector<GifPixelType> line;
  try {
    line.resize(static_cast<size_t>(frame.Width));
  } catch (const std::bad_alloc&) {
    image.SetLastError(UserText("RasterImage::Create can't allocate memory"));
    return false;
  }
  const int64_t width = image.GetWidth();
  const int64_t height = image.GetHeight();
  const auto placeRow = [&](int64_t y) {
    const int64_t screenY = frame.Top + y;
    if (screenY >= height) return;
    uint8_t* dst = image.GetBits(static_cast<uint32_t>(height - 1 - screenY));
    const int64_t count = std::min<int64_t>(frame.Width, width - frame.Left);
    if (count > 0) std::memcpy(dst + frame.Left, line.data(), static_cast<size_t>(count));
  };
  static constexpr int kPassStart[] = {0, 4, 2, 1};
  static constexpr int kPassStep[] = {8, 8, 4, 2};
  const int passes = frame.Interlace ? 4 : 1;
  for (int pass = 0; pass < passes; ++pass) {
    const int start = frame.Interlace ? kPassStart[pass] : 0;
    const int step = frame.Interlace ? kPassStep[pass] : 1;
    for (int y = start; y < frame.Height; y += step) {
      // Rows below the screen are never seen; a plain frame need not be decoded further.
      if (!frame.Interlace && frame.Top + y >= height) return true;
      if (DGifGetLine(gif, line.data(), frame.Width) == GIF_ERROR) {
        SetGifError(image, gif->Error);
        return false;
      }
      placeRow(y);
    }
  }
  return true;
}

// The index the clear pixels of a picture with alpha are written with: one no opaque pixel uses,
// preferably one the clear pixels use already. kNoTransparentIndex when no pixel is clear, or
// when opaque pixels use all 256 (the clear ones then keep their colours).
int ClearIndex(const RasterImage& image) {
  if (!image.HasAlpha()) return kNoTransparentIndex;
  std::array<bool, 256> opaque{};
  std::array<bool, 256> clear{};
  for (uint32_t y = 0; y < image.GetHeight(); ++y) {
    const uint8_t* alpha = image.GetAlphaRow(y);
    for (uint32_t x = 0; x < image.GetWidth(); ++x) {
      (alpha[x] == 0 ? clear : opaque)[image.GetPixelIndex(x, y)] = true;
    }
  }
  int unused = kNoTransparentIndex;
  bool anyClear = false;
  for (int i = 0; i < 256; ++i) {
    anyClear = anyClear || clear[i];
    if (clear[i] && !opaque[i]) return i;
    if (!clear[i] && !opaque[i] && unused == kNoTransparentIndex) unused = i;
  }
  return anyClear ? unused : kNoTransparentIndex;
}

}  // namespace

bool DecodeGif(std::span<const uint8_t> data, RasterImage& image) {
  if (data.size() < 6 ||
      (std::memcmp(data.data(), "GIF87a", 6) != 0 && std::memcmp(data.data(), "GIF89a", 6) != 0)) {
    image.SetLastError(UserText("Not a GIF"));
    return false;
  }
  ByteSource source(data);
  int error = 0;
  const std::unique_ptr<GifFileType, GifReaderCloser> gif(DGifOpen(&source, ReadGifBytes, &error));
  if (!gif) {
    SetGifError(image, error);
    return false;
  }
  int transparentIndex = kNoTransparentIndex;
  if (!FindFirstFrame(gif.get(), image, transparentIndex)) return false;
  if (DGifGetImageDesc(gif.get()) == GIF_ERROR) {
    SetGifError(image, gif->Error);
    return false;
  }
  const GifImageDesc& frame = gif->Image;
  // Some writers leave the logical screen empty; the frame then sets the size.
  int64_t width = gif->SWidth;
  int64_t height = gif->SHeight;
  if (width <= 0 || height <= 0) {
    width = int64_t{frame.Left} + std::max(frame.Width, 0);
    height = int64_t{frame.Top} + std::max(frame.Height, 0);
  }
  if (!CheckImageSize(static_cast<uint64_t>(std::max<int64_t>(width, 0)),
                      static_cast<uint64_t>(std::max<int64_t>(height, 0)), 8, image) ||
      !image.Create(static_cast<uint32_t>(width), static_cast<uint32_t>(height), 8, kFormatGif)) {
    return false;
  }
  SetGifPalette(frame.ColorMap != nullptr ? frame.ColorMap : gif->SColorMap, image);
  // What the frame does not cover shows the background colour.
  const auto background = static_cast<uint8_t>(gif->SBackGroundColor);
  for (uint32_t y = 0; y < image.GetHeight(); ++y) {
    std::memset(image.GetBits(y), background, image.GetWidth());
  }
  if (!ReadFrame(gif.get(), image)) return false;
  // Without kept alpha the transparent index shows its palette colour.
  if (transparentIndex == kNoTransparentIndex || !image.KeepsAlpha()) return true;
  if (!image.AddAlpha()) return false;
  for (uint32_t y = 0; y < image.GetHeight(); ++y) {
    const uint8_t* row = image.GetBits(y);
    uint8_t* alpha = image.GetAlphaRow(y);
    for (uint32_t x = 0; x < image.GetWidth(); ++x) alpha[x] = row[x] == transparentIndex ? 0 : 255;
  }
  return true;
}

bool EncodeGif(RasterImage& image, std::vector<uint8_t>& out) {
  const uint32_t bpp = image.GetBpp();
  if (bpp != 1 && bpp != 4 && bpp != 8) {
    image.SetLastError(UserText("GIF can save only palette images: reduce the colours first"));
    return false;
  }
  OutputGuard guard(out);
  const uint32_t width = image.GetWidth();
  const uint32_t height = image.GetHeight();
  if (width > 65535 || height > 65535) {
    image.SetLastError(kWriteError);
    return false;
  }
  std::vector<uint8_t> line;
  try {
    line.resize(width);
  } catch (const std::bad_alloc&) {
    image.SetLastError(kWriteError);
    return false;
  }
  const int clearIndex = ClearIndex(image);
  // A transparent index takes a graphic control extension, which needs the 89a version.
  const char* version = clearIndex != kNoTransparentIndex ? "GIF89a" : "GIF87a";
  std::vector<uint8_t> head(version, version + 6);
  AppendLittle16(head, width);
  AppendLittle16(head, height);
  // A global table of 256 entries, 8 bits of colour resolution, background index 0.
  head.insert(head.end(), {0xF7, 0, 0});
  const auto palette = image.Palette();
  for (size_t i = 0; i < 256; ++i) {
    const RgbQuad c = i < palette.size() ? palette[i] : RgbQuad{};
    head.insert(head.end(), {c.red, c.green, c.blue});
  }
  if (clearIndex != kNoTransparentIndex) {
    head.insert(head.end(), {0x21, 0xF9, 4, 1, 0, 0, static_cast<uint8_t>(clearIndex), 0});
  }
  head.push_back(0x2C);
  AppendLittle16(head, 0);
  AppendLittle16(head, 0);
  AppendLittle16(head, width);
  AppendLittle16(head, height);
  head.push_back(0);  // no local table, not interlaced
  bool ok = AppendBytes(out, head.data(), head.size());
  GifLzwWriter data(out);
  for (uint32_t y = 0; ok && y < height; ++y) {
    const uint32_t storageRow = height - 1 - y;
    if (bpp == 8) {
      std::memcpy(line.data(), image.GetBits(storageRow), width);
    } else {
      for (uint32_t x = 0; x < width; ++x) line[x] = image.GetPixelIndex(x, storageRow);
    }
    if (clearIndex != kNoTransparentIndex) {
      const uint8_t* alpha = image.GetAlphaRow(storageRow);
      for (uint32_t x = 0; x < width; ++x) {
        if (alpha[x] == 0) line[x] = static_cast<uint8_t>(clearIndex);
      }
    }
    ok = data.Add(line);
  }
  const uint8_t trailer = 0x3B;
  ok = ok && data.Finish() && AppendBytes(out, &trailer, 1);
  if (!ok) {
    image.SetLastError(kWriteError);
    return false;
  }
  guard.Commit();
  return true;
}

}  // namespace tavolo::codecs
