// RasterImage: the one image object through which every raster picture is loaded, transformed and
// saved. It holds a bottom-up device-independent bitmap (1, 4, 8 or 24 bits per pixel), and an
// alpha channel beside it when the caller asks decoders to keep one, and never throws: operations
// return success or failure and leave a message in the last-error text.
#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/imaging/PictureMemory.h"

namespace tavolo {

// Format codes, as stored and dispatched on.
enum ImageFormat : int {
  kFormatUnknown = 0,
  kFormatBmp = 1,
  kFormatGif = 2,
  kFormatJpeg = 3,
  kFormatPng = 4,
  kFormatIco = 5,
  kFormatTiff = 6,
  kFormatTga = 7,
  kFormatPcx = 8,
  kFormatWbmp = 9,
  kFormatWmf = 10,
  kFormatLast = 15,
};

// One palette entry, in the byte order of a device-independent bitmap.
struct RgbQuad {
  uint8_t blue = 0;
  uint8_t green = 0;
  uint8_t red = 0;
  uint8_t reserved = 0;
  friend bool operator==(const RgbQuad&, const RgbQuad&) = default;
};

// What decoders do with a picture's transparency (PNG alpha and transparent colours, the GIF
// transparent index, 32-bit TGA, BMP and icon pixels, 16-bit TGA's attribute bit, TIFF extra
// samples, icon masks, PCX's fourth plane).
enum class AlphaHandling {
  // Composited over white: every decoded picture is opaque. The default.
  kOverWhite,
  // Kept as an alpha channel beside the colours, which stay as the file has them (not
  // multiplied by alpha). A picture whose pixels are all opaque gets no channel.
  kKeep,
};

// How much of an alpha channel a file format can hold.
enum class AlphaSupport {
  kNone,       // every pixel is written opaque: see RasterImage::Encode
  kClearOnly,  // one transparent colour: pixels are either clear or opaque
  kFull,
};
AlphaSupport AlphaSupportOf(int format);

// Decoders refuse anything larger than this, before allocating.
inline constexpr uint32_t kMaxImageSide = 32768;
inline constexpr uint64_t kMaxImagePixels = 256ull * 1024 * 1024;
// How the refusal of a picture beyond the limits begins.
inline constexpr std::string_view kImageTooLarge = "Image too large";

class RasterImage {
 public:
  explicit RasterImage(int format = kFormatUnknown);
  // Loads a file; on failure the image is empty and GetLastError says why. A picture of more
  // than maxPixels pixels is refused ("Image too large") before its pixels are allocated.
  RasterImage(const std::filesystem::path& file, int format, uint64_t maxPixels = kMaxImagePixels);
  // Decodes an in-memory file, likewise.
  RasterImage(std::span<const uint8_t> data, int format, uint64_t maxPixels = kMaxImagePixels);

  RasterImage(const RasterImage&) = default;
  RasterImage& operator=(const RasterImage& other);
  RasterImage(RasterImage&&) noexcept = default;
  RasterImage& operator=(RasterImage&&) noexcept = default;
  ~RasterImage() = default;

  // Loading. A file load with a code from 1 to 15 that fails is retried once with detection.
  // Detection reports a picture that a decoder recognised but found too large as such.
  bool Load(const std::filesystem::path& file, int format);
  bool Decode(std::span<const uint8_t> data, int format);
  // The most pixels a decode or Create accepts; at most kMaxImagePixels, which is the default.
  uint64_t GetMaxPixels() const { return maxPixels_; }
  void SetMaxPixels(uint64_t maxPixels) { maxPixels_ = std::min(maxPixels, kMaxImagePixels); }

  // A decode that may come out smaller, for a picture that will only be shown smaller: the JPEG
  // decoder decodes at 1/2, 1/4 or 1/8 of the size (rounded up), the largest that keeps at most
  // `pixels` pixels, or at 1/8 when none does; the PNG decoder (but for interlaced files) at the
  // whole fraction ShrinkFactorWithin gives, as ShrinkPicture would shrink it; other formats
  // decode whole. 0, the default, decodes whole. GetDecodeShrink says by how much the last
  // decode shrank, and GetFileWidth and GetFileHeight the size of the picture in the file.
  void SetDecodePixelBudget(uint64_t pixels) { decodeBudget_ = pixels; }
  uint64_t GetDecodePixelBudget() const { return decodeBudget_; }
  uint32_t GetDecodeShrink() const { return decodeShrink_; }
  uint32_t GetFileWidth() const { return fileWidth_ != 0 ? fileWidth_ : width_; }
  uint32_t GetFileHeight() const { return fileHeight_ != 0 ? fileHeight_ : height_; }
  // For a decoder that shrank the picture, after Create.
  void SetDecodeShrink(uint32_t shrink, uint32_t fileWidth, uint32_t fileHeight) {
    decodeShrink_ = shrink;
    fileWidth_ = fileWidth;
    fileHeight_ = fileHeight;
  }

  // What the next decodes do with alpha; kOverWhite, the default, gives opaque pictures.
  void SetAlphaHandling(AlphaHandling handling) { alphaHandling_ = handling; }
  AlphaHandling GetAlphaHandling() const { return alphaHandling_; }
  bool KeepsAlpha() const { return alphaHandling_ == AlphaHandling::kKeep; }

  // Saving. Save replaces the file safely (WriteFileReplacing): a failed save leaves the old file
  // as it was, and a target that is not a regular file is refused. An image with alpha is
  // written with it where the format can hold it; otherwise every pixel that is not opaque is
  // composited over white, and for GIF only the partly transparent ones are.
  bool Save(const std::filesystem::path& file, int format);
  bool Encode(std::vector<uint8_t>& out, int format);

  bool IsValid() const { return !pixels_.empty(); }
  uint32_t GetWidth() const { return width_; }
  uint32_t GetHeight() const { return height_; }
  uint32_t GetBpp() const { return bpp_; }
  // Bytes per stored row: ((width × bpp + 31) / 32) × 4.
  uint32_t GetStride() const { return stride_; }
  int GetType() const { return format_; }
  void SetType(int format) { format_ = format; }

  // Allocates a zeroed image; bpp is rounded up to 1, 4, 8 or 24. Palettes start black.
  bool Create(uint32_t width, uint32_t height, uint32_t bpp, int format);
  // Builds a 24-bit image from a rendered card: 32-bit blue-green-red-x pixels, rows top-down.
  bool CreateFromPixels(std::span<const uint32_t> bgrx, uint32_t width, uint32_t height);
  void Destroy();

  // Transformations keep the alpha channel with the pixels.
  // Reduces to 1, 4 or 8 bits, mapping each pixel to its nearest palette entry, with or without
  // error diffusion. A null palette gives a greyscale ramp (black and white for 1 bit). Of a given
  // palette the first paletteSize entries are used (0: all 2^bits); when there are fewer, the
  // rest stay black and the search is limited to the given ones through the important colours.
  bool DecreaseBpp(uint32_t bits, bool errorDiffusion, const RgbQuad* palette = nullptr,
                   uint32_t paletteSize = 0);
  // Rotates by any angle in degrees (counter-clockwise as the picture is seen) into dst, which
  // grows to hold the whole picture; the uncovered area is white, and clear in a picture with
  // alpha. Exact for multiples of 90.
  // The result is held to dst's GetMaxPixels.
  bool Rotate(float angleDegrees, RasterImage& dst) const;
  // Copies a rectangle (edges clamped and ordered, top measured from the top) into dst.
  bool Crop(int32_t left, int32_t top, int32_t right, int32_t bottom, RasterImage& dst) const;

  // Resolution, held in pixels per metre; the setters take dots per inch.
  void SetXDpi(int32_t dpi);
  void SetYDpi(int32_t dpi);
  int32_t GetXDpi() const;
  int32_t GetYDpi() const;
  int32_t GetXPelsPerMeter() const { return xPelsPerMeter_; }
  int32_t GetYPelsPerMeter() const { return yPelsPerMeter_; }
  void SetXPelsPerMeter(int32_t ppm) { xPelsPerMeter_ = ppm; }
  void SetYPelsPerMeter(int32_t ppm) { yPelsPerMeter_ = ppm; }

  uint8_t GetJpegQuality() const { return jpegQuality_; }
  void SetJpegQuality(uint8_t quality) { jpegQuality_ = quality; }

  const std::string& GetLastError() const { return lastError_; }
  // Keeps at most 255 characters.
  void SetLastError(std::string_view message);

  // Palette: 2, 16 or 256 entries for 1, 4 and 8 bits, none for 24.
  uint32_t GetPaletteSize() const { return static_cast<uint32_t>(palette_.size()); }
  // Writing through the span must not leave a stale nearest-colour answer behind.
  std::span<RgbQuad> Palette() {
    lastLookupIndex_ = -1;
    return palette_;
  }
  std::span<const RgbQuad> Palette() const { return palette_; }
  // Colours that matter, counted from palette entry 0; 0 means all.
  uint32_t GetImportantColours() const { return importantColours_; }
  void SetImportantColours(uint32_t count) {
    importantColours_ = count;
    lastLookupIndex_ = -1;
  }
  // Nearest palette entry by the sum of squared differences; the lower index wins a tie.
  uint8_t GetNearestIndex(RgbQuad colour) const;

  // Pixel rows in storage order: row 0 is the bottom row of the picture.
  uint8_t* GetBits(uint32_t storageRow = 0);
  const uint8_t* GetBits(uint32_t storageRow = 0) const;
  std::span<uint8_t> PixelData() { return pixels_; }
  std::span<const uint8_t> PixelData() const { return pixels_; }

  // The alpha channel: one byte a pixel (0 clear, 255 opaque), rows in storage order like the
  // pixels, each `width` bytes long. Absent means every pixel is opaque.
  bool HasAlpha() const { return !alpha_.empty(); }
  // Gives the image an alpha channel with every pixel opaque (kept when it has one already);
  // false, with the reason in the last error, when it cannot be held.
  bool AddAlpha();
  uint8_t* GetAlphaRow(uint32_t storageRow);
  const uint8_t* GetAlphaRow(uint32_t storageRow) const;
  // 255 for an image without alpha and out of range.
  uint8_t GetPixelAlpha(uint32_t x, uint32_t y) const;
  // Drops an alpha channel in which every pixel is opaque.
  void DropOpaqueAlpha();
  // Composites every pixel that is not opaque over white, as a decoder does by default, and drops
  // the alpha channel; a palette picture with such pixels becomes a 24-bit one. With keepClear,
  // fully transparent pixels stay so and only the others are composited, for a format that holds
  // one transparent colour.
  bool CompositeAlphaOverWhite(bool keepClear = false);

  // Single pixels, (x, y) with y counted from the bottom row; out-of-range reads give black.
  RgbQuad GetPixelColour(uint32_t x, uint32_t y) const;
  uint8_t GetPixelIndex(uint32_t x, uint32_t y) const;
  // Sets a colour: 24-bit images store it, palette images store the nearest index.
  void SetPixelColour(uint32_t x, uint32_t y, RgbQuad colour);
  void SetPixelIndex(uint32_t x, uint32_t y, uint8_t index);

 private:
  uint32_t width_ = 0;
  uint32_t height_ = 0;
  uint32_t bpp_ = 0;
  uint32_t stride_ = 0;
  int format_ = kFormatUnknown;
  int32_t xPelsPerMeter_ = 0;
  int32_t yPelsPerMeter_ = 0;
  uint32_t importantColours_ = 0;
  uint8_t jpegQuality_ = 90;
  uint64_t maxPixels_ = kMaxImagePixels;
  uint64_t decodeBudget_ = 0;
  uint32_t decodeShrink_ = 1;
  uint32_t fileWidth_ = 0;  // 0: the image's own size
  uint32_t fileHeight_ = 0;
  AlphaHandling alphaHandling_ = AlphaHandling::kOverWhite;
  std::vector<RgbQuad> palette_;
  std::vector<uint8_t, PictureAllocator<uint8_t>> pixels_;
  std::vector<uint8_t, PictureAllocator<uint8_t>> alpha_;  // empty, or width × height bytes
  std::string lastError_;
  // The last colour looked up and its answer, so runs of one colour need no search.
  mutable RgbQuad lastLookup_{};
  mutable int lastLookupIndex_ = -1;
};

// Rounds a requested depth up to one the image can hold: 1, 4, 8 or 24.
uint32_t RoundBpp(uint32_t bpp);
// Dots per inch to pixels per metre: dpi × 39.37007874015748 + 0.5, truncated.
int32_t DpiToPelsPerMeter(int32_t dpi);

}  // namespace tavolo
