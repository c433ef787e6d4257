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
#include "core/merge/MergeQrCodes.h"
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
constexpr const char* kOverwriteFlag = "--overwrite";
// Runs of more records than this tell how far they are.
constexpr size_t kProgressAbove = 50;
// The columns that fill no field named one by one; the others are counted.
constexpr qsizetype kNamedColumns = 20;

constexpr const char* kMergeUsage = QT_TRANSLATE_NOOP(
    "Tavolo",
    "Usage: tavolo-cli merge PROJECT --data FILE -o OUT.pdf [--paper NAME|ID]\n"
    "                        [--layout NAME|FILE.ptm] [--fit sheet|card] [--bleed MM]\n"
    "                        [--crop-marks] [--offset X,Y] [--back long|short] [--pdfx]\n"
    "                        [--cmyk PROFILE.icc] [--sheet NAME] [--map FIELD=COLUMN]...\n"
    "                        [--strict]\n"
    "       tavolo-cli merge PROJECT --data FILE -o 'DIR/{Name}.png' [--sheet NAME]\n"
    "                        [--map FIELD=COLUMN]... [--overwrite] [--strict]\n"
    "Makes one card per record of a data file: the project's (or template's) card, its\n"
    "styles, background, pictures and layout, with the record's values as its contact details,\n"
    "placed in its text boxes as the template library does. Into a PDF the cards fill the\n"
    "sheets in order, as tavolo-cli print places them, however many there are (the PDF is made\n"
    "on disk and replaces OUT.pdf only when it is whole); into images, one file per record.\n"
    "  --data FILE             the records: a .vcf file of contacts, a spreadsheet (.ods or\n"
    "                          .xlsx) or a CSV file (UTF-8 or Windows-1252; comma, semicolon\n"
    "                          or tab) whose first line names the columns. Columns are\n"
    "                          recognised by name in English, German, French, Italian and\n"
    "                          Spanish, and as address books export them: Company, Name (or\n"
    "                          First Name and Last Name), Title, Address, City, Zip, Email,\n"
    "                          Website, Phone, Mobile and their usual variants\n"
    "  --sheet NAME            the sheet of a spreadsheet to read (the first by default)\n"
    "  -o, --output OUT        a .pdf of sheets, or an image name in which any field in braces\n"
    "                          ({Name}, {Company}, ...) stands for the record's value; the format\n"
    "                          comes from the extension; repeated names are numbered\n"
    "  --overwrite             replace image files that exist already (without it, nothing is\n"
    "                          written when one of the names is taken)\n"
    "  --paper NAME|ID         the paper of the PDF, as for tavolo-cli print\n"
    "  --layout NAME|FILE.ptm  the page layout of the PDF, as for tavolo-cli print\n"
    "  --fit sheet|card        sheet: the cards take the layout's card size; card (the\n"
    "                          default): each is printed at its own size, centred in its place\n"
    "  --bleed MM, --crop-marks, --offset X,Y, --back long|short, --pdfx, --cmyk PROFILE.icc\n"
    "                          as for tavolo-cli print; the card's back is printed as it is,\n"
    "                          the same behind every record's card\n"
    "  --map FIELD=COLUMN      fill FIELD from COLUMN (its name or number from 1), whatever the\n"
    "                          names say; COLUMN+COLUMN joins several with a space, as in\n"
    "                          \"Name=First Name+Last Name\"; may be given for several fields\n"
    "  --strict                fail, writing nothing, when a record cannot make a card, its QR\n"
    "                          code cannot be made or would not scan, or a picture cannot be\n"
    "                          loaded (otherwise they are left out, with a warning naming the\n"
    "                          record's line)\n"
    "Exit status: 0 every record placed, 1 failure or records left out, 2 usage, 3 version\n"
    "mismatch.\n");

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
  const MergeRecords& records;
  bool strict = false;
  bool overwrite = false;
  // For a PDF: the print-shop options, the printer offset and whether the cards take the
  // layout's card size.
  PrintShopOptions shop{};
  PrinterCalibration calibration{};
  std::optional<CardFit> fit;
  DuplexFlip backFlip = DuplexFlip::kNone;  // kNone: the backs are not printed
  PdfOptions pdf{};
};

Step<> WritePdf(const MergeRun& run, SheetChoice& sheet, CardRenderer& renderer) {
  LayOutWhenNotGiven(sheet, run.project);
  const CardState project =
      run.fit == CardFit::kSheetSize ? FittedToLayout(run.project, sheet.layout) : run.project;
  const SheetGrid laid = ComputeGrid(sheet.layout, sheet.paper.WholeMm(), project.dpi);
  if (!laid) return Failed(laid.Message());
  const GridSize& grid = laid.Value();
  MergedCardSource cards(renderer, project, run.records);
  // The first card is drawn now, so a picture left out is known before anything is written.
  cards.Card(0, 0, grid.CardCount());
  int leftOut = WarnOfLeftOutPictures(kCommand, renderer, run.table, project);
  if (Step<> refused = RefuseMissingBack(run.backFlip, project); !refused) return refused;
  const bool twoSided = run.backFlip != DuplexFlip::kNone;
  // The back is printed as it was designed, the same behind every record's card: it holds what
  // all the cards share, and a merge never replaces text the user typed there.
  const CardState back = twoSided ? BackFaceOf(project) : CardState();
  CardRenderer backRenderer(&run.table, CustomPhotosFolder());
  const QImage backImage = twoSided ? ToQImage(backRenderer.RenderPrintImage(back)) : QImage();
  if (twoSided) leftOut += WarnOfLeftOutPictures(kCommand, backRenderer, run.table, back);
  CardBacks backs;
  if (twoSided) {
    backs.flip = run.backFlip;
    backs.cards = SameCardEverywhere(backImage);
    backs.paintedCards = [&backRenderer, &back](QPainter& painter, const QRectF& target, int, int,
                                                const CardPaintOptions& options) {
      PaintCard(backRenderer, painter, target, back, options);
    };
  }
  if (run.strict && leftOut > 0) {
    return Failed(TrMessage("'%1' is not written: with --strict a picture left out is a failure",
                            run.output));
  }
  const SheetJob job{.paper = sheet.paper,
                     .layout = sheet.layout,
                     .dpi = project.dpi,
                     .sheets = MergeSheetCount(run.records.Count(), grid.CardCount()),
                     .cards = cards.Source(grid.CardCount()),
                     .paintedCards = cards.Painting(grid.CardCount()),
                     .cardCount = run.records.Count(),
                     .cardSize = QSizeF(project.cardWidth, project.cardHeight),
                     .shop = run.shop,
                     .calibration = run.calibration,
                     .backs = backs};
  Progress progress(run.records.Count());
  const auto perSheet = static_cast<size_t>(grid.CardCount());
  PdfOptions pdf = run.pdf;
  pdf.title = QString::fromStdString(std::filesystem::path(run.arguments.project).stem());
  const PrintOutcome written = WriteSheetsPdf(run.output, job, pdf, [&](int done, int) {
    progress.Placed(std::min(run.records.Count(), static_cast<size_t>(done) * perSheet));
    return true;
  });
  if (!written) return Failed(written.Message());
  progress.Placed(run.records.Count());
  return {};
}

Step<> WriteImages(const MergeRun& run, int format, CardRenderer& renderer) {
  // The first card is drawn now, so a picture left out is known before anything is written.
  const CardState first = MergedCard(run.project, run.records.At(0).details);
  if (Outcome<QImage> drawn = RenderCardForExport(renderer, first); !drawn) {
    return Failed(drawn.Message());
  }
  const int leftOut = WarnOfLeftOutPictures(kCommand, renderer, run.table, first);
  if (run.strict && leftOut > 0) {
    return Failed(TrText("nothing is written: with --strict a picture left out is a failure"));
  }
  if (!run.overwrite) {
    const ExistingFiles existing = FindExistingFiles(run.output, run.records);
    if (existing.count > 0) {
      return Failed(
          TrMessage("nothing is written: %1 of the files exist already, such as '%2' "
                    "(--overwrite replaces them)",
                    existing.count, PrintableName(existing.first.string())));
    }
  }
  Progress progress(run.records.Count());
  const Outcome<size_t> written =
      ExportMergedCards(renderer, run.project, run.records, run.output, format, kNoQuality,
                        run.overwrite ? ExistingMergeFiles::kReplace : ExistingMergeFiles::kRefuse,
                        [&](uint64_t done, uint64_t) {
                          progress.Placed(done);
                          return true;
                        });
  if (!written) return Failed(written.Message());
  return {};
}

// Names the columns that fill no field, and why: a few by name, the rest counted.
void WarnOfUnusedColumns(const FieldMapping& mapping, const QStringList& columns) {
  QStringList unnamed;
  size_t more = 0;
  for (const UnusedColumn& unused : UnusedColumns(mapping, columns)) {
    const QString title = ColumnTitle(columns, unused.column);
    if (unused.reason != UnusedReason::kNoFieldName) {
      PrintWarning(kCommand, TrMessage("the column '%1' fills no field: %2", title,
                                       UnusedText(unused, mapping, columns)));
    } else if (unnamed.size() < kNamedColumns) {
      unnamed.push_back(QStringLiteral("'%1'").arg(title));
    } else {
      ++more;
    }
  }
  if (unnamed.isEmpty()) return;
  std::string list = unnamed.join(QStringLiteral(", ")).toStdString();
  if (more > 0) list = TrMessage("%1 and %2 more", list, more);
  PrintWarning(kCommand, TrMessage("the column(s) %1 fill no field of the card (--map "
                                   "FIELD=COLUMN uses one)",
                                   list));
}

// The records of the data file as the mapping makes them; a failure when there are none to place
// or a --map is wrong.
Step<MergeRecords> ReadRecords(const Arguments& arguments, bool strict) {
  const std::string& data = arguments.values.at("--data");
  const auto sheet = arguments.values.find("--sheet");
  Outcome<MergeTable> read =
      ReadMergeData(data, sheet == arguments.values.end() ? std::string() : sheet->second);
  if (!read) return Failed(read.Message());
  auto table = std::make_shared<const MergeTable>(std::move(read).Value());
  for (const std::string& warning : table->warnings) PrintWarning(kCommand, warning);
  FieldMapping mapping = MappingByHeader(table->columns);
  for (const auto& [option, value] : arguments.inOrder) {
    if (option != "--map") continue;
    if (const Outcome<> applied = ApplyOverride(mapping, table->columns, value); !applied) {
      return Misused(TrMessage("--map %1", applied.Message()));
    }
  }
  WarnOfUnusedColumns(mapping, table->columns);
  MergeRecords merged(table, std::move(mapping));
  const std::string name = PrintableName(std::filesystem::path(data).filename().string());
  for (const RecordProblem& problem : merged.Problems()) {
    const std::string where = RecordPlace(name, *table, problem.line);
    if (strict) {
      PrintError(kCommand, TrMessage("%1: %2", where, ProblemText(problem)));
    } else {
      PrintWarning(kCommand, TrMessage("%1: %2; it is left out", where, ProblemText(problem)));
    }
  }
  if (strict && !merged.Problems().empty()) {
    return Failed(TrText("nothing is written: with --strict a record left out is a failure"));
  }
  if (merged.Empty()) return Failed(TrMessage("%1 gives no record to make a card of", name));
  return merged;
}

// Warns of each record whose QR code cannot be made or would not scan; a failure when that stops
// the merge (--strict).
Step<> CheckQrCodes(const Arguments& arguments, bool strict, const CardState& project,
                    const MergeRecords& records) {
  const std::vector<RecordProblem> problems = QrCodeProblems(project, records);
  const std::string name =
      PrintableName(std::filesystem::path(arguments.values.at("--data")).filename().string());
  for (const RecordProblem& problem : problems) {
    const std::string text = TrMessage("%1: %2", RecordPlace(name, *records.Table(), problem.line),
                                       ProblemText(problem));
    strict ? PrintError(kCommand, text) : PrintWarning(kCommand, text);
  }
  if (strict && !problems.empty()) {
    return Failed(
        TrText("nothing is written: with --strict a QR code that cannot be read is a "
               "failure"));
  }
  return {};
}

Step<> Merge(const Arguments& arguments) {
  const std::string& output = arguments.values.at("--output");
  if (!arguments.values.contains("--data")) {
    return Misused(TrText("needs a data file (--data FILE)"));
  }
  if (Step<> refused = RefuseOutputOverInput(arguments.values.at("--data"), output); !refused) {
    return refused;
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
    Step<SheetChoice> chosen = ChooseSheet(arguments);
    if (!chosen) return chosen.Fault();
    sheet = std::move(chosen).Value();
    if (Step<> read = ReadPrintShop(arguments, shop); !read) return read;
    if (Step<> read = ReadOffset(arguments, calibration); !read) return read;
    if (Step<> read = ReadFit(arguments, fit); !read) return read;
    if (Step<> read = ReadBackSide(arguments, backFlip); !read) return read;
    if (Step<> read = ReadPdfStandard(arguments, pdfOptions); !read) return read;
  } else {
    for (const char* option : {"--paper", "--layout", kFitOption, kBleedOption, kOffsetOption,
                               kBackOption, kCmykOption}) {
      if (arguments.values.contains(option)) {
        return Misused(TrMessage("%1 is for a PDF; an image holds one card", option));
      }
    }
    for (const char* flag : {kCropMarksFlag, kPdfxFlag}) {
      if (arguments.flags.contains(flag)) {
        return Misused(TrMessage("%1 is for a PDF; an image holds one card", flag));
      }
    }
    format = FormatForExtension(std::filesystem::path(output).extension().string());
    if (!format) {
      return Misused(TrMessage(
          "cannot tell the format from '%1': give .pdf or an image extension such as .png",
          output));
    }
    if (const Outcome<> checked = CheckNamePattern(output); !checked) {
      return Misused(checked.Message());
    }
  }
  const bool strict = arguments.flags.contains("--strict");
  const bool overwrite = arguments.flags.contains(kOverwriteFlag);
  BackgroundTable table;
  CardState project;
  if (Step<> loaded =
          (pdf ? LoadCardToPrint : LoadProjectCard)(kCommand, arguments.project, table, project);
      !loaded) {
    return loaded;
  }
  Step<MergeRecords> records = ReadRecords(arguments, strict);
  if (!records) return records.Fault();
  const MergeRecords& merged = records.Value();
  if (Step<> checked = CheckQrCodes(arguments, strict, project, merged); !checked) return checked;

  CheckCounter failures(std::string("tavolo-cli ") + kCommand);
  CardRenderer renderer(&table, CustomPhotosFolder());
  const MergeRun run{arguments, output, table,       project, merged,   strict,
                     overwrite, shop,   calibration, fit,     backFlip, std::move(pdfOptions)};
  if (Step<> written = pdf ? WritePdf(run, sheet, renderer) : WriteImages(run, *format, renderer);
      !written) {
    return written;
  }
  if (failures.Count() > 0) {
    return Failed(
        TrMessage("%1 check(s) failed; '%2' may be incomplete", failures.Count(), output));
  }
  if (!merged.Problems().empty()) {
    return Failed(
        TrMessage("%1 of %2 records were left out", merged.Problems().size(), merged.RowCount()));
  }
  return {};
}

}  // namespace

int RunMerge(const std::vector<std::string>& args) {
  const Step<Arguments> arguments =
      ParseArguments(kMergeUsage, args,
                     {"--output", "--data", "--sheet", "--paper", "--layout", "--map", kFitOption,
                      kBleedOption, kOffsetOption, kBackOption, kCmykOption},
                     {"--strict", kCropMarksFlag, kOverwriteFlag, kPdfxFlag});
  if (!arguments) return Exit(kCommand, arguments);
  const GuiApplication app;
  return Exit(kCommand, Merge(arguments.Value()));
}

}  // namespace tavolo::cli
