#include "core/formats/ImageFileTypes.h"

#include <algorithm>
#include <cctype>

namespace tavolo {

namespace {

std::optional<int> Lookup(std::string_view extension, bool offeredOnly) {
  if (extension.starts_with('.')) extension.remove_prefix(1);
  const auto same = [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
  };
  for (const ImageExtension& e : kImageExtensions) {
    if ((e.offered || !offeredOnly) && std::ranges::equal(e.extension, extension, same)) {
      return e.format;
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<int> FormatForExtension(std::string_view extension) {
  return Lookup(extension, false);
}

std::optional<int> OfferedFormatForExtension(std::string_view extension) {
  return Lookup(extension, true);
}

std::string FormatFileFilter(int format) {
  std::string name;
  std::string patterns;
  for (const ImageExtension& e : kImageExtensions) {
    if (e.format != format || !e.offered) continue;
    if (name.empty()) name = e.extension;
    patterns += (patterns.empty() ? "*." : " *.") + std::string(e.extension);
  }
  return name + " files (" + patterns + ")";
}

std::string PictureFileFilter(int first, bool withSvg) {
  std::string every;
  for (const int format : kPictureFormats) {
    for (const ImageExtension& e : kImageExtensions) {
      if (e.format != format || !e.offered) continue;
      every += (every.empty() ? "*." : " *.") + std::string(e.extension);
    }
  }
  if (withSvg) every += " *.svg";
  std::string filter = "All pictures (" + every + ");;" + FormatFileFilter(first);
  for (const int format : kPictureFormats) {
    if (format != first) filter += ";;" + FormatFileFilter(format);
  }
  if (withSvg) filter += ";;svg files (*.svg)";
  return filter + ";;all files (*)";
}

}  // namespace tavolo
