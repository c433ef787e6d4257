#include "core/formats/ImageExport.h"

#include <array>
#include <span>
#include <utility>
#include <vector>

#include "core/base/CheckedCall.h"
#include "core/base/Translation.h"
#include "core/pictures/ImageBridge.h"
#include "core/card/CardLimits.h"
#include "core/imaging/OctreeQuantizer.h"
#include "core/imaging/RasterImage.h"
#include "core/storage/FileIo.h"
#include "core/storage/PrintableName.h"

namespace tavolo {

namespace {

constexpr uint32_t kGifColours = 256;
constexpr uint32_t kGifColourBits = 8;

}  // namespace

Outcome<> WriteExportImage(QImage card, const std::filesystem::path& file, int format,
                           int quality, int dpi, ExportReporting reporting,
                           ExistingFile existing) {
  // The checked report belongs to the user-interface thread; elsewhere the result alone tells.
  const auto checked = [reporting](const char* label, bool ok) {
    return reporting == ExportReporting::kCheckedReport ? TAVOLO_CHECK_AS(label, ok) : ok;
  };
  if (card.isNull() || card.format() != QImage::Format_RGB32) {
    return Failure{TrMessage("The card could not be rendered.")};
  }
  RasterImage ci;
  if (!checked("ci.CreateFromHBITMAP((HBITMAP)bmp)!=0", ToRasterImage(card, ci))) {
    return Failure{TrMessage("The card could not be converted to an image: %1",
                             TranslatedMessage(ci.GetLastError()))};
  }
  card = QImage();

  if (format == kFormatGif) {
    std::array<RgbQuad, kGifColours> pal{};
    uint32_t count = 0;
    {
      OctreeQuantizer quantizer(kGifColours, kGifColourBits);
      quantizer.ProcessImage(ci);
      count = quantizer.GetPalette(pal.data());
    }
    if (!checked("ci.DecreaseBpp(8,true,pal)", ci.DecreaseBpp(8, true, pal.data(), count))) {
      return Failure{TrMessage("The card could not be reduced to 256 colours: %1",
                               TranslatedMessage(ci.GetLastError()))};
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
    return Failure{TrMessage("The card could not be written as %1: %2",
                             PrintableName(file.string()), TranslatedMessage(ci.GetLastError()))};
  }
  return Translated(existing == ExistingFile::kKeep
                        ? WriteNewFile(file, bytes, Durability::kReproducible)
                        : WriteFileReplacing(file, bytes, Durability::kReproducible));
}

Outcome<QImage> RenderCardForExport(CardRenderer& renderer, const CardState& live) {
  const CardPixelSize size = CardPixels(live.cardWidth, live.cardHeight);
  if (!size.Ok()) return Failure{TrMessage("The card cannot be drawn: %1.", size.problem)};
  QImage card = renderer.Render(live, 1, size.width, size.height, CardRenderer::Reuse::kOnce);
  if (card.isNull()) {
    return Failure{
        TrMessage("The card of %1 x %2 pixels could not be rendered.", size.width, size.height)};
  }
  return card;
}

Outcome<> ExportCard(CardRenderer& renderer, const CardState& live,
                     const std::filesystem::path& file, int format, int quality) {
  Outcome<QImage> card = RenderCardForExport(renderer, live);
  if (!card) return Failure{card.Message()};
  return WriteExportImage(std::move(card).Value(), file, format, quality, live.dpi);
}

}  // namespace tavolo
