#include "SheetDefinition.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>
#include <vector>

#include "core/print/LengthDisplay.h"
#include "core/print/PaperCatalogue.h"
#include "core/print/SheetGrid.h"

namespace tavolo::ptmgen {

namespace {

constexpr int kLayoutDpi = 300;
constexpr double kMmPerInch = 25.4;
// A length is moved at most this many floats up to show as its figure.
constexpr int kMaxNudges = 16;

std::string Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t\r");
  return std::string(text.substr(first, last - first + 1));
}

// Two positive numbers separated by spaces, or by " x ".
bool ReadPair(const std::string& text, double& a, double& b) {
  std::string spaced = text;
  for (char& c : spaced) {
    if (c == 'x') c = ' ';
  }
  std::istringstream in(spaced);
  std::string rest;
  return static_cast<bool>(in >> a >> b) && !(in >> rest) && a >= 0 && b >= 0;
}

std::optional<LengthUnit> UnitNamed(const std::string& unit) {
  if (unit == "in") return LengthUnit::kInches;
  if (unit == "cm") return LengthUnit::kCm;
  if (unit == "mm") return LengthUnit::kMm;
  return std::nullopt;
}

double UnitsPerInch(LengthUnit unit) {
  switch (unit) {
    case LengthUnit::kInches:
      return 1.0;
    case LengthUnit::kCm:
      return kMmPerInch / 10;
    case LengthUnit::kMm:
      break;
  }
  return kMmPerInch;
}

// The float nearest to `figure` in print pixels, moved up a few floats where the dialog's
// truncating display would otherwise show a hundredth less than the figure.
std::optional<float> PrintPixels(double figure, LengthUnit unit) {
  float pixels = static_cast<float>(figure / UnitsPerInch(unit) * kLayoutDpi);
  const float shown = static_cast<float>(std::round(figure * 100) / 100);
  for (int i = 0; i < kMaxNudges && ToDisplay(pixels, kLayoutDpi, unit) < shown; ++i) {
    pixels = std::nextafter(pixels, HUGE_VALF);
  }
  if (ToDisplay(pixels, kLayoutDpi, unit) != shown) return std::nullopt;
  return pixels;
}

// A length as the definitions write it: "3.5", "50.8", "0.0004".
std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4g", value);
  return text;
}

}  // namespace

std::optional<SheetDefinition> ParseSheetDefinition(std::string_view text, std::string& error) {
  std::map<std::string, std::string> values;
  std::istringstream lines{std::string(text)};
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    line = Trim(line.substr(0, line.find('#')));
    if (line.empty()) continue;
    const size_t colon = line.find(':');
    if (colon == std::string::npos) {
      error = "line " + std::to_string(number) + ": expected \"key: value\"";
      return std::nullopt;
    }
    const std::string key = Trim(std::string_view(line).substr(0, colon));
    if (!values.emplace(key, Trim(std::string_view(line).substr(colon + 1))).second) {
      error = "line " + std::to_string(number) + ": \"" + key + "\" given twice";
      return std::nullopt;
    }
  }
  SheetDefinition sheet;
  for (const char* key : {"name", "paper", "unit", "card", "margins", "pitch", "cards"}) {
    if (!values.contains(key)) {
      error = std::string("no \"") + key + "\"";
      return std::nullopt;
    }
  }
  sheet.name = values["name"];
  sheet.paper = values["paper"];
  sheet.unit = values["unit"];
  double columns = 0, rows = 0;
  const struct {
    const char* key;
    double* a;
    double* b;
  } pairs[] = {{"card", &sheet.cardWidth, &sheet.cardHeight},
               {"margins", &sheet.leftMargin, &sheet.topMargin},
               {"pitch", &sheet.horizontalPitch, &sheet.verticalPitch},
               {"cards", &columns, &rows}};
  for (const auto& pair : pairs) {
    if (!ReadPair(values[pair.key], *pair.a, *pair.b)) {
      error =
          std::string("\"") + pair.key + "\" needs two numbers, not \"" + values[pair.key] + "\"";
      return std::nullopt;
    }
  }
  sheet.columns = static_cast<int>(columns);
  sheet.rows = static_cast<int>(rows);
  if (values.size() != std::size(pairs) + 3) {
    error = "unknown keys besides name, paper, unit, card, margins, pitch and cards";
    return std::nullopt;
  }
  return sheet;
}

std::optional<PageLayout> BuildLayout(const SheetDefinition& sheet, std::string& error,
                                      std::string& summary) {
  const std::optional<LengthUnit> unit = UnitNamed(sheet.unit);
  if (!unit) {
    error = "unit \"" + sheet.unit + "\" is not in, cm or mm";
    return std::nullopt;
  }
  const std::vector<Paper> papers = PaperCatalogue(QLocale::c());
  const int found = FindPaper(papers, QString::fromStdString(sheet.paper));
  if (found < 0 || papers[found].id == 0) {
    error = "paper \"" + sheet.paper + "\" is not a paper with a Windows identifier";
    return std::nullopt;
  }
  const Paper& paper = papers[found];

  PageLayout layout;
  layout.name = QString::fromStdString(sheet.name);
  layout.paper = paper.id;
  layout.unit = static_cast<int32_t>(*unit);
  const std::pair<LayoutLength, double> lengths[] = {
      {LayoutLength::kCardWidth, sheet.cardWidth},
      {LayoutLength::kCardHeight, sheet.cardHeight},
      {LayoutLength::kHorizontalPitch, sheet.horizontalPitch},
      {LayoutLength::kVerticalPitch, sheet.verticalPitch},
      {LayoutLength::kLeftMargin, sheet.leftMargin},
      {LayoutLength::kTopMargin, sheet.topMargin},
  };
  for (const auto& [which, figure] : lengths) {
    const std::optional<float> pixels = PrintPixels(figure, *unit);
    if (!pixels) {
      error = Number(figure) + " " + sheet.unit + " cannot be shown as itself in the print dialog";
      return std::nullopt;
    }
    LengthOf(layout, which) = *pixels;
  }

  const SheetGrid grid = ComputeGrid(layout, paper.WholeMm(), kLayoutDpi);
  if (!grid.Ok() || grid.columns != sheet.columns || grid.rows != sheet.rows) {
    const std::string why = grid.Ok() ? "" : std::string(" (") + GridMessage(grid.status) + ")";
    error = "the program lays out " + std::to_string(grid.columns) + " x " +
            std::to_string(grid.rows) + " cards" + why + ", the product has " +
            std::to_string(sheet.columns) + " x " + std::to_string(sheet.rows);
    return std::nullopt;
  }
  // The last card's far edges against the paper's exact size, in the product's unit.
  const QSizeF paperMm = paper.pageSize.size(QPageSize::Millimeter);
  const double perMm = UnitsPerInch(*unit) / kMmPerInch;
  const double right =
      paperMm.width() * perMm -
      (sheet.leftMargin + (grid.columns - 1) * sheet.horizontalPitch + sheet.cardWidth);
  const double bottom =
      paperMm.height() * perMm -
      (sheet.topMargin + (grid.rows - 1) * sheet.verticalPitch + sheet.cardHeight);
  if (right < 0 || bottom < 0) {
    error = "the last card ends " + Number(-(right < 0 ? right : bottom)) + " " + sheet.unit +
            (right < 0 ? " beyond the right edge" : " beyond the bottom edge");
    return std::nullopt;
  }
  summary = sheet.name + ": " + paper.name.toStdString() + " (" + std::to_string(paper.id) + "), " +
            std::to_string(grid.columns) + " x " + std::to_string(grid.rows) +
            " cards, the last ending " + Number(right) + " " + sheet.unit +
            " from the right edge and " + Number(bottom) + " " + sheet.unit + " from the bottom";
  return layout;
}

}  // namespace tavolo::ptmgen
