#include "MergeCommand.h"

#include <filesystem>
#include <optional>

#include "CliSupport.h"
#include "PictureWarnings.h"
#include "PrintShopOptions.h"
#include "SheetChoice.h"
#include "core/base/CheckCounter.h"
#include "core/base/ProgramFolder.h"
#include "core/card/CardFaces.h"
#include "core/pictures/ImageBridge.h"
#include "core/render/CardVectorPainter.h"
#include "core/formats/ImageExport.h"
#include "core/formats/ImageFileTypes.h"
#include "core/merge/MergeData.h"
#include "core/merge/MergeExport.h"
#include "core/merge/MergedCard.h"
#include "core/merge/MergedCardSource.h"
#include "core/merge/RecordFileNames.h"
#include "core/print/CardFit.h"
#include "core/print/SheetGrid.h"
#include "core/print/SheetPdf.h"
#include "core/storage/PrintableName.h"

namespace tavolo::cli {

namespace {

constexpr const char* kCommand = "merge";
// Runs of more records than this tell how far they are.
constexpr size_t kProgressAbove = 50;

constexpr const char* kMergeUsage = QT_TRANSLATE_NOOP(
    "Tavolo",
    "Usage: tavolo-cli merge PROJECT --data FILE -o OUT.pdf [--paper NAME|ID]\n"
    "                        [--layout NAME|FILE.ptm] [--fit sheet|card] [--bleed MM]\n"
    "                        [--crop-marks] [--offset X,Y] [--back long|short] [--pdfx]\n"
    "                        [--cmyk PROFILE.icc] [--map FIELD=COLUMN]... [--strict]\n"
    "       tavolo-cli merge PROJECT --data FILE -o 'DIR/{Name}.png' [--map FIELD=COLUMN]...\n"
    "                        [--strict]\n"
    "Makes one card per record of a CSV or vCard file: the project's (or template's) card, its\n"
    "styles, background, pictures and layout, with the record's values as its contact details,\n"
    "placed in its text boxes as the template library does. Into a PDF the cards fill the\n"
    "sheets in order, as tavolo-cli print places them, however many there are (the PDF is made\n"
    "on disk and replaces OUT.pdf only when it is whole); into images, one file per record.\n"
    "  --data FILE             the records: a .vcf file of contacts, or a CSV file (UTF-8 or\n"
    "                          Windows-1252; comma, semicolon or tab) whose first line names the\n"
    "                          columns. Columns are recognised by name: Company, Name, Title,\n"
    "                          Address, Address 2, City, Zip, Email, Website, Phone, Mobile and\n"
    "                          their usual variants\n"
    "  -o, --output OUT        a .pdf of sheets, or an image name in which any field in braces\n"
    "                          ({Name}, {Company}, ...) stands for the record's value; the format\n"
    "                          comes from the extension; repeated names are numbered\n"
    "  --paper NAME|ID         the paper of the PDF, as for tavolo-cli print\n"
    "  --layout NAME|FILE.ptm  the page layout of the PDF, as for tavolo-cli print\n"
    "  --fit sheet|card        sheet: the cards take the layout's card size; card (the\n"
    "                          default): each is printed at its own size, centred in its place\n"
    "  --bleed MM, --crop-marks, --offset X,Y, --back long|short, --pdfx, --cmyk PROFILE.icc\n"
    "                          as for tavolo-cli print; the card's back is printed as it is,\n"
    "                          the same behind every record's card\n"
    "  --map FIELD=COLUMN      fill FIELD from COLUMN (its name or number from 1), whatever the\n"
    "                          names say; may be given for several fields\n"
    "  --strict                fail, writing nothing, when a record cannot make a card or a\n"
    "                          picture cannot be loaded (otherwise they are left out, with a\n"
    "                          warning naming the record's line)\n"
    "Exit status: 0 every record placed, 1 failure or records left out, 2 usage, 3 version\n"
    "mismatch.\n");

int Fail(const std::string& message) {
  PrintError(kCommand, message);
  return kExitFailure;
}

bool IsPdf(const std::string& output) {
  QString extension = QString::fromStdString(std::filesystem::path(output).extension().string());
  return extension.compare(QStringLiteral(".pdf"), Qt::CaseInsensitive) == 0;
}

// Tells how far a long run is, at every tenth of the way.
class Progress {
 public:
  explicit Progress(size_t total) : total_(total) {}
  void Placed(size_t done) {
    if (total_ <= kProgressAbove) return;
    const size_t tenth = done * 10 / total_;
    if (tenth == told_) return;
    told_ = tenth;
    PrintError(kCommand, TrMessage("%1 of %2 cards placed", done, total_));
  }

 private:
  size_t total_;
  size_t told_ = 0;
};

struct MergeRun {
  const Arguments& arguments;
  const std::string& output;
  BackgroundTable& table;
  const CardState& project;
  const std::vector<MergeRecord>& records;
  bool strict = false;
  // For a PDF: the print-shop options, the printer offset and whether the cards take the
  // layout's card size.
  PrintShopOptions shop{};
  PrinterCalibration calibration{};
  std::optional<CardFit> fit;
  DuplexFlip backFlip = DuplexFlip::kNone;  // kNone: the backs are not printed
  PdfOptions pdf{};
};

int WritePdf(const MergeRun& run, SheetChoice& sheet, CardRenderer& renderer) {
  LayOutWhenNotGiven(sheet, run.project);
  const CardState project =
      run.fit == CardFit::kSheetSize ? FittedToLayout(run.project, sheet.layout) : run.project;
  const SheetGrid grid = ComputeGrid(sheet.layout, sheet.paper.WholeMm(), project.dpi);
  if (!grid.Ok()) return Fail(GridMessage(grid.status));
  MergedCardSource cards(renderer, project, run.records);
  // The first card is drawn now, so a picture left out is known before anything is written.
  cards.Card(0, 0, grid.CardCount());
  int leftOut = WarnOfLeftOutPictures(kCommand, renderer, run.table, project);
  if (const std::optional<int> refused = RefuseMissingBack(kCommand, run.backFlip, project)) {
    return *refused;
  }
  const bool twoSided = run.backFlip != DuplexFlip::kNone;
  // The back is printed as it was designed, the same behind every record's card: it holds what
  // all the cards share, and a merge never replaces text the user typed there.
  const CardState back = twoSided ? BackFaceOf(project) : CardState();
  CardRenderer backRenderer(&run.table, CustomPhotosFolder());
  const QImage backImage = twoSided ? ToQImage(backRenderer.RenderPrintImage(back)) : QImage();
  if (twoSided) leftOut += WarnOfLeftOutPictures(kCommand, backRenderer, run.table, back);
  const auto hasRecord = [records = run.records.size(), perSheet = grid.CardCount()](int sheet,
                                                                                     int cell) {
    return static_cast<size_t>(sheet) * static_cast<size_t>(perSheet) + static_cast<size_t>(cell) <
           records;
  };
  CardBacks backs;
  if (twoSided) {
    backs.flip = run.backFlip;
    backs.cards = [backImage, hasRecord](int sheet, int cell) {
      return hasRecord(sheet, cell) ? backImage : QImage();
    };
    backs.paintedCards = [&backRenderer, &back, hasRecord](QPainter& painter, const QRectF& target,
                                                           int sheet, int cell,
                                                           const CardPaintOptions& options) {
      if (hasRecord(sheet, cell)) PaintCard(backRenderer, painter, target, back, options);
    };
  }
  if (run.strict && leftOut > 0) {
    return Fail(TrMessage("'%1' is not written: with --strict a picture left out is a failure",
                          run.output));
  }
  const SheetJob job{.paper = sheet.paper,
                     .layout = sheet.layout,
                     .dpi = project.dpi,
                     .sheets = MergeSheetCount(run.records.size(), grid.CardCount()),
                     .cards = cards.Source(grid.CardCount()),
                     .paintedCards = cards.Painting(grid.CardCount()),
                     .cardSize = QSizeF(project.cardWidth, project.cardHeight),
                     .shop = run.shop,
                     .calibration = run.calibration,
                     .backs = backs};
  Progress progress(run.records.size());
  const auto perSheet = static_cast<size_t>(grid.CardCount());
  PdfOptions pdf = run.pdf;
  pdf.title = QString::fromStdString(std::filesystem::path(run.arguments.project).stem());
  const PrintOutcome written = WriteSheetsPdf(run.output, job, pdf, [&](int done, int) {
    progress.Placed(std::min(run.records.size(), static_cast<size_t>(done) * perSheet));
    return true;
  });
  if (!written) return Fail(written.Message());
  progress.Placed(run.records.size());
  return 0;
}

int WriteImages(const MergeRun& run, int format, CardRenderer& renderer) {
  // The first card is drawn now, so a picture left out is known before anything is written.
  const CardState first = MergedCard(run.project, run.records.front().details);
  if (Outcome<QImage> drawn = RenderCardForExport(renderer, first); !drawn) {
    return Fail(drawn.Message());
  }
  const int leftOut = WarnOfLeftOutPictures(kCommand, renderer, run.table, first);
  if (run.strict && leftOut > 0) {
    return Fail(TrText("nothing is written: with --strict a picture left out is a failure"));
  }
  Progress progress(run.records.size());
  const Outcome<> written =
      ExportMergedCards(renderer, run.project, run.records, run.output, format, kNoQuality,
                        [&](size_t done) { progress.Placed(done); });
  return written ? 0 : Fail(written.Message());
}

// The records of the data file as the mapping makes them; the exit code when there are none to
// place or a --map is wrong.
std::optional<int> ReadRecords(const Arguments& arguments, bool strict, MergeRecords& merged) {
  const std::string& data = arguments.values.at("--data");
  Outcome<MergeTable> read = ReadMergeData(data);
  if (!read) return Fail(read.Message());
  const MergeTable& table = read.Value();
  FieldMapping mapping = MappingByHeader(table.columns);
  for (const auto& [option, value] : arguments.inOrder) {
    if (option != "--map") continue;
    if (const Outcome<> applied = ApplyOverride(mapping, table.columns, value); !applied) {
      return UsageError(kCommand, TrMessage("--map %1", applied.Message()));
    }
  }
  const QStringList unmapped = UnmappedColumns(mapping, table.columns);
  if (!unmapped.isEmpty()) {
    PrintWarning(kCommand,
                 TrMessage("the column(s) '%1' fill no field of the card (--map FIELD=COLUMN "
                           "uses one)",
                           unmapped.join(QStringLiteral("', '"))));
  }
  merged = RecordsOf(table, mapping);
  const std::string name = std::filesystem::path(data).filename().string();
  for (const RecordProblem& problem : merged.problems) {
    const std::string text =
        strict ? TrMessage("%1, line %2: %3", name, problem.line, problem.message)
               : TrMessage("%1, line %2: %3; it is left out", name, problem.line, problem.message);
    strict ? PrintError(kCommand, text) : PrintWarning(kCommand, text);
  }
  if (strict && !merged.problems.empty()) {
    return Fail(TrText("nothing is written: with --strict a record left out is a failure"));
  }
  if (merged.records.empty()) return Fail(TrMessage("%1 gives no record to make a card of", name));
  return std::nullopt;
}

int Merge(const Arguments& arguments) {
  const std::string& output = arguments.values.at("--output");
  if (!arguments.values.contains("--data")) {
    return UsageError(kCommand, TrText("needs a data file (--data FILE)"));
  }
  if (const std::optional<int> stop =
          RefuseOutputOverInput(kCommand, arguments.values.at("--data"), output)) {
    return *stop;
  }
  const bool pdf = IsPdf(output);
  SheetChoice sheet;
  std::optional<int> format;
  PrintShopOptions shop;
  PrinterCalibration calibration;
  std::optional<CardFit> fit;
  DuplexFlip backFlip = DuplexFlip::kNone;
  PdfOptions pdfOptions;
  if (pdf) {
    if (const std::optional<int> failed = ChooseSheet(kCommand, arguments, sheet)) return *failed;
    if (const std::optional<int> failed = ReadPrintShop(kCommand, arguments, shop)) return *failed;
    if (const std::optional<int> failed = ReadOffset(kCommand, arguments, calibration)) {
      return *failed;
    }
    if (const std::optional<int> failed = ReadFit(kCommand, arguments, fit)) return *failed;
    if (const std::optional<int> failed = ReadBackSide(kCommand, arguments, backFlip)) {
      return *failed;
    }
    if (const std::optional<int> failed = ReadPdfStandard(kCommand, arguments, pdfOptions)) {
      return *failed;
    }
  } else {
    for (const char* option : {"--paper", "--layout", kFitOption, kBleedOption, kOffsetOption,
                               kBackOption, kCmykOption}) {
      if (arguments.values.contains(option)) {
        return UsageError(kCommand, TrMessage("%1 is for a PDF; an image holds one card", option));
      }
    }
    for (const char* flag : {kCropMarksFlag, kPdfxFlag}) {
      if (arguments.flags.contains(flag)) {
        return UsageError(kCommand, TrMessage("%1 is for a PDF; an image holds one card", flag));
      }
    }
    format = FormatForExtension(std::filesystem::path(output).extension().string());
    if (!format) {
      return UsageError(
          kCommand,
          TrMessage(
              "cannot tell the format from '%1': give .pdf or an image extension such as .png",
              output));
    }
    if (const Outcome<> checked = CheckNamePattern(output); !checked) {
      return UsageError(kCommand, checked.Message());
    }
  }
  const bool strict = arguments.flags.contains("--strict");
  BackgroundTable table;
  CardState project;
  if (const std::optional<int> failed =
          (pdf ? LoadCardToPrint : LoadProjectCard)(kCommand, arguments.project, table, project)) {
    return *failed;
  }
  MergeRecords merged;
  if (const std::optional<int> stop = ReadRecords(arguments, strict, merged)) return *stop;

  CheckCounter failures(std::string("tavolo-cli ") + kCommand);
  CardRenderer renderer(&table, CustomPhotosFolder());
  const MergeRun run{arguments, output,      table, project,  merged.records,       strict,
                     shop,      calibration, fit,   backFlip, std::move(pdfOptions)};
  const int written = pdf ? WritePdf(run, sheet, renderer) : WriteImages(run, *format, renderer);
  if (written != 0) return written;
  if (failures.Count() > 0) {
    return Fail(TrMessage("%1 check(s) failed; '%2' may be incomplete", failures.Count(), output));
  }
  if (!merged.problems.empty()) {
    return Fail(TrMessage("%1 of %2 records were left out", merged.problems.size(),
                          merged.problems.size() + merged.records.size()));
  }
  return 0;
}

}  // namespace

int RunMerge(const std::vector<std::string>& args) {
  Arguments arguments;
  if (const std::optional<int> stop =
          ParseArguments(kCommand, kMergeUsage, args,
                         {"--output", "--data", "--paper", "--layout", "--map", kFitOption,
                          kBleedOption, kOffsetOption, kBackOption, kCmykOption},
                         arguments, {"--strict", kCropMarksFlag, kPdfxFlag})) {
    return *stop;
  }
  const GuiApplication app;
  return Merge(arguments);
}

}  // namespace tavolo::cli
