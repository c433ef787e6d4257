// The one table from file extensions to the image layer's format codes, for everything that
// names a picture file: export, the custom backgrounds, photos and logos, the command-line tool
// and the file dialogs' filters.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/imaging/RasterImage.h"

namespace tavolo {

struct ImageExtension {
  std::string_view extension;  // lower case, without the dot
  int format;
  // Listed in the file dialogs and taken for a custom background; "tiff" is only understood.
  bool offered;
};

// In the order the file dialogs list the patterns of a format ("*.jpeg *.jpg").
inline constexpr std::array<ImageExtension, 9> kImageExtensions = {{
    {"jpeg", kFormatJpeg, true},
    {"jpg", kFormatJpeg, true},
    {"png", kFormatPng, true},
    {"gif", kFormatGif, true},
    {"tif", kFormatTiff, true},
    {"tiff", kFormatTiff, false},
    {"bmp", kFormatBmp, true},
    {"tga", kFormatTga, true},
    {"pcx", kFormatPcx, true},
}};

// The formats a picture may be opened in, in the order the open dialogs list them.
inline constexpr std::array<int, 7> kPictureFormats = {
    kFormatJpeg, kFormatPng, kFormatGif, kFormatTiff, kFormatBmp, kFormatTga, kFormatPcx};

// The format an extension names ("png", ".JPG", "tiff" …: any case, the dot optional); nullopt
// when it names none.
std::optional<int> FormatForExtension(std::string_view extension);
// As FormatForExtension, for the offered extensions only.
std::optional<int> OfferedFormatForExtension(std::string_view extension);

// A file dialog's filter for one format, in Qt's syntax: "jpeg files (*.jpeg *.jpg)".
std::string FormatFileFilter(int format);
// The open dialog's filter for a picture: "All pictures" with every picture format's patterns,
// then each format, `first` moved to the front, then (withSvg, for logos) SVG drawings, then
// "all files (*)".
std::string PictureFileFilter(int first = kPictureFormats.front(), bool withSvg = false);

}  // namespace tavolo
