#include "PrintCommand.h"

#include <filesystem>
#include <optional>

#include "CardSheetsPdf.h"
#include "CliSupport.h"
#include "PrintShopOptions.h"
#include "SheetChoice.h"
#include "core/print/CardFit.h"

namespace tavolo::cli {

namespace {

constexpr const char* kCommand = "print";
constexpr int kMaxSheets = 1000;

constexpr const char* kPrintUsage = QT_TRANSLATE_NOOP(
    "Tavolo",
    "Usage: tavolo-cli print PROJECT -o SHEET.pdf [--paper NAME|ID] [--layout NAME|FILE.ptm]\n"
    "                        [--sheets N] [--fit sheet|card] [--bleed MM] [--crop-marks]\n"
    "                        [--offset X,Y] [--back long|short] [--pdfx]\n"
    "                        [--cmyk PROFILE.icc] [--strict]\n"
    "Prints the card of a project or template file many to a sheet into a PDF, as the print\n"
    "dialog places it: the card at its own size (Card Properties), never stretched, at every\n"
    "place of the layout's grid, measured from the paper's top-left corner. Text stays text in\n"
    "its embedded fonts and fills stay shapes; the background, photo and logo are stored once\n"
    "however many cards and sheets there are.\n"
    "  -o, --output SHEET.pdf  the PDF to write\n"
    "  --paper NAME|ID         the paper: a name or key such as A4, Letter, Legal, A5 or Env10,\n"
    "                          or a Windows paper number (1 Letter, 9 A4). By default the\n"
    "                          layout's paper, or without --layout the locale's (A4, or Letter\n"
    "                          in the Americas that use it)\n"
    "  --layout NAME|FILE.ptm  a predefined page layout by its name (see the program folder's\n"
    "                          abctmp), or a page-layout file. Without it the cards are centred\n"
    "                          on the paper as the print dialog does when the paper changes\n"
    "  --sheets N              the number of sheets (pages), 1 to 1000; 1 by default\n"
    "  --fit sheet|card        when the card and the layout's card size differ by more than\n"
    "                          0.5 mm: sheet gives the card the layout's size (its text\n"
    "                          reflows), card prints it at its own size centred in each place\n"
    "                          and cut to it. Without --fit such a card is refused\n"
    "  --bleed MM              print 0 to 5 mm of the card's edges past each cut, so that a\n"
    "                          cut a little off the line leaves no white edge: the background\n"
    "                          runs on past the card's edges, and so do the bands and frames\n"
    "                          that reach them; 0 by default\n"
    "  --crop-marks            draw crop marks outside the cut lines\n"
    "  --offset X,Y            move everything X mm right and Y mm down (-10 to 10 each), to\n"
    "                          make up for a printer that prints off the mark\n"
    "  --back long|short       print the card's back too: each sheet is followed by a page of\n"
    "                          backs, mirrored so that each lands behind its front when the\n"
    "                          sheet is turned over its long edge (long) or its short edge\n"
    "                          (short), as the printer's two-sided setting says\n"
    "  --pdfx                  write PDF/X-4: the sRGB output intent, XMP metadata, fonts\n"
    "                          embedded\n"
    "  --cmyk PROFILE.icc      every colour and picture in the CMYK ink of the print shop's\n"
    "                          profile (transparency flattened), as PDF/X-4 with that\n"
    "                          profile as its output intent\n"
    "  --strict                fail, writing nothing, when the photo, the logo or the\n"
    "                          background cannot be loaded (otherwise it is left out of the\n"
    "                          cards, with a warning), or a font of the card is not installed\n"
    "                          (otherwise another stands in, with a warning)\n"
    "Exit status: 0 success, 1 failure, 2 usage, 3 version mismatch.\n");

Step<> Print(const Arguments& arguments) {
  int sheets = 1;
  if (arguments.values.contains("--sheets")) {
    const auto parsed = ParseInt(arguments.values.at("--sheets"), 1, kMaxSheets);
    if (!parsed) return Misused(TrText("--sheets must be a number from 1 to 1000"));
    sheets = *parsed;
  }
  Step<SheetChoice> chosen = ChooseSheet(arguments);
  if (!chosen) return chosen.Fault();
  SheetChoice& sheet = chosen.Value();
  BackgroundTable table;
  CardState card;
  if (Step<> loaded = LoadCardToPrint(kCommand, arguments.project, table, card); !loaded) {
    return loaded;
  }
  LayOutWhenNotGiven(sheet, card);
  PrintShopOptions shop;
  PrinterCalibration calibration;
  std::optional<CardFit> fit;
  PdfOptions pdf;
  CardBacks backs;
  if (Step<> read = ReadPrintShop(arguments, shop); !read) return read;
  if (Step<> read = ReadOffset(arguments, calibration); !read) return read;
  if (Step<> read = ReadFit(arguments, fit); !read) return read;
  if (Step<> read = ReadPdfStandard(arguments, pdf); !read) return read;
  if (Step<> read = ReadBackSide(arguments, backs.flip); !read) return read;
  if (!fit && CardDiffersFromLayout(card, sheet.layout)) {
    return Failed(
        TrMessage("the card does not have the sheet's card size: %1. Give --fit sheet to "
                  "print it at the sheet's size, or --fit card to print it at its own size",
                  CardAndLayoutSizes(card, sheet.layout)));
  }
  if (fit == CardFit::kSheetSize) card = FittedToLayout(card, sheet.layout);

  const SheetJob job{.paper = sheet.paper,
                     .layout = sheet.layout,
                     .dpi = card.dpi,
                     .sheets = sheets,
                     .shop = shop,
                     .calibration = calibration,
                     .backs = backs};
  return WriteCardSheetsPdf(kCommand, arguments, table, card, std::move(job), std::move(pdf));
}

}  // namespace

int RunPrint(const std::vector<std::string>& args) {
  const Step<Arguments> arguments =
      ParseArguments(kPrintUsage, args,
                     {"--output", "--paper", "--layout", "--sheets", kFitOption, kBleedOption,
                      kOffsetOption, kBackOption, kCmykOption},
                     {"--strict", kCropMarksFlag, kPdfxFlag});
  if (!arguments) return Exit(kCommand, arguments);
  const GuiApplication app;
  return Exit(kCommand, Print(arguments.Value()));
}

}  // namespace tavolo::cli
