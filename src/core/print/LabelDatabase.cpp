#include "core/print/LabelDatabase.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <system_error>
#include <utility>

#include <QSizeF>
#include <QXmlStreamReader>

#include "core/base/Translation.h"
#include "core/print/SheetGrid.h"
#include "core/storage/FileIo.h"
#include "core/storage/PrintableName.h"

namespace tavolo {

namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kPointsPerMm = kPointsPerInch / 25.4;
// Places closer than this are one place; pitches closer than this are one pitch.
constexpr double kSamePlacePt = 0.1;
// Equivalents of equivalents are followed this far.
constexpr int kMaxEquivalentChain = 8;
// A layout of more places than a sheet could hold is hostile.
constexpr int64_t kMaxPlaces = int64_t{kMaxCardsAcross} * kMaxCardsAcross;

// A length of the database: a number and a unit (pt, in, mm, cm, pc), points without one.
struct Length {
  double points = 0;
  bool inches = false;
};

std::optional<Length> ParseLength(QStringView text) {
  text = text.trimmed();
  qsizetype split = text.size();
  while (split > 0 && text[split - 1].isLetter()) --split;
  bool ok = false;
  const double value = text.left(split).trimmed().toDouble(&ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  const QStringView unit = text.mid(split);
  if (unit.isEmpty() || unit == u"pt") return Length{value, false};
  if (unit == u"in") return Length{value * kPointsPerInch, true};
  if (unit == u"mm") return Length{value * kPointsPerMm, false};
  if (unit == u"cm") return Length{value * 10 * kPointsPerMm, false};
  if (unit == u"pc") return Length{value * 12, false};
  return std::nullopt;
}

struct RawLayout {
  int64_t nx = 0, ny = 0;
  double x0 = 0, y0 = 0, dx = 0, dy = 0;  // points
};

struct RawTemplate {
  QString brand;
  QString part;
  QString equivalentOf;  // an equivalent: the part number it is the same sheet as
  QString description;
  QString paper;                  // gLabels' paper name: "A4", "US-Letter", "Other"
  std::optional<QSizeF> paperPt;  // the paper's size, for "Other"
  bool businessCard = false;
  int shapes = 0;
  bool rectangle = false;                   // the (first) shape is a rectangle
  bool broken = false;                      // a length or a count could not be read
  bool inches = false;                      // the card's width is given in inches
  double width = 0, height = 0, round = 0;  // points
  std::vector<RawLayout> layouts;
};

QString Key(const QString& brand, const QString& part) {
  return ComparablePart(brand) + QLatin1Char('\n') + ComparablePart(part);
}

std::optional<QPageSize> PaperOf(const RawTemplate& raw) {
  static constexpr std::pair<const char16_t*, QPageSize::PageSizeId> kPapers[] = {
      {u"A4", QPageSize::A4},          {u"US-Letter", QPageSize::Letter},
      {u"US-Legal", QPageSize::Legal}, {u"A3", QPageSize::A3},
      {u"A5", QPageSize::A5},          {u"A6", QPageSize::A6},
  };
  for (const auto& [name, id] : kPapers) {
    if (raw.paper == QStringView(name)) return QPageSize(id);
  }
  if (raw.paper == u"Other" && raw.paperPt) {
    const QPageSize::PageSizeId id =
        QPageSize::id(*raw.paperPt, QPageSize::Point, QPageSize::FuzzyMatch);
    if (id != QPageSize::Custom) return QPageSize(id);
  }
  return std::nullopt;
}

// The index of the value in `sorted` within kSamePlacePt; -1 when there is none.
int IndexOf(const std::vector<double>& sorted, double value) {
  const auto at = std::ranges::lower_bound(sorted, value - kSamePlacePt);
  if (at == sorted.end() || *at - value > kSamePlacePt) return -1;
  return static_cast<int>(at - sorted.begin());
}

// Sorted values, those within kSamePlacePt of the one before left out.
std::vector<double> Distinct(std::vector<double> values) {
  std::ranges::sort(values);
  std::vector<double> kept;
  for (const double v : values) {
    if (kept.empty() || v - kept.back() > kSamePlacePt) kept.push_back(v);
  }
  return kept;
}

bool EvenlySpaced(const std::vector<double>& v) {
  for (size_t i = 2; i < v.size(); ++i) {
    if (std::abs((v[i] - v[i - 1]) - (v[1] - v[0])) > kSamePlacePt) return false;
  }
  return true;
}

// The places of all the layouts as one even grid: columns and rows, the first place and the
// pitches, in points. Empty when they are not one, or when they are more than `placesLeft`.
std::optional<SheetGeometry> GridOf(const std::vector<RawLayout>& layouts, int64_t& placesLeft) {
  std::vector<std::pair<double, double>> places;
  for (const RawLayout& layout : layouts) {
    if (layout.nx < 1 || layout.ny < 1 || layout.nx > kMaxPlaces || layout.ny > kMaxPlaces ||
        layout.nx * layout.ny > placesLeft) {
      return std::nullopt;
    }
    placesLeft -= layout.nx * layout.ny;
    for (int64_t i = 0; i < layout.nx; ++i) {
      for (int64_t j = 0; j < layout.ny; ++j) {
        places.emplace_back(layout.x0 + i * layout.dx, layout.y0 + j * layout.dy);
      }
    }
  }
  std::vector<double> xs, ys;
  for (const auto& [x, y] : places) {
    xs.push_back(x);
    ys.push_back(y);
  }
  xs = Distinct(std::move(xs));
  ys = Distinct(std::move(ys));
  if (xs.empty() || xs.size() > static_cast<size_t>(kMaxCardsAcross) ||
      ys.size() > static_cast<size_t>(kMaxCardsAcross) || !EvenlySpaced(xs) || !EvenlySpaced(ys)) {
    return std::nullopt;
  }
  // A place given twice (a layout repeated) is one place; every place of the grid must be given.
  std::vector<bool> given(xs.size() * ys.size());
  for (const auto& [x, y] : places) {
    given[static_cast<size_t>(IndexOf(ys, y)) * xs.size() + static_cast<size_t>(IndexOf(xs, x))] =
        true;
  }
  if (std::ranges::find(given, false) != given.end()) return std::nullopt;
  SheetGeometry grid;
  grid.columns = static_cast<int>(xs.size());
  grid.rows = static_cast<int>(ys.size());
  grid.left = xs.front();
  grid.top = ys.front();
  grid.across = xs.size() > 1 ? xs[1] - xs[0] : 0;
  grid.down = ys.size() > 1 ? ys[1] - ys[0] : 0;
  return grid;
}

// Reads the files one after the other, then resolves the equivalents across all of them.
class Collector {
 public:
  explicit Collector(LabelDatabaseListing& listing) : listing_(listing) {}

  void Read(const std::string& name, const QByteArray& bytes);
  void Finish();

 private:
  // Why the file is no database file; empty when it was read, or when it is some other XML file
  // of the folder (the paper sizes, the categories), which is left alone.
  std::string Parse(const QByteArray& bytes, std::vector<RawTemplate>& found);
  std::optional<SheetProduct> ProductOf(const RawTemplate& raw);

  LabelDatabaseListing& listing_;
  std::vector<RawTemplate> templates_;
  // The places all layouts together may have: a few hundred in a real database.
  int64_t placesLeft_ = 100 * kMaxPlaces;
};

void Collector::Read(const std::string& name, const QByteArray& bytes) {
  std::vector<RawTemplate> found;
  const std::string why = Parse(bytes, found);
  if (!why.empty()) {
    listing_.errors.push_back(
        TrMessage("The label database file %1 is skipped: %2.", PrintableName(name), why));
    return;
  }
  if (templates_.size() + found.size() > static_cast<size_t>(kMaxLabelTemplates)) {
    listing_.errors.push_back(
        TrMessage("The label database file %1 is skipped: the database holds more than %2 "
                  "templates.",
                  PrintableName(name), kMaxLabelTemplates));
    return;
  }
  std::ranges::move(found, std::back_inserter(templates_));
}

std::string Collector::Parse(const QByteArray& bytes, std::vector<RawTemplate>& found) {
  QXmlStreamReader xml(bytes);
  int depth = 0;
  int elements = 0;
  std::optional<RawTemplate> current;
  int shapeDepth = 0;  // the depth of the template's first shape while inside it
  while (!xml.atEnd()) {
    const QXmlStreamReader::TokenType token = xml.readNext();
    if (token == QXmlStreamReader::EndElement) {
      if (current && depth == 2) {
        found.push_back(std::move(*current));
        current.reset();
      }
      if (depth == shapeDepth) shapeDepth = 0;
      --depth;
      continue;
    }
    if (token != QXmlStreamReader::StartElement) continue;
    if (++depth > kMaxLabelDatabaseDepth) {
      return TrMessage("its elements are nested more than %1 deep", kMaxLabelDatabaseDepth);
    }
    if (++elements > kMaxLabelDatabaseElements) {
      return TrMessage("it holds more than %1 elements", kMaxLabelDatabaseElements);
    }
    const QStringView element = xml.name();
    const QXmlStreamAttributes attributes = xml.attributes();
    const auto text = [&attributes](const char* name) {
      return attributes.value(QLatin1String(name)).toString();
    };
    const auto length = [&](const char* name, double& points) {
      const std::optional<Length> read = ParseLength(attributes.value(QLatin1String(name)));
      if (!read || read->points < 0) {
        current->broken = true;
        return false;
      }
      points = read->points;
      return read->inches;
    };
    if (depth == 1) {
      if (element != u"Glabels-templates") return {};
      continue;
    }
    if (depth == 2) {
      if (element != u"Template") continue;
      if (found.size() >= static_cast<size_t>(kMaxLabelTemplates)) {
        return TrMessage("it holds more than %1 templates", kMaxLabelTemplates);
      }
      current.emplace();
      current->brand = text("brand").trimmed();
      current->part = text("part").trimmed();
      current->equivalentOf = text("equiv").trimmed();
      current->description = text("_description").trimmed();
      if (current->description.isEmpty()) current->description = text("description").trimmed();
      current->paper = text("size").trimmed();
      if (current->paper == u"Other") {
        double width = 0, height = 0;
        length("width", width);
        length("height", height);
        current->paperPt = QSizeF(width, height);
      }
      continue;
    }
    if (!current) continue;
    if (depth == 3 && element == u"Meta") {
      if (attributes.value(QLatin1String("category")) == u"business-card")
        current->businessCard = true;
    } else if (depth == 3 && element.startsWith(u"Label-")) {
      if (++current->shapes == 1) {
        shapeDepth = depth;
        current->rectangle = element == u"Label-rectangle";
        if (current->rectangle) {
          current->inches = length("width", current->width);
          length("height", current->height);
          if (attributes.hasAttribute(QLatin1String("round"))) length("round", current->round);
        }
      }
    } else if (depth == 4 && shapeDepth == 3 && element == u"Layout" && current->rectangle) {
      RawLayout layout;
      bool countsRead = false, secondRead = false;
      layout.nx = attributes.value(QLatin1String("nx")).toLongLong(&countsRead);
      layout.ny = attributes.value(QLatin1String("ny")).toLongLong(&secondRead);
      if (!countsRead || !secondRead) current->broken = true;
      length("x0", layout.x0);
      length("y0", layout.y0);
      // Without a pitch a single row or column has none to give.
      if (attributes.hasAttribute(QLatin1String("dx"))) length("dx", layout.dx);
      if (attributes.hasAttribute(QLatin1String("dy"))) length("dy", layout.dy);
      current->layouts.push_back(layout);
    }
  }
  if (xml.hasError()) {
    return TrMessage("line %1: %2", static_cast<int64_t>(xml.lineNumber()),
                     xml.errorString().toStdString());
  }
  return {};
}

std::optional<SheetProduct> Collector::ProductOf(const RawTemplate& raw) {
  if (raw.broken || !raw.rectangle || raw.shapes != 1 || raw.layouts.empty()) return std::nullopt;
  const std::optional<QPageSize> paper = PaperOf(raw);
  std::optional<SheetGeometry> grid = GridOf(raw.layouts, placesLeft_);
  if (!paper || !grid) return std::nullopt;
  const double perPoint = raw.inches ? 1 / kPointsPerInch : 1 / kPointsPerMm;
  SheetProduct product;
  product.parts.push_back({raw.brand, raw.part});
  product.description = raw.description;
  product.paper = *paper;
  product.source = SheetSource::kInstalledDatabase;
  SheetGeometry& g = product.geometry;
  g = *grid;
  g.unit = raw.inches ? LengthUnit::kInches : LengthUnit::kMm;
  g.cardWidth = raw.width * perPoint;
  g.cardHeight = raw.height * perPoint;
  g.cornerRadius = raw.round * perPoint;
  g.left *= perPoint;
  g.top *= perPoint;
  g.across = g.columns > 1 ? g.across * perPoint : g.cardWidth;
  g.down = g.rows > 1 ? g.down * perPoint : g.cardHeight;
  if (!CheckSheetProduct(product)) return std::nullopt;
  return product;
}

void Collector::Finish() {
  // The first template of each part number, an equivalent or not.
  std::map<QString, size_t> byPart;
  for (size_t i = 0; i < templates_.size(); ++i) {
    byPart.emplace(Key(templates_[i].brand, templates_[i].part), i);
  }
  // The part numbers of each business card, its own first.
  std::map<size_t, std::vector<size_t>> parts;
  for (size_t i = 0; i < templates_.size(); ++i) {
    std::optional<size_t> own = i;
    for (int step = 0; own && step < kMaxEquivalentChain; ++step) {
      const RawTemplate& raw = templates_[*own];
      if (raw.equivalentOf.isEmpty()) break;
      const auto target = byPart.find(Key(raw.brand, raw.equivalentOf));
      own = target == byPart.end() ? std::nullopt : std::optional(target->second);
    }
    if (own && templates_[*own].equivalentOf.isEmpty() && templates_[*own].businessCard) {
      parts[*own].push_back(i);
    }
  }
  for (const auto& [own, sameSheet] : parts) {
    std::optional<SheetProduct> product = ProductOf(templates_[own]);
    if (!product) {
      listing_.skipped += static_cast<int>(sameSheet.size());
      continue;
    }
    for (const size_t part : sameSheet) {
      const RawTemplate& raw = templates_[part];
      if (!HasPart(*product, raw.brand, raw.part)) product->parts.push_back({raw.brand, raw.part});
    }
    listing_.products.push_back(std::move(*product));
  }
}

}  // namespace

LabelDatabaseListing ParseLabelDatabase(std::span<const LabelDatabaseFile> files) {
  LabelDatabaseListing listing;
  Collector collector(listing);
  for (const LabelDatabaseFile& file : files) collector.Read(file.name, file.bytes);
  collector.Finish();
  return listing;
}

LabelDatabaseListing ReadLabelDatabase(std::span<const std::filesystem::path> folders) {
  LabelDatabaseListing listing;
  Collector collector(listing);
  for (const std::filesystem::path& folder : folders) {
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error) {
      if (error.value() != ENOENT) {
        listing.errors.push_back(TranslatedMessage(FileErrorMessage(error.value(), folder)));
      }
      continue;
    }
    std::vector<std::filesystem::path> files;
    bool tooMany = false;
    for (const std::filesystem::directory_entry& entry : entries) {
      std::error_code ignored;
      if (!entry.is_regular_file(ignored) || entry.path().extension() != ".xml") continue;
      if (files.size() >= static_cast<size_t>(kMaxLabelDatabaseFiles)) {
        tooMany = true;
        break;
      }
      files.push_back(entry.path());
    }
    if (tooMany) {
      listing.errors.push_back(
          TrMessage("The label database %1 holds more than %2 files; it is "
                    "skipped.",
                    PrintableName(folder.string()), kMaxLabelDatabaseFiles));
      continue;
    }
    std::ranges::sort(files);
    for (const std::filesystem::path& file : files) {
      const Outcome<std::vector<uint8_t>> bytes = ReadWholeFile(file, kMaxLabelDatabaseFileBytes);
      if (!bytes) {
        listing.errors.push_back(TrMessage("The label database file %1 is skipped: %2",
                                           PrintableName(file.string()),
                                           TranslatedMessage(bytes.Message())));
        continue;
      }
      collector.Read(file.string(), QByteArray(reinterpret_cast<const char*>(bytes.Value().data()),
                                               static_cast<qsizetype>(bytes.Value().size())));
    }
  }
  collector.Finish();
  return listing;
}

}  // namespace tavolo
