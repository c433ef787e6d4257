#include "core/formats/ImageExport.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <span>
#include <vector>

#include "core/base/CheckedCall.h"
#include "core/bridge/ImageBridge.h"
#include "core/card/CardLimits.h"
#include "core/imaging/OctreeQuantizer.h"
#include "core/imaging/RasterImage.h"
#include "core/storage/FileIo.h"
#include "core/storage/PrintableName.h"

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
  // Encoding is the program's own work and a failure of it is checked; writing is the file
  // system's, and its failure is said as a file error.
  std::vector<uint8_t> bytes;
  if (!checked("ci.Save( fname,imt) !=0", ci.Encode(bytes, format))) {
    return Failure("The card could not be written as " + PrintableName(file.string()) + ": " +
                   ci.GetLastError());
  }
  const FileWriteResult written = WriteFileReplacing(file, bytes);
  return written.ok ? ExportResult{} : Failure(written.message);
}

QImage RenderCardForExport(CardRenderer& renderer, const CardState& live, const LineSource& lines,
                           ExportResult& result) {
  const CardPixelSize size = CardPixels(live.cardWidth, live.cardHeight);
  if (!size.Ok()) {
    result = Failure("The card cannot be drawn: " + size.problem + ".");
    return {};
  }
  QImage card = renderer.Render(live, lines, 1, size.width, size.height);
  result = card.isNull() ? Failure("The card of " + std::to_string(size.width) + " x " +
                                   std::to_string(size.height) + " pixels could not be rendered.")
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
