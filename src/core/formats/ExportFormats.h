// The seven formats Export Image offers: their names, whether a quality applies, the filter of
// the save dialog and the extension a typed name without one gets.
#pragma once

#include <array>
#include <filesystem>

#include <QString>

#include "core/imaging/RasterImage.h"

namespace tavolo {

struct ExportFormatInfo {
  int format;          // the image layer's format code
  const char* label;   // the radio button's text
  bool takesQuality;   // JPEG and TIFF
  const char* filter;  // the save dialog's filter, in Qt's syntax
  const char* extension;
};

// In the order the options dialog lists them: down the first column, then the second.
inline constexpr std::array<ExportFormatInfo, 7> kExportFormats = {{
    {kFormatBmp, "BMP", false, "bmp files (*.bmp)", "bmp"},
    {kFormatTga, "TGA", false, "tga files (*.tga)", "tga"},
    {kFormatPcx, "PCX", false, "pcx files (*.pcx)", "pcx"},
    {kFormatPng, "PNG", false, "png files (*.png)", "png"},
    {kFormatGif, "GIF", false, "gif files (*.gif)", "gif"},
    {kFormatJpeg, "JPEG", true, "jpeg files (*.jpeg *.jpg)", "jpg"},
    {kFormatTiff, "TIFF", true, "tif files (*.tif)", "tif"},
}};

inline constexpr int kDefaultExportFormat = kFormatPng;
inline constexpr int kDefaultExportQuality = 90;
inline constexpr int kMinExportQuality = 0;
inline constexpr int kMaxExportQuality = 100;

// The entry of a format code; the default format's for a code that is not offered.
const ExportFormatInfo& ExportFormatOf(int format);

// `file` with the format's extension added when its name has none ("card" becomes "card.png";
// "card.jpeg" and "my.card.png" stay as they are).
std::filesystem::path WithExportExtension(const std::filesystem::path& file, int format);

}  // namespace tavolo
