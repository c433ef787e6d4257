#include "ImageCommands.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string_view>

#include "CliSupport.h"
#include "core/imaging/OctreeQuantizer.h"
#include "core/imaging/RasterImage.h"
#include "core/storage/PrintableName.h"

namespace tavolo::cli {

namespace {

constexpr const char* kConvertHelp =
    "Usage: tavolo-cli convert IN OUT [--format bmp|tga|pcx|png|gif|jpeg|tiff] [--quality N]\n"
    "                          [--dpi N]\n"
    "\n"
    "Reads IN in any format the program knows and writes it to OUT. The format comes from OUT's\n"
    "extension (.bmp .tga .pcx .png .gif .jpg .jpeg .tif .tiff) unless --format names it.\n"
    "GIF files get a 256-colour palette with error diffusion (pictures that have a palette\n"
    "keep it) and no resolution.\n"
    "\n"
    "  --format NAME   the output format\n"
    "  --quality N     JPEG quality, 0 to 100\n"
    "  --dpi N         resolution to record, 1 to 65535 (default: that of IN)\n";

constexpr const char* kIdentifyHelp =
    "Usage: tavolo-cli identify FILE\n"
    "\n"
    "Prints the width, height, bits per pixel, resolution and format of an image file.\n";

struct FormatName {
  std::string_view name;
  int code;
};

constexpr std::array<FormatName, 9> kFormatNames = {{
    {"bmp", kFormatBmp},
    {"tga", kFormatTga},
    {"pcx", kFormatPcx},
    {"png", kFormatPng},
    {"gif", kFormatGif},
    {"jpeg", kFormatJpeg},
    {"jpg", kFormatJpeg},
    {"tiff", kFormatTiff},
    {"tif", kFormatTiff},
}};

std::optional<int> FormatFromName(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const FormatName& f : kFormatNames) {
    if (f.name == name) return f.code;
  }
  return std::nullopt;
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
  if (format == kFormatTga && (bpp == 1 || bpp == 4)) return Widen(image, 8);
  if (format == kFormatJpeg && bpp != 24 && !IsGreyRamp(image)) return Widen(image, 24);
  return true;
}

// The export's GIF path: a 256-colour octree palette, then reduction with error diffusion.
// A picture that already has a palette keeps it: it fits a GIF as it is.
bool ReduceForGif(RasterImage& image) {
  if (image.GetBpp() <= 8) return true;
  OctreeQuantizer quantizer(256, 8);
  quantizer.ProcessImage(image);
  std::array<RgbQuad, 256> palette{};
  const uint32_t count = quantizer.GetPalette(palette.data());
  return image.DecreaseBpp(8, true, palette.data(), count);
}

}  // namespace

int RunConvert(const std::vector<std::string>& args) {
  std::vector<std::string> files;
  std::optional<int> format;
  std::optional<int> quality;
  std::optional<int> dpi;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (IsHelp(arg)) {
      std::fputs(kConvertHelp, stdout);
      return 0;
    }
    if (arg.size() > 1 && arg[0] == '-') {
      std::string name = arg;
      std::optional<std::string> value;
      if (const size_t eq = arg.find('='); eq != std::string::npos) {
        name = arg.substr(0, eq);
        value = arg.substr(eq + 1);
      }
      if (name != "--format" && name != "--quality" && name != "--dpi") {
        return UsageError("convert", "unknown option '" + arg + "'");
      }
      if (!value) {
        if (i + 1 >= args.size()) return UsageError("convert", name + " needs a value");
        value = args[++i];
      }
      if (name == "--format") {
        format = FormatFromName(*value);
        if (!format) return UsageError("convert", "unknown format '" + *value + "'");
      } else if (name == "--quality") {
        quality = ParseInt(*value, 0, 100);
        if (!quality) return UsageError("convert", "--quality must be a number from 0 to 100");
      } else {
        dpi = ParseInt(*value, 1, 65535);
        if (!dpi) return UsageError("convert", "--dpi must be a number from 1 to 65535");
      }
      continue;
    }
    files.push_back(arg);
  }
  if (files.size() != 2) return UsageError("convert", "needs an input and an output file");
  const std::filesystem::path in = files[0];
  const std::filesystem::path out = files[1];
  if (!format) {
    std::string extension = out.extension().string();
    if (!extension.empty()) extension.erase(0, 1);
    format = FormatFromName(extension);
    if (!format) {
      return UsageError("convert", "cannot tell the format from '" + out.string() +
                                       "': give a known extension or --format");
    }
  }

  RasterImage image(in, kFormatUnknown);
  if (!image.IsValid()) {
    PrintError("convert", "cannot read '" + in.string() + "': " + image.GetLastError());
    return kExitFailure;
  }
  bool ready = true;
  if (*format == kFormatGif) {
    if (dpi) PrintWarning("convert", "GIF files carry no resolution; --dpi ignored");
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
    PrintError("convert", "cannot write '" + out.string() + "': " + image.GetLastError());
    return kExitFailure;
  }
  return 0;
}

int RunIdentify(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (IsHelp(arg)) {
      std::fputs(kIdentifyHelp, stdout);
      return 0;
    }
    if (arg.size() > 1 && arg[0] == '-') {
      return UsageError("identify", "unknown option '" + arg + "'");
    }
  }
  if (args.size() != 1) return UsageError("identify", "needs exactly one file");
  const RasterImage image(std::filesystem::path(args[0]), kFormatUnknown);
  if (!image.IsValid()) {
    PrintError("identify", "cannot read '" + args[0] + "': " + image.GetLastError());
    return kExitFailure;
  }
  std::printf("file: %s\n", PrintableName(args[0]).c_str());
  std::printf("format: %s\n", DisplayName(image.GetType()));
  std::printf("width: %u\n", image.GetWidth());
  std::printf("height: %u\n", image.GetHeight());
  std::printf("bits per pixel: %u\n", image.GetBpp());
  if (image.GetXPelsPerMeter() > 0 || image.GetYPelsPerMeter() > 0) {
    std::printf("dpi: %d x %d\n", image.GetXDpi(), image.GetYDpi());
  } else {
    std::printf("dpi: not recorded\n");
  }
  return 0;
}

}  // namespace tavolo::cli
