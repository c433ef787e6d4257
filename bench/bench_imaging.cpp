// Image codecs: decode and encode of a card-sized 24-bit picture in each export format, and the
// whole GIF export path (quantize, reduce with error diffusion, encode).
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <vector>

#include "core/imaging/OctreeQuantizer.h"
#include "core/imaging/RasterImage.h"

namespace {

using tavolo::RasterImage;
using tavolo::RgbQuad;

// A business card rendered at 300 dpi: 3.54 × 2.05 inches.
constexpr uint32_t kWidth = 1062;
constexpr uint32_t kHeight = 615;

// Small deterministic generator so that every run measures the same picture.
class Lcg {
 public:
  uint32_t Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }

 private:
  uint32_t state_ = 12345;
};

uint32_t Bgrx(int red, int green, int blue) {
  const auto clamp = [](int v) { return static_cast<uint32_t>(v < 0 ? 0 : (v > 255 ? 255 : v)); };
  return clamp(blue) | clamp(green) << 8 | clamp(red) << 16;
}

// What a composed card holds: a diagonal gradient background, a noisy photo, a flat title band,
// a white text panel and lines of small dark glyph strokes.
std::vector<uint32_t> MakeCardPixels() {
  std::vector<uint32_t> pixels(static_cast<size_t>(kWidth) * kHeight);
  Lcg random;
  for (uint32_t y = 0; y < kHeight; ++y) {
    for (uint32_t x = 0; x < kWidth; ++x) {
      const int t = static_cast<int>((x * 255) / kWidth + (y * 255) / kHeight) / 2;
      pixels[y * kWidth + x] = Bgrx(30 + t / 2, 60 + t / 3, 120 + t / 2);
    }
  }
  // Photo: smooth blobs plus sensor-like noise.
  for (uint32_t y = 60; y < 555; ++y) {
    for (uint32_t x = 40; x < 400; ++x) {
      const int dx = static_cast<int>(x) - 220;
      const int dy = static_cast<int>(y) - 300;
      const int shade = 255 - (dx * dx + dy * dy) / 300;
      const int noise = static_cast<int>(random.Next() % 25) - 12;
      pixels[y * kWidth + x] =
          Bgrx(shade * 3 / 4 + noise + static_cast<int>(x % 64), shade / 2 + noise,
               shade / 3 + noise + static_cast<int>(y % 48));
    }
  }
  // Flat title band and text panel.
  for (uint32_t y = 60; y < 140; ++y) {
    for (uint32_t x = 440; x < 1020; ++x) pixels[y * kWidth + x] = Bgrx(230, 57, 70);
  }
  for (uint32_t y = 170; y < 555; ++y) {
    for (uint32_t x = 440; x < 1020; ++x) pixels[y * kWidth + x] = Bgrx(250, 250, 245);
  }
  // Text-like detail: rows of glyphs made of one- and two-pixel strokes, with anti-aliased edges.
  for (uint32_t line = 0; line < 9; ++line) {
    const uint32_t top = 190 + line * 40;
    for (uint32_t glyph = 0; glyph < 44; ++glyph) {
      const uint32_t left = 460 + glyph * 12;
      const uint32_t shape = random.Next();
      if (shape % 7 == 0) continue;  // a space
      for (uint32_t y = 0; y < 20; ++y) {
        for (uint32_t x = 0; x < 9; ++x) {
          const bool stem = (x == 1 + shape % 3 || x == 2 + shape % 3) && y > 2;
          const bool bar = (y == 4 + shape % 9 || y == 18) && x > 1 && x < 8;
          const bool bowl = (shape & 16) && x > 3 && y > 8 && (x == 7 || y == 10);
          if (stem || bar || bowl) {
            pixels[(top + y) * kWidth + left + x] = Bgrx(25, 30, 45);
          } else if ((x == 0 || y == 19) && (shape & 4)) {
            pixels[(top + y) * kWidth + left + x] = Bgrx(160, 160, 165);
          }
        }
      }
    }
  }
  return pixels;
}

const RasterImage& CardImage() {
  static const RasterImage image = [] {
    const std::vector<uint32_t> pixels = MakeCardPixels();
    RasterImage made;
    made.CreateFromPixels(pixels, kWidth, kHeight);
    made.SetXDpi(300);
    made.SetYDpi(300);
    return made;
  }();
  return image;
}

// The GIF export path: palette from the octree, then reduction with error diffusion.
bool ReduceForGif(RasterImage& image) {
  tavolo::OctreeQuantizer quantizer(256, 8);
  quantizer.ProcessImage(image);
  std::array<RgbQuad, 256> palette{};
  const uint32_t count = quantizer.GetPalette(palette.data());
  return image.DecreaseBpp(8, true, palette.data(), count);
}

// GIF holds a palette picture, so it is measured on the image the GIF path makes.
const RasterImage& GifReadyImage() {
  static const RasterImage image = [] {
    RasterImage reduced = CardImage();
    ReduceForGif(reduced);
    return reduced;
  }();
  return image;
}

const RasterImage& SourceFor(int format) {
  return format == tavolo::kFormatGif ? GifReadyImage() : CardImage();
}

// Items are pixels; the file size shows what each format makes of the picture.
void SetCounters(benchmark::State& state, size_t fileBytes = 0) {
  state.SetItemsProcessed(state.iterations() * int64_t{kWidth} * kHeight);
  if (fileBytes > 0) state.counters["file_kB"] = static_cast<double>(fileBytes) / 1024.0;
}

void BM_Encode(benchmark::State& state, int format) {
  RasterImage image = SourceFor(format);
  if (!image.IsValid()) {
    state.SkipWithError("could not build the source picture");
    return;
  }
  std::vector<uint8_t> out;
  for (auto _ : state) {
    out.clear();
    if (!image.Encode(out, format)) {
      state.SkipWithError(image.GetLastError().c_str());
      return;
    }
    benchmark::DoNotOptimize(out.data());
  }
  SetCounters(state, out.size());
}

void BM_Decode(benchmark::State& state, int format) {
  RasterImage source = SourceFor(format);
  std::vector<uint8_t> file;
  if (!source.IsValid() || !source.Encode(file, format)) {
    state.SkipWithError(source.GetLastError().c_str());
    return;
  }
  RasterImage decoded;
  for (auto _ : state) {
    if (!decoded.Decode(file, format)) {
      state.SkipWithError(decoded.GetLastError().c_str());
      return;
    }
    benchmark::DoNotOptimize(decoded.PixelData().data());
  }
  SetCounters(state, file.size());
}

#define TAVOLO_CODEC_BENCHMARKS(name, format)                                \
  BENCHMARK_CAPTURE(BM_Decode, name, format)->Unit(benchmark::kMillisecond); \
  BENCHMARK_CAPTURE(BM_Encode, name, format)->Unit(benchmark::kMillisecond)

TAVOLO_CODEC_BENCHMARKS(bmp, tavolo::kFormatBmp);
TAVOLO_CODEC_BENCHMARKS(gif, tavolo::kFormatGif);
TAVOLO_CODEC_BENCHMARKS(jpeg, tavolo::kFormatJpeg);
TAVOLO_CODEC_BENCHMARKS(png, tavolo::kFormatPng);
TAVOLO_CODEC_BENCHMARKS(tiff, tavolo::kFormatTiff);
TAVOLO_CODEC_BENCHMARKS(tga, tavolo::kFormatTga);
TAVOLO_CODEC_BENCHMARKS(pcx, tavolo::kFormatPcx);

// Export as GIF from the rendered 24-bit card: quantize, reduce with diffusion, encode. The copy of
// the card that each round starts from is not timed.
void BM_GifExportPath(benchmark::State& state) {
  std::vector<uint8_t> out;
  for (auto _ : state) {
    state.PauseTiming();
    RasterImage image = CardImage();
    out.clear();
    state.ResumeTiming();
    if (!ReduceForGif(image) || !image.Encode(out, tavolo::kFormatGif)) {
      state.SkipWithError(image.GetLastError().c_str());
      return;
    }
    benchmark::DoNotOptimize(out.data());
  }
  SetCounters(state, out.size());
}
BENCHMARK(BM_GifExportPath)->Unit(benchmark::kMillisecond);

// The two halves of the GIF path, to see where its time goes.
void BM_GifQuantize(benchmark::State& state) {
  const RasterImage& image = CardImage();
  std::array<RgbQuad, 256> palette{};
  for (auto _ : state) {
    tavolo::OctreeQuantizer quantizer(256, 8);
    quantizer.ProcessImage(image);
    benchmark::DoNotOptimize(quantizer.GetPalette(palette.data()));
  }
  SetCounters(state);
}
BENCHMARK(BM_GifQuantize)->Unit(benchmark::kMillisecond);

void BM_GifReduceWithDiffusion(benchmark::State& state) {
  tavolo::OctreeQuantizer quantizer(256, 8);
  quantizer.ProcessImage(CardImage());
  std::array<RgbQuad, 256> palette{};
  const uint32_t count = quantizer.GetPalette(palette.data());
  for (auto _ : state) {
    state.PauseTiming();
    RasterImage image = CardImage();
    state.ResumeTiming();
    if (!image.DecreaseBpp(8, true, palette.data(), count)) {
      state.SkipWithError(image.GetLastError().c_str());
      return;
    }
    benchmark::DoNotOptimize(image.PixelData().data());
  }
  SetCounters(state);
}
BENCHMARK(BM_GifReduceWithDiffusion)->Unit(benchmark::kMillisecond);

}  // namespace
