#include "ImageCommands.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "CliSupport.h"
#include "core/formats/ImageFileTypes.h"
#include "core/imaging/OctreeQuantizer.h"
#include "core/imaging/RasterImage.h"
#include "core/storage/PrintableName.h"

namespace tavolo::cli {

namespace {

// Larger pictures are refused unless --max-pixels allows them: a small file can stand for a
// picture that takes gigabytes to hold.
constexpr int kDefaultMaxPixels = 64 << 20;

constexpr const char* kConvertHelp = QT_TRANSLATE_NOOP(
    "Tavolo",
    "Usage: tavolo-cli convert IN OUT [--format bmp|tga|pcx|png|gif|jpeg|tiff] [--quality N]\n"
    "                          [--dpi N] [--max-pixels N]\n"
    "\n"
    "Reads IN in any format the program knows and writes it to OUT. The format comes from OUT's\n"
    "extension (.bmp .tga .pcx .png .gif .jpg .jpeg .tif .tiff) unless --format names it.\n"
    "GIF files get a 256-colour palette with error diffusion (pictures that have a palette\n"
    "keep it) and no resolution.\n"
    "\n"
    "  --format NAME   the output format\n"
    "  --quality N     JPEG quality, 0 to 100\n"
    "  --dpi N         resolution to record, 1 to 65535 (default: that of IN)\n"
    "  --max-pixels N  refuse a picture of more than N pixels, 1 to 268435456\n"
    "                  (default 67108864, 64 megapixels)\n");

constexpr const char* kIdentifyHelp = QT_TRANSLATE_NOOP(
    "Tavolo",
    "Usage: tavolo-cli identify FILE [--max-pixels N]\n"
    "\n"
    "Prints the width, height, bits per pixel, resolution and format of an image file.\n"
    "\n"
    "  --max-pixels N  refuse a picture of more than N pixels, 1 to 268435456\n"
    "                  (default 67108864, 64 megapixels)\n");

// Reads the value of --max-pixels.
Step<int> ParseMaxPixels(const std::string& value) {
  const std::optional<int> pixels = ParseInt(value, 1, static_cast<int>(kMaxImagePixels));
  if (!pixels)
    return Misused(TrMessage("--max-pixels must be a number from 1 to %1", kMaxImagePixels));
  return *pixels;
}

const char* DisplayName(int format) {
  switch (format) {
    case kFormatBmp:
      return "BMP";
    case kFormatGif:
      return "GIF";
    case kFormatJpeg:
      return "JPEG";
    case kFormatPng:
      return "PNG";
    case kFormatIco:
      return "ICO";
    case kFormatTiff:
      return "TIFF";
    case kFormatTga:
      return "TGA";
    case kFormatPcx:
      return "PCX";
    case kFormatWbmp:
      return "WBMP";
    default:
      return "unknown";
  }
}

// A palettised picture holding only greys from black to white in index order.
bool IsGreyRamp(const RasterImage& image) {
  if (image.GetBpp() != 8) return false;
  const auto palette = image.Palette();
  for (size_t i = 0; i < palette.size(); ++i) {
    const RgbQuad e = palette[i];
    if (e.red != i || e.green != i || e.blue != i) return false;
  }
  return true;
}

// Copies a palettised picture into a deeper one with the same colours.
bool Widen(RasterImage& image, uint32_t bpp) {
  RasterImage wide(image.GetType());
  if (!wide.Create(image.GetWidth(), image.GetHeight(), bpp, image.GetType())) {
    image.SetLastError(wide.GetLastError());
    return false;
  }
  const auto palette = image.Palette();
  if (bpp == 8) std::copy(palette.begin(), palette.end(), wide.Palette().begin());
  for (uint32_t y = 0; y < image.GetHeight(); ++y) {
    for (uint32_t x = 0; x < image.GetWidth(); ++x) {
      if (bpp == 8) {
        wide.SetPixelIndex(x, y, image.GetPixelIndex(x, y));
      } else {
        wide.SetPixelColour(x, y, image.GetPixelColour(x, y));
      }
    }
  }
  wide.SetXPelsPerMeter(image.GetXPelsPerMeter());
  wide.SetYPelsPerMeter(image.GetYPelsPerMeter());
  wide.SetJpegQuality(image.GetJpegQuality());
  image = std::move(wide);
  return true;
}

// Brings the picture to a depth the target format can hold, as a user converting a file expects.
bool FitDepth(RasterImage& image, int format) {
  const uint32_t bpp = image.GetBpp();
  // A picture with alpha is written as 32-bit TGA from any depth.
  if (format == kFormatTga && !image.HasAlpha() && (bpp == 1 || bpp == 4)) return Widen(image, 8);
  if (format == kFormatJpeg && bpp != 24 && !IsGreyRamp(image)) return Widen(image, 24);
  return true;
}

// The export's GIF path: a 256-colour octree palette, then reduction with error diffusion.
// A picture that already has a palette keeps it: it fits a GIF as it is. Of a picture with alpha
// the partly transparent pixels are laid over white, and the clear ones are left an entry of
// their own, which the GIF writer makes its transparent index.
bool ReduceForGif(RasterImage& image) {
  if (!image.CompositeAlphaOverWhite(true)) return false;
  if (image.GetBpp() <= 8) return true;
  const bool clear = image.HasAlpha();
  for (uint32_t y = 0; clear && y < image.GetHeight(); ++y) {
    // Their colours are never seen: made white, they add at most one colour to the palette.
    const uint8_t* alpha = image.GetAlphaRow(y);
    for (uint32_t x = 0; x < image.GetWidth(); ++x) {
      if (alpha[x] == 0) image.SetPixelColour(x, y, {255, 255, 255, 0});
    }
  }
  OctreeQuantizer quantizer(clear ? 255 : 256, 8);
  quantizer.ProcessImage(image);
  std::array<RgbQuad, 256> palette{};
  const uint32_t count = quantizer.GetPalette(palette.data());
  return image.DecreaseBpp(8, true, palette.data(), count);
}

Step<> Convert(const std::vector<std::string>& args) {
  std::vector<std::string> files;
  std::optional<int> format;
  std::optional<int> quality;
  std::optional<int> dpi;
  int maxPixels = kDefaultMaxPixels;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (IsHelp(arg)) {
      std::fputs(TrText(kConvertHelp).c_str(), stdout);
      return CliFailure{{}, Stop::kHelpShown, {}};
    }
    if (arg.size() > 1 && arg[0] == '-') {
      std::string name = arg;
      std::optional<std::string> value;
      if (const size_t eq = arg.find('='); eq != std::string::npos) {
        name = arg.substr(0, eq);
        value = arg.substr(eq + 1);
      }
      if (name != "--format" && name != "--quality" && name != "--dpi" && name != "--max-pixels") {
        return Misused(TrMessage("unknown option '%1'", arg));
      }
      if (!value) {
        if (i + 1 >= args.size()) return Misused(TrMessage("%1 needs a value", name));
        value = args[++i];
      }
      if (name == "--format") {
        format = FormatForExtension(*value);
        if (!format) return Misused(TrMessage("unknown format '%1'", *value));
      } else if (name == "--quality") {
        quality = ParseInt(*value, 0, 100);
        if (!quality) return Misused(TrText("--quality must be a number from 0 to 100"));
      } else if (name == "--dpi") {
        dpi = ParseInt(*value, 1, 65535);
        if (!dpi) return Misused(TrText("--dpi must be a number from 1 to 65535"));
      } else {
        const Step<int> pixels = ParseMaxPixels(*value);
        if (!pixels) return pixels.Fault();
        maxPixels = pixels.Value();
      }
      continue;
    }
    files.push_back(arg);
  }
  if (files.size() != 2) return Misused(TrText("needs an input and an output file"));
  if (Step<> refused = RefuseOutputOverInput(files[0], files[1]); !refused) return refused;
  const std::filesystem::path in = files[0];
  const std::filesystem::path out = files[1];
  if (!format) {
    format = FormatForExtension(out.extension().string());
    if (!format) {
      return Misused(TrMessage(
          "cannot tell the format from '%1': give a known extension or --format", out.string()));
    }
  }

  RasterImage image;
  image.SetMaxPixels(static_cast<uint64_t>(maxPixels));
  // A target without alpha gets the picture laid over white as it is read.
  if (AlphaSupportOf(*format) != AlphaSupport::kNone) image.SetAlphaHandling(AlphaHandling::kKeep);
  image.Load(in, kFormatUnknown);
  if (!image.IsValid()) {
    return Failed(
        TrMessage("cannot read '%1': %2", in.string(), TranslatedMessage(image.GetLastError())));
  }
  bool ready = true;
  if (*format == kFormatGif) {
    if (dpi) PrintWarning("convert", TrText("GIF files carry no resolution; --dpi ignored"));
    ready = ReduceForGif(image);
  } else {
    if (dpi) {
      image.SetXDpi(*dpi);
      image.SetYDpi(*dpi);
    }
    if (quality) image.SetJpegQuality(static_cast<uint8_t>(*quality));
    ready = FitDepth(image, *format);
  }
  if (!ready || !image.Save(out, *format)) {
    return Failed(
        TrMessage("cannot write '%1': %2", out.string(), TranslatedMessage(image.GetLastError())));
  }
  return {};
}

Step<> Identify(const std::vector<std::string>& args) {
  std::vector<std::string> files;
  int maxPixels = kDefaultMaxPixels;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (IsHelp(arg)) {
      std::fputs(TrText(kIdentifyHelp).c_str(), stdout);
      return CliFailure{{}, Stop::kHelpShown, {}};
    }
    if (arg == "--max-pixels" || arg.starts_with("--max-pixels=")) {
      std::string value;
      if (arg.size() > 12) {
        value = arg.substr(13);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        return Misused(TrMessage("%1 needs a value", "--max-pixels"));
      }
      const Step<int> pixels = ParseMaxPixels(value);
      if (!pixels) return pixels.Fault();
      maxPixels = pixels.Value();
      continue;
    }
    if (arg.size() > 1 && arg[0] == '-') {
      return Misused(TrMessage("unknown option '%1'", arg));
    }
    files.push_back(arg);
  }
  if (files.size() != 1) return Misused(TrText("needs exactly one file"));
  const RasterImage image(std::filesystem::path(files[0]), kFormatUnknown,
                          static_cast<uint64_t>(maxPixels));
  if (!image.IsValid()) {
    return Failed(
        TrMessage("cannot read '%1': %2", files[0], TranslatedMessage(image.GetLastError())));
  }
  std::printf("file: %s\n", PrintableName(files[0]).c_str());
  std::printf("format: %s\n", DisplayName(image.GetType()));
  std::printf("width: %u\n", image.GetWidth());
  std::printf("height: %u\n", image.GetHeight());
  std::printf("bits per pixel: %u\n", image.GetBpp());
  if (image.GetXPelsPerMeter() > 0 || image.GetYPelsPerMeter() > 0) {
    std::printf("dpi: %d x %d\n", image.GetXDpi(), image.GetYDpi());
  } else {
    std::printf("dpi: not recorded\n");
  }
  return {};
}

}  // namespace

int RunConvert(const std::vector<std::string>& args) {
  return Exit("convert", Convert(args));
}

int RunIdentify(const std::vector<std::string>& args) {
  return Exit("identify", Identify(args));
}

}  // namespace tavolo::cli
