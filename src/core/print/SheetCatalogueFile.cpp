#include "core/print/SheetCatalogueFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <system_error>

#include "core/base/Translation.h"
#include "core/print/PaperCatalogue.h"
#include "core/print/SheetGrid.h"
#include "core/storage/FileIo.h"
#include "core/storage/PrintableName.h"

namespace tavolo {

namespace {

constexpr std::string_view kDefaultDescription = "Business Cards";
constexpr std::string_view kProductKeys[] = {"product", "also",   "description", "paper",
                                             "unit",    "card",   "margins",     "pitch",
                                             "cards",   "corners"};
constexpr std::string_view kRequiredKeys[] = {"paper", "unit", "card", "margins", "pitch", "cards"};

std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// Where a comment starts: a "#" at the start of the line or after a space ("BC#11" is a part
// number).
size_t CommentStart(std::string_view line) {
  for (size_t at = line.find('#'); at != std::string_view::npos; at = line.find('#', at + 1)) {
    if (at == 0 || line[at - 1] == ' ' || line[at - 1] == '\t') return at;
  }
  return line.size();
}

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::optional<double> Number(std::string_view text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value) ||
      value < 0) {
    return std::nullopt;
  }
  return value;
}

// Two numbers separated by spaces, or by " x ".
std::optional<std::pair<double, double>> Pair(std::string_view text) {
  std::vector<std::string_view> words;
  size_t at = 0;
  while (at < text.size()) {
    const size_t end = std::min(text.find_first_of(" \tx", at), text.size());
    if (end > at) words.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  if (words.size() != 2) return std::nullopt;
  const std::optional<double> a = Number(words[0]);
  const std::optional<double> b = Number(words[1]);
  if (!a || !b) return std::nullopt;
  return std::pair{*a, *b};
}

std::optional<LengthUnit> UnitNamed(std::string_view unit) {
  if (unit == "in") return LengthUnit::kInches;
  if (unit == "cm") return LengthUnit::kCm;
  if (unit == "mm") return LengthUnit::kMm;
  return std::nullopt;
}

Failure AtLine(int line, const std::string& why) {
  return {TrMessage("line %1: %2", line, why)};
}

struct PendingProduct {
  int line = 0;  // where "product:" is
  std::map<std::string, std::string, std::less<>> values;
};

Outcome<SheetProduct> Finish(const PendingProduct& pending, const QString& maker,
                             const std::vector<Paper>& papers) {
  const auto& v = pending.values;
  // Only for keys known to be there.
  const auto at = [&v](std::string_view key) -> const std::string& { return v.find(key)->second; };
  for (const std::string_view key : kRequiredKeys) {
    if (!v.contains(key)) {
      return AtLine(pending.line, TrMessage("the product has no \"%1\"", key));
    }
  }
  SheetProduct product;
  product.parts.push_back({maker, Text(at("product"))});
  if (const auto also = v.find("also"); also != v.end()) {
    for (const QString& part : Text(also->second).split(u',', Qt::SkipEmptyParts)) {
      if (!part.trimmed().isEmpty()) product.parts.push_back({maker, part.trimmed()});
    }
  }
  if (product.parts.size() > static_cast<size_t>(kMaxPartsPerProduct)) {
    return AtLine(pending.line,
                  TrMessage("the product has more than %1 part numbers", kMaxPartsPerProduct));
  }
  const auto description = v.find("description");
  product.description = Text(description == v.end() ? kDefaultDescription : description->second);

  const int paper = FindPaper(papers, Text(at("paper")));
  if (paper < 0) {
    return AtLine(pending.line, TrMessage("no paper is named \"%1\"", at("paper")));
  }
  product.paper = papers[static_cast<size_t>(paper)].pageSize;
  const std::optional<LengthUnit> unit = UnitNamed(at("unit"));
  if (!unit) {
    return AtLine(pending.line, TrMessage("the unit \"%1\" is not in, cm or mm", at("unit")));
  }
  SheetGeometry& g = product.geometry;
  g.unit = *unit;
  const struct {
    std::string_view key;
    double* a;
    double* b;
  } pairs[] = {{"card", &g.cardWidth, &g.cardHeight},
               {"margins", &g.left, &g.top},
               {"pitch", &g.across, &g.down}};
  for (const auto& pair : pairs) {
    const auto numbers = Pair(at(pair.key));
    if (!numbers) {
      return AtLine(pending.line,
                    TrMessage("\"%1\" needs two numbers, not \"%2\"", pair.key, at(pair.key)));
    }
    std::tie(*pair.a, *pair.b) = *numbers;
  }
  const auto cards = Pair(at("cards"));
  if (!cards || cards->first != std::floor(cards->first) || cards->first > kMaxCardsAcross ||
      cards->second != std::floor(cards->second) || cards->second > kMaxCardsAcross) {
    return AtLine(pending.line,
                  TrMessage("\"cards\" needs two whole numbers, not \"%1\"", at("cards")));
  }
  g.columns = static_cast<int>(cards->first);
  g.rows = static_cast<int>(cards->second);
  if (const auto corners = v.find("corners"); corners != v.end()) {
    const std::optional<double> radius = Number(corners->second);
    if (!radius) {
      return AtLine(pending.line,
                    TrMessage("\"corners\" needs a number, not \"%1\"", corners->second));
    }
    g.cornerRadius = *radius;
  }
  return product;
}

}  // namespace

Outcome<std::vector<SheetProduct>> ParseSheetCatalogue(std::string_view text) {
  const std::vector<Paper> papers = PaperCatalogue(QLocale::c());
  std::vector<SheetProduct> products;
  QString maker;
  std::optional<PendingProduct> pending;
  const auto finishPending = [&]() -> Outcome<> {
    if (!pending) return {};
    Outcome<SheetProduct> product = Finish(*pending, maker, papers);
    if (!product) return Failure{product.Message()};
    products.push_back(std::move(product).Value());
    pending.reset();
    return {};
  };

  int number = 0;
  for (size_t at = 0; at < text.size();) {
    const size_t end = std::min(text.find('\n', at), text.size());
    const std::string_view whole = text.substr(at, end - at);
    at = end + 1;
    ++number;
    const std::string_view line = Trim(whole.substr(0, CommentStart(whole)));
    if (line.empty()) continue;
    const size_t colon = line.find(':');
    if (colon == std::string_view::npos)
      return AtLine(number, TrMessage("expected \"key: value\""));
    const std::string_view key = Trim(line.substr(0, colon));
    const std::string_view value = Trim(line.substr(colon + 1));
    if (value.empty()) return AtLine(number, TrMessage("\"%1\" has no value", key));
    if (key == "maker") {
      if (!maker.isEmpty()) return AtLine(number, TrMessage("\"maker\" is given twice"));
      if (pending || !products.empty()) {
        return AtLine(number, TrMessage("\"maker\" comes before the products"));
      }
      maker = Text(value);
      continue;
    }
    if (std::ranges::find(kProductKeys, key) == std::end(kProductKeys)) {
      return AtLine(number, TrMessage("unknown key \"%1\"", key));
    }
    if (key == "product") {
      if (maker.isEmpty()) return AtLine(number, TrMessage("\"maker\" comes before the products"));
      if (const Outcome<> finished = finishPending(); !finished) return Failure{finished.Message()};
      if (products.size() >= static_cast<size_t>(kMaxProductsPerMaker)) {
        return AtLine(number, TrMessage("more than %1 products", kMaxProductsPerMaker));
      }
      pending = PendingProduct{number, {}};
    } else if (!pending) {
      return AtLine(number, TrMessage("\"%1\" comes before any \"product\"", key));
    }
    const auto [given, added] = pending->values.emplace(std::string(key), std::string(value));
    // The part numbers may go on over several lines.
    if (!added && key == "also") {
      given->second += ',' + std::string(value);
    } else if (!added) {
      return AtLine(number, TrMessage("\"%1\" is given twice", key));
    }
  }
  if (const Outcome<> finished = finishPending(); !finished) return Failure{finished.Message()};
  if (products.empty()) return Failure{TrMessage("the file names no product")};
  return products;
}

SheetCatalogueListing ReadSheetCatalogue(const std::filesystem::path& folder) {
  SheetCatalogueListing listing;
  std::error_code error;
  std::filesystem::directory_iterator entries(folder, error);
  if (error) {
    listing.errors.push_back(TranslatedMessage(FileErrorMessage(error.value(), folder)));
    return listing;
  }
  std::vector<std::filesystem::path> files;
  for (const std::filesystem::directory_entry& entry : entries) {
    std::error_code ignored;
    if (entry.is_regular_file(ignored) && entry.path().extension() == kSheetCatalogueExtension) {
      files.push_back(entry.path());
    }
  }
  std::ranges::sort(files);
  for (const std::filesystem::path& file : files) {
    const Outcome<std::vector<uint8_t>> bytes = ReadWholeFile(file, kMaxSheetCatalogueBytes);
    if (!bytes) {
      listing.errors.push_back(TranslatedMessage(bytes.Message()));
      continue;
    }
    const std::string_view text(reinterpret_cast<const char*>(bytes.Value().data()),
                                bytes.Value().size());
    Outcome<std::vector<SheetProduct>> products = ParseSheetCatalogue(text);
    if (!products) {
      listing.errors.push_back(
          TrMessage("%1 is damaged: %2.", PrintableName(file.string()), products.Message()));
      continue;
    }
    for (SheetProduct& product : products.Value()) {
      if (const Outcome<> usable = CheckSheetProduct(product); !usable) {
        listing.errors.push_back(TrMessage("%1: %2 is left out: %3.", PrintableName(file.string()),
                                           ProductName(product), usable.Message()));
      } else {
        listing.products.push_back(std::move(product));
      }
    }
  }
  return listing;
}

}  // namespace tavolo
