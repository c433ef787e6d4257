#include "PdfCommand.h"

#include <cmath>
#include <filesystem>
#include <optional>

#include <QPageSize>

#include "CardSheetsPdf.h"
#include "CliSupport.h"
#include "PrintShopOptions.h"
#include "core/print/LengthDisplay.h"

namespace tavolo::cli {

namespace {

constexpr const char* kCommand = "pdf";

constexpr const char* kPdfUsage = QT_TRANSLATE_NOOP(
    "Tavolo",
    "Usage: tavolo-cli pdf PROJECT -o CARD.pdf [--bleed MM] [--crop-marks] [--front-only]\n"
    "                      [--pdfx] [--cmyk PROFILE.icc] [--strict]\n"
    "Writes the card of a project or template file alone on a page, as print shops ask for it:\n"
    "the page is the card's own size (Card Properties), plus the bleed on every side, plus room\n"
    "for the crop marks when they are asked for. Each page says where it is cut (its TrimBox)\n"
    "and how far the bleed reaches (its BleedBox). A card with a back gets a second page with\n"
    "the back, as it reads (not mirrored), with the same bleed and marks.\n"
    "  -o, --output CARD.pdf  the PDF to write\n"
    "  --bleed MM             print 0 to 5 mm past the cut: the background runs on past the\n"
    "                         card's edges, and so do the bands and frames that reach them;\n"
    "                         0 by default\n"
    "  --crop-marks           draw crop marks outside the cut lines\n"
    "  --front-only           the front alone, on one page, even for a card with a back\n"
    "  --pdfx                 write PDF/X-4: the sRGB output intent, XMP metadata, fonts\n"
    "                         embedded\n"
    "  --cmyk PROFILE.icc     every colour and picture in the CMYK ink of the print shop's\n"
    "                         profile (transparency flattened), as PDF/X-4 with that profile\n"
    "                         as its output intent\n"
    "  --strict               fail, writing nothing, when the photo, the logo or the\n"
    "                         background cannot be loaded (otherwise it is left out, with a\n"
    "                         warning), or a font of the card is not installed (otherwise\n"
    "                         another stands in, with a warning)\n"
    "Exit status: 0 success, 1 failure, 2 usage, 3 version mismatch.\n");

constexpr const char* kFrontOnlyFlag = "--front-only";

// A page of the card's size and `edgeMm` more on every side. The grid counts the paper in whole
// millimetres, truncated; the page's counted size is rounded up so that its one card counts,
// while the page itself keeps its exact size (to the hundredth of a point in the PDF).
Paper CardPage(const CardState& card, double edgeMm) {
  const double widthMm = PrintPixelsToMm(card.cardWidth, card.dpi) + 2 * edgeMm;
  const double heightMm = PrintPixelsToMm(card.cardHeight, card.dpi) + 2 * edgeMm;
  Paper page;
  page.name = QStringLiteral("Card");
  page.widthTenthsMm = static_cast<int>(std::ceil(widthMm)) * 10;
  page.heightTenthsMm = static_cast<int>(std::ceil(heightMm)) * 10;
  page.pageSize =
      QPageSize(QSizeF(widthMm, heightMm), QPageSize::Millimeter, page.name, QPageSize::ExactMatch);
  return page;
}

// One card, `edgeMm` from the page's top-left corner.
PageLayout OneCard(const CardState& card, double edgeMm) {
  PageLayout layout;
  layout.cardWidth = card.cardWidth;
  layout.cardHeight = card.cardHeight;
  layout.horizontalPitch = card.cardWidth;
  layout.verticalPitch = card.cardHeight;
  layout.leftMargin = static_cast<float>(edgeMm / 25.4 * card.dpi);
  layout.topMargin = layout.leftMargin;
  layout.unit = static_cast<int32_t>(LengthUnit::kMm);
  return layout;
}

Step<> WriteCardPdf(const Arguments& arguments) {
  PrintShopOptions shop;
  if (Step<> read = ReadPrintShop(arguments, shop); !read) return read;
  PdfOptions pdf;
  if (Step<> read = ReadPdfStandard(arguments, pdf); !read) return read;
  // A card page has one card in its middle: the back lands on its front turned over either
  // edge, so the edge given for print and merge changes nothing here.
  DuplexFlip flip = DuplexFlip::kNone;
  if (Step<> read = ReadBackSide(arguments, flip); !read) return read;
  const bool frontOnly = arguments.flags.contains(kFrontOnlyFlag);
  if (frontOnly && flip != DuplexFlip::kNone) {
    return Misused(TrText("--front-only and --back cannot be given together"));
  }
  BackgroundTable table;
  CardState card;
  if (Step<> loaded = LoadCardToPrint(kCommand, arguments.project, table, card); !loaded) {
    return loaded;
  }
  if (Step<> refused = RefuseMissingBack(flip, card); !refused) return refused;
  const double edgeMm = shop.cropMarks ? CropMarkReachMm(shop.bleedMm) : shop.bleedMm;
  pdf.boxes = CardPageBoxes(
      QSizeF(PrintPixelsToMm(card.cardWidth, card.dpi), PrintPixelsToMm(card.cardHeight, card.dpi)),
      shop.bleedMm, edgeMm);
  SheetJob job{.paper = CardPage(card, edgeMm),
               .layout = OneCard(card, edgeMm),
               .dpi = card.dpi,
               .shop = shop};
  if (card.back.Has() && !frontOnly) job.backs.flip = DuplexFlip::kLongEdge;
  return WriteCardSheetsPdf(kCommand, arguments, table, card, std::move(job), std::move(pdf));
}

}  // namespace

int RunPdf(const std::vector<std::string>& args) {
  const Step<Arguments> arguments =
      ParseArguments(kPdfUsage, args, {"--output", kBleedOption, kCmykOption, kBackOption},
                     {"--strict", kCropMarksFlag, kPdfxFlag, kFrontOnlyFlag});
  if (!arguments) return Exit(kCommand, arguments);
  const GuiApplication app;
  return Exit(kCommand, WriteCardPdf(arguments.Value()));
}

}  // namespace tavolo::cli
