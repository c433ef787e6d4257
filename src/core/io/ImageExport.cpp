#include "core/io/ImageExport.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

#include "core/base/CheckedCall.h"
#include "core/bridge/ImageBridge.h"
#include "core/imaging/OctreeQuantizer.h"
#include "core/imaging/RasterImage.h"

namespace tavolo {

namespace {

constexpr uint32_t kGifColours = 256;
constexpr uint32_t kGifColourBits = 8;

ExportResult Failure(std::string message) {
  return {false, std::move(message)};
}

}  // namespace

std::optional<int> ExportFormatForExtension(std::string extension) {
  if (!extension.empty() && extension.front() == '.') extension.erase(0, 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == "bmp") return kFormatBmp;
  if (extension == "gif") return kFormatGif;
  if (extension == "jpg" || extension == "jpeg") return kFormatJpeg;
  if (extension == "png") return kFormatPng;
  if (extension == "tif" || extension == "tiff") return kFormatTiff;
  if (extension == "tga") return kFormatTga;
  if (extension == "pcx") return kFormatPcx;
  return std::nullopt;
}

ExportResult WriteExportImage(const QImage& card, const std::filesystem::path& file, int format,
                              int quality, int dpi, ExportReporting reporting) {
  // The checked report belongs to the user-interface thread; elsewhere the result alone tells.
  const auto checked = [reporting](const char* label, bool ok) {
    return reporting == ExportReporting::kCheckedReport ? TAVOLO_CHECK_AS(label, ok) : ok;
  };
  if (card.isNull() || card.format() != QImage::Format_RGB32) {
    return Failure("The card could not be rendered.");
  }
  RasterImage ci;
  if (!checked("ci.CreateFromHBITMAP((HBITMAP)bmp)!=0", ToRasterImage(card, ci))) {
    return Failure("The card could not be converted to an image: " + ci.GetLastError());
  }

  if (format == kFormatGif) {
    std::array<RgbQuad, kGifColours> pal{};
    uint32_t count = 0;
    {
      OctreeQuantizer quantizer(kGifColours, kGifColourBits);
      quantizer.ProcessImage(ci);
      count = quantizer.GetPalette(pal.data());
    }
    if (!checked("ci.DecreaseBpp(8,true,pal)", ci.DecreaseBpp(8, true, pal.data(), count))) {
      return Failure("The card could not be reduced to 256 colours: " + ci.GetLastError());
    }
  } else {
    ci.SetXDpi(dpi);
    ci.SetYDpi(dpi);
    if (quality != kNoQuality) ci.SetJpegQuality(static_cast<uint8_t>(quality & 0xFF));
    if (format == kNoFormat) return {};
  }
  if (!checked("ci.Save( fname,imt) !=0", ci.Save(file, format))) {
    return Failure("Could not write " + file.string() + ": " + ci.GetLastError());
  }
  return {};
}

QImage RenderCardForExport(CardRenderer& renderer, const CardState& live, const LineSource& lines,
                           ExportResult& result) {
  const float w = std::isfinite(live.cardWidth) ? live.cardWidth : 0.0f;
  const float h = std::isfinite(live.cardHeight) ? live.cardHeight : 0.0f;
  const int dx = static_cast<int>(std::clamp(w, 0.0f, static_cast<float>(kMaxImageSide) + 1));
  const int dy = static_cast<int>(std::clamp(h, 0.0f, static_cast<float>(kMaxImageSide) + 1));
  QImage card = renderer.Render(live, lines, 1, dx, dy);
  result = card.isNull() ? Failure("The card of " + std::to_string(dx) + " x " +
                                   std::to_string(dy) + " pixels could not be rendered.")
                         : ExportResult{};
  return card;
}

ExportResult ExportCard(CardRenderer& renderer, const CardState& live, const LineSource& lines,
                        const std::filesystem::path& file, int format, int quality) {
  ExportResult rendered;
  const QImage card = RenderCardForExport(renderer, live, lines, rendered);
  if (!rendered.ok) return rendered;
  return WriteExportImage(card, file, format, quality, live.dpi);
}

}  // namespace tavolo
