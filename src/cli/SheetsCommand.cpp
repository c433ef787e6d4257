#include "SheetsCommand.h"

#include <cmath>
#include <cstdio>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "CliSupport.h"
#include "core/print/PaperCatalogue.h"
#include "core/print/SheetCatalogue.h"
#include "core/print/SheetSearch.h"

namespace tavolo::cli {

namespace {

constexpr const char* kCommand = "sheets";

constexpr const char* kSheetsUsage = QT_TRANSLATE_NOOP(
    "Tavolo",
    "Usage: tavolo-cli sheets [--search TEXT] [--paper NAME] [--json]\n"
    "Lists the sheet products the print dialog offers, grouped by paper: the program's own,\n"
    "the business cards of the label database gLabels installs (glabels-data), and the page\n"
    "layouts you saved, under your name. Each line gives the maker and part number, what the\n"
    "product is, the card size, the columns and rows and the other part numbers of the same\n"
    "sheet. Give a part number to --layout of print and merge to print on it.\n"
    "  --search TEXT   only the products with every word of TEXT in their maker, a part\n"
    "                  number, the description, the paper or the card size (\"5881\",\n"
    "                  \"sigel lp800\", \"85x54\")\n"
    "  --paper NAME    only the products on that paper (A4, Letter, ...)\n"
    "  --json          an array of objects: maker, partNumbers (each with maker and part),\n"
    "                  name, description, paper, cardWidthMm, cardHeightMm, columns, rows,\n"
    "                  leftMm and topMm (the first card's place), horizontalPitchMm,\n"
    "                  verticalPitchMm, cornerRadiusMm and source (\"shipped\",\n"
    "                  \"installed database\" or \"user\")\n"
    "Exit status: 0 success (also when nothing matches), 2 usage.\n");

const char* SourceName(SheetSource source) {
  switch (source) {
    case SheetSource::kShipped:
      return "shipped";
    case SheetSource::kInstalledDatabase:
      return "installed database";
    case SheetSource::kUser:
      break;
  }
  return "user";
}

double RoundedMm(const SheetGeometry& g, double length) {
  return std::round(Mm(g, length) * 1000) / 1000;
}

QJsonObject Json(const SheetProduct& product) {
  const SheetGeometry& g = product.geometry;
  QJsonArray parts;
  for (const PartNumber& part : product.parts) {
    parts.append(QJsonObject{{"maker", part.maker}, {"part", part.part}});
  }
  return {{"maker", product.Main().maker},
          {"partNumbers", parts},
          {"name", ProductName(product)},
          {"description", product.description},
          {"paper", PaperName(product.paper)},
          {"cardWidthMm", RoundedMm(g, g.cardWidth)},
          {"cardHeightMm", RoundedMm(g, g.cardHeight)},
          {"columns", g.columns},
          {"rows", g.rows},
          {"leftMm", RoundedMm(g, g.left)},
          {"topMm", RoundedMm(g, g.top)},
          {"horizontalPitchMm", RoundedMm(g, g.across)},
          {"verticalPitchMm", RoundedMm(g, g.down)},
          {"cornerRadiusMm", RoundedMm(g, g.cornerRadius)},
          {"source", SourceName(product.source)}};
}

std::string Line(const SheetProduct& product) {
  const PartNumber& main = product.Main();
  std::string line = "  " + (main.maker + u' ' + main.part).toStdString();
  line.resize(std::max<size_t>(line.size() + 1, 26), ' ');
  line += CardSizeText(product, QStringLiteral(" x ")).toStdString();
  line.resize(std::max<size_t>(line.size() + 1, 44), ' ');
  line += std::to_string(product.geometry.columns) + " x " + std::to_string(product.geometry.rows);
  line.resize(std::max<size_t>(line.size() + 1, 53), ' ');
  line += product.description.toStdString();
  if (product.source == SheetSource::kInstalledDatabase) line += TrText(" (gLabels database)");
  if (product.source == SheetSource::kUser) line += TrText(" (your own)");
  if (product.parts.size() > 1) line += "; " + TrMessage("also %1", EquivalentsText(product));
  return line;
}

Step<> Sheets(const std::vector<std::string>& args) {
  Arguments arguments;
  for (size_t i = 0; i < args.size(); ++i) {
    if (IsHelp(args[i])) {
      std::fputs(TrText(kSheetsUsage).c_str(), stdout);
      return CliFailure{{}, Stop::kHelpShown, {}};
    }
    if (args[i] == "--json") {
      arguments.flags.insert(args[i]);
    } else if (args[i] == "--search" || args[i] == "--paper") {
      if (i + 1 >= args.size()) return Misused(TrMessage("%1 needs a value", args[i]));
      arguments.values[args[i]] = args[i + 1];
      ++i;
    } else if (args[i].starts_with("-")) {
      return Misused(TrMessage("unknown option '%1'", args[i]));
    } else {
      return Misused(TrMessage("unexpected argument '%1'", args[i]));
    }
  }
  std::optional<QPageSize> paper;
  if (arguments.values.contains("--paper")) {
    const std::vector<Paper> papers = PaperCatalogue();
    const int found = FindPaper(papers, QString::fromStdString(arguments.values.at("--paper")));
    if (found < 0) {
      return Misused(
          TrMessage("no paper is named '%1': give a name such as A4 or "
                    "Letter",
                    arguments.values.at("--paper")));
    }
    paper = papers[static_cast<size_t>(found)].pageSize;
  }
  const SheetCatalogue catalogue = LoadSheetCatalogue(InstalledSheetProductSources());
  for (const std::string& error : catalogue.errors) PrintWarning(kCommand, error);

  const QString search = arguments.values.contains("--search")
                             ? QString::fromStdString(arguments.values.at("--search"))
                             : QString();
  const std::vector<SheetGroup> groups =
      SearchSheetProducts(catalogue.products, search, {}, PaperName(PaperCatalogue()[0].pageSize));
  QJsonArray json;
  std::string text;
  for (const SheetGroup& group : groups) {
    std::string lines;
    for (const size_t i : group.products) {
      const SheetProduct& product = catalogue.products[i];
      if (paper && !product.paper.isEquivalentTo(*paper)) continue;
      json.append(Json(product));
      lines += Line(product) + "\n";
    }
    if (!lines.empty()) text += group.title.toStdString() + "\n" + lines;
  }
  if (arguments.flags.contains("--json")) {
    std::fputs(QJsonDocument(json).toJson(QJsonDocument::Indented).constData(), stdout);
  } else if (text.empty()) {
    std::fprintf(stderr, "%s\n", TrText("No sheet product matches.").c_str());
  } else {
    std::fputs(text.c_str(), stdout);
  }
  return {};
}

}  // namespace

int RunSheets(const std::vector<std::string>& args) {
  return Exit(kCommand, Sheets(args));
}

}  // namespace tavolo::cli
