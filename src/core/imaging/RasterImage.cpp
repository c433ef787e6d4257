#include "core/imaging/RasterImage.h"

#include <algorithm>
#include <cerrno>
#include <new>

#include "core/imaging/codecs/Codecs.h"
#include "core/storage/FileIo.h"
#include "core/storage/ImageMessages.h"
#include "core/storage/UserText.h"

namespace tavolo {

namespace {

// Files larger than this are not images the program could hold.
constexpr uintmax_t kMaxFileBytes = 1ull << 30;

using Decoder = bool (*)(std::span<const uint8_t>, RasterImage&);

struct DecoderEntry {
  int format;
  Decoder decode;
  // The format starts with a signature, so a decoder that finds the picture too large has
  // recognised it; formats without one can take any bytes for a huge header.
  bool hasSignature;
};

// The order in which detection tries the decoders.
constexpr DecoderEntry kDetectionOrder[] = {
    {kFormatBmp, codecs::DecodeBmp, true},    {kFormatJpeg, codecs::DecodeJpeg, true},
    {kFormatIco, codecs::DecodeIco, true},    {kFormatGif, codecs::DecodeGif, true},
    {kFormatPng, codecs::DecodePng, true},    {kFormatTiff, codecs::DecodeTiff, true},
    {kFormatTga, codecs::DecodeTga, false},   {kFormatPcx, codecs::DecodePcx, true},
    {kFormatWbmp, codecs::DecodeWbmp, false},
};

Decoder DecoderFor(int format) {
  for (const auto& entry : kDetectionOrder) {
    if (entry.format == format) return entry.decode;
  }
  return nullptr;
}

uint32_t StrideFor(uint32_t width, uint32_t bpp) {
  return static_cast<uint32_t>(((static_cast<uint64_t>(width) * bpp + 31) / 32) * 4);
}

// The encoder for the format, given the image as it is.
bool EncodeWith(RasterImage& image, std::vector<uint8_t>& out, int format) {
  switch (format) {
    case kFormatBmp:
      return codecs::EncodeBmp(image, out);
    case kFormatGif:
      return codecs::EncodeGif(image, out);
    case kFormatJpeg:
      return codecs::EncodeJpeg(image, out);
    case kFormatPng:
      return codecs::EncodePng(image, out);
    case kFormatTiff:
      return codecs::EncodeTiff(image, out);
    case kFormatTga:
      return codecs::EncodeTga(image, out);
    case kFormatPcx:
      return codecs::EncodePcx(image, out);
    case kFormatIco:
      return codecs::EncodeIco(image, out);
    case kFormatWbmp:
      return codecs::EncodeWbmp(image, out);
    case kFormatWmf:
      image.SetLastError(UserText("Save WMF not supported"));
      return false;
    default:
      if (format > kFormatWmf && format <= kFormatLast) {
        image.SetLastError(UserText("Save JPEG-2000 not supported"));
        return false;
      }
      image.SetLastError(UserText("Encode: Unknown format"));
      return false;
  }
}

}  // namespace

uint32_t RoundBpp(uint32_t bpp) {
  if (bpp <= 1) return 1;
  if (bpp <= 4) return 4;
  if (bpp <= 8) return 8;
  return 24;
}

int32_t DpiToPelsPerMeter(int32_t dpi) {
  // A resolution from a damaged file must not overflow the 32-bit field.
  const double ppm = std::clamp(dpi * 39.37007874015748 + 0.5, 0.0, 2147483647.0);
  return static_cast<int32_t>(ppm);
}

RasterImage::RasterImage(int format) : format_(format) {}

RasterImage::RasterImage(const std::filesystem::path& file, int format, uint64_t maxPixels)
    : format_(format) {
  SetMaxPixels(maxPixels);
  Load(file, format);
}

RasterImage::RasterImage(std::span<const uint8_t> data, int format, uint64_t maxPixels)
    : format_(format) {
  SetMaxPixels(maxPixels);
  Decode(data, format);
}

RasterImage& RasterImage::operator=(const RasterImage& other) {
  if (this == &other) return *this;
  width_ = other.width_;
  height_ = other.height_;
  bpp_ = other.bpp_;
  stride_ = other.stride_;
  format_ = other.format_;
  xPelsPerMeter_ = other.xPelsPerMeter_;
  yPelsPerMeter_ = other.yPelsPerMeter_;
  importantColours_ = other.importantColours_;
  jpegQuality_ = other.jpegQuality_;
  maxPixels_ = other.maxPixels_;
  decodeBudget_ = other.decodeBudget_;
  decodeShrink_ = other.decodeShrink_;
  fileWidth_ = other.fileWidth_;
  fileHeight_ = other.fileHeight_;
  alphaHandling_ = other.alphaHandling_;
  palette_ = other.palette_;
  pixels_ = other.pixels_;
  alpha_ = other.alpha_;
  lastError_ = other.lastError_;
  lastLookupIndex_ = -1;
  return *this;
}

void RasterImage::SetLastError(std::string_view message) {
  lastError_.assign(message.substr(0, 255));
}

bool RasterImage::Load(const std::filesystem::path& file, int format) {
  Destroy();
  const Outcome<std::vector<uint8_t>> read = ReadWholeFile(file, kMaxFileBytes);
  if (!read) {
    const std::string reason[] = {read.Message()};
    SetLastError(read.Error() == EFBIG ? std::string(UserText("File too large"))
                                       : FillPlaceholders(kCannotOpenForReading, reason));
    return false;
  }
  if (Decode(read.Value(), format)) return true;
  if (format > kFormatUnknown && format <= kFormatLast) return Decode(read.Value(), kFormatUnknown);
  return false;
}

bool RasterImage::Decode(std::span<const uint8_t> data, int format) {
  const uint8_t quality = jpegQuality_;
  Destroy();
  jpegQuality_ = quality;
  // Each attempt starts with no message, so a text left by an earlier attempt never survives.
  lastError_.clear();
  if (format == kFormatUnknown) {
    for (const auto& entry : kDetectionOrder) {
      lastError_.clear();
      if (entry.decode(data, *this) && IsValid()) {
        format_ = entry.format;
        DropOpaqueAlpha();
        return true;
      }
      Destroy();
      // A recognised picture that is too large is that, not an unknown format.
      if (entry.hasSignature && lastError_.starts_with(kImageTooLarge)) return false;
    }
    SetLastError(UserText("Decode: Unknown or wrong format"));
    return false;
  }
  const Decoder decode = DecoderFor(format);
  if (decode == nullptr) {
    SetLastError(UserText("Decode: Unknown or wrong format"));
    return false;
  }
  if (decode(data, *this) && IsValid()) {
    format_ = format;
    DropOpaqueAlpha();
    return true;
  }
  const std::string message =
      lastError_.empty() ? std::string(UserText("Decode: Unknown or wrong format")) : lastError_;
  Destroy();
  SetLastError(message);
  return false;
}

bool RasterImage::Encode(std::vector<uint8_t>& out, int format) {
  if (!IsValid()) {
    SetLastError(UserText("Encode: image is empty"));
    return false;
  }
  const AlphaSupport support = AlphaSupportOf(format);
  if (!HasAlpha() || support == AlphaSupport::kFull) return EncodeWith(*this, out, format);
  // The encoders of such formats read the colours alone (GIF a clear index as well): they get the
  // picture as it looks on white.
  RasterImage flat(*this);
  const bool ok = flat.CompositeAlphaOverWhite(support == AlphaSupport::kClearOnly) &&
                  EncodeWith(flat, out, format);
  if (!ok) SetLastError(flat.GetLastError());
  return ok;
}

bool RasterImage::Save(const std::filesystem::path& file, int format) {
  std::vector<uint8_t> bytes;
  if (!Encode(bytes, format)) return false;
  const Outcome<> written = WriteFileReplacing(file, bytes, Durability::kReproducible);
  if (!written) SetLastError(written.Message());
  return written.Ok();
}

bool RasterImage::Create(uint32_t width, uint32_t height, uint32_t bpp, int format) {
  Destroy();
  bpp = RoundBpp(bpp);
  if (!codecs::CheckImageSize(width, height, bpp, *this)) return false;
  try {
    const uint32_t stride = StrideFor(width, bpp);
    pixels_.assign(static_cast<size_t>(stride) * height, 0);
    palette_.assign(bpp == 24 ? 0 : (1u << bpp), RgbQuad{});
    width_ = width;
    height_ = height;
    bpp_ = bpp;
    stride_ = stride;
  } catch (const std::bad_alloc&) {
    Destroy();
    SetLastError(UserText("RasterImage::Create can't allocate memory"));
    return false;
  }
  format_ = format;
  return true;
}

bool RasterImage::CreateFromPixels(std::span<const uint32_t> bgrx, uint32_t width,
                                   uint32_t height) {
  if (static_cast<uint64_t>(width) * height > bgrx.size()) {
    SetLastError(UserText("CreateFromPixels: pixel buffer too small"));
    return false;
  }
  if (!Create(width, height, 24, kFormatUnknown)) return false;
  for (uint32_t row = 0; row < height; ++row) {
    const uint32_t* src = bgrx.data() + static_cast<size_t>(row) * width;
    uint8_t* dst = GetBits(height - 1 - row);
    for (uint32_t x = 0; x < width; ++x) {
      const uint32_t p = src[x];
      dst[3 * x] = static_cast<uint8_t>(p);
      dst[3 * x + 1] = static_cast<uint8_t>(p >> 8);
      dst[3 * x + 2] = static_cast<uint8_t>(p >> 16);
    }
  }
  return true;
}

void RasterImage::Destroy() {
  width_ = height_ = bpp_ = stride_ = 0;
  decodeShrink_ = 1;
  fileWidth_ = fileHeight_ = 0;
  xPelsPerMeter_ = yPelsPerMeter_ = 0;
  importantColours_ = 0;
  pixels_.clear();
  pixels_.shrink_to_fit();
  alpha_.clear();
  alpha_.shrink_to_fit();
  palette_.clear();
  lastLookupIndex_ = -1;
}

void RasterImage::SetXDpi(int32_t dpi) {
  xPelsPerMeter_ = DpiToPelsPerMeter(dpi);
}
void RasterImage::SetYDpi(int32_t dpi) {
  yPelsPerMeter_ = DpiToPelsPerMeter(dpi);
}
int32_t RasterImage::GetXDpi() const {
  return static_cast<int32_t>(xPelsPerMeter_ / 39.37007874015748 + 0.5);
}
int32_t RasterImage::GetYDpi() const {
  return static_cast<int32_t>(yPelsPerMeter_ / 39.37007874015748 + 0.5);
}

uint8_t RasterImage::GetNearestIndex(RgbQuad colour) const {
  if (palette_.empty()) return 0;
  colour.reserved = 0;
  if (lastLookupIndex_ >= 0 && colour == lastLookup_) return static_cast<uint8_t>(lastLookupIndex_);
  size_t count = palette_.size();
  if (importantColours_ > 0 && importantColours_ < count) count = importantColours_;
  int best = 0;
  int bestDistance = 1 << 30;
  for (size_t i = 0; i < count; ++i) {
    const int db = palette_[i].blue - colour.blue;
    const int dg = palette_[i].green - colour.green;
    const int dr = palette_[i].red - colour.red;
    const int distance = db * db + dg * dg + dr * dr;
    if (distance == 0) {
      best = static_cast<int>(i);
      break;
    }
    if (distance < bestDistance) {
      bestDistance = distance;
      best = static_cast<int>(i);
    }
  }
  lastLookup_ = colour;
  lastLookupIndex_ = best;
  return static_cast<uint8_t>(best);
}

uint8_t* RasterImage::GetBits(uint32_t storageRow) {
  if (pixels_.empty() || storageRow >= height_) return nullptr;
  return pixels_.data() + static_cast<size_t>(storageRow) * stride_;
}

const uint8_t* RasterImage::GetBits(uint32_t storageRow) const {
  if (pixels_.empty() || storageRow >= height_) return nullptr;
  return pixels_.data() + static_cast<size_t>(storageRow) * stride_;
}

uint8_t RasterImage::GetPixelIndex(uint32_t x, uint32_t y) const {
  if (x >= width_ || y >= height_ || bpp_ == 24) return 0;
  const uint8_t* row = GetBits(y);
  switch (bpp_) {
    case 1:
      return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case 4:
      return (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4);
    default:
      return row[x];
  }
}

RgbQuad RasterImage::GetPixelColour(uint32_t x, uint32_t y) const {
  if (x >= width_ || y >= height_) return {};
  if (bpp_ == 24) {
    const uint8_t* p = GetBits(y) + 3 * static_cast<size_t>(x);
    return {p[0], p[1], p[2], 0};
  }
  const uint8_t index = GetPixelIndex(x, y);
  return index < palette_.size() ? palette_[index] : RgbQuad{};
}

void RasterImage::SetPixelIndex(uint32_t x, uint32_t y, uint8_t index) {
  if (x >= width_ || y >= height_ || bpp_ == 24) return;
  uint8_t* row = GetBits(y);
  switch (bpp_) {
    case 1: {
      const uint8_t mask = static_cast<uint8_t>(0x80 >> (x & 7));
      row[x >> 3] = (index & 1) ? (row[x >> 3] | mask) : (row[x >> 3] & ~mask);
      break;
    }
    case 4: {
      uint8_t& b = row[x >> 1];
      b = (x & 1) ? static_cast<uint8_t>((b & 0xF0) | (index & 0x0F))
                  : static_cast<uint8_t>((b & 0x0F) | (index << 4));
      break;
    }
    default:
      row[x] = index;
  }
}

void RasterImage::SetPixelColour(uint32_t x, uint32_t y, RgbQuad colour) {
  if (x >= width_ || y >= height_) return;
  if (bpp_ == 24) {
    uint8_t* p = GetBits(y) + 3 * static_cast<size_t>(x);
    p[0] = colour.blue;
    p[1] = colour.green;
    p[2] = colour.red;
    return;
  }
  SetPixelIndex(x, y, GetNearestIndex(colour));
}

}  // namespace tavolo
