#include "core/print/SheetSearch.h"

#include <algorithm>
#include <cmath>
#include <map>

#include <QCollator>
#include <QRegularExpression>

#include "core/base/Translation.h"

namespace tavolo {

namespace {

const char* UnitSymbol(LengthUnit unit) {
  switch (unit) {
    case LengthUnit::kInches:
      return "in";
    case LengthUnit::kCm:
      return "cm";
    case LengthUnit::kMm:
      break;
  }
  return "mm";
}

// A length with at most two decimals and none that are zero: "3.5", "85", "50.8".
QString Figure(double length, const QLocale& locale = QLocale::c()) {
  QString text = locale.toString(std::round(length * 100) / 100, 'f', 2);
  while (text.endsWith(u'0')) text.chop(1);
  if (text.endsWith(locale.decimalPoint())) text.chop(locale.decimalPoint().size());
  return text;
}

// Everything a word of the search may be found in, letters and digits only, "|" between.
QString Haystack(const SheetProduct& product) {
  const SheetGeometry& g = product.geometry;
  QStringList fields;
  for (const PartNumber& part : product.parts) {
    fields << ComparablePart(part.maker) << ComparablePart(part.part)
           << ComparablePart(part.maker + part.part);
  }
  fields << ComparablePart(product.description) << ComparablePart(PaperName(product.paper));
  for (const double factor : {1.0, ToMm(1, g.unit)}) {
    const QString width = Figure(g.cardWidth * factor);
    const QString height = Figure(g.cardHeight * factor);
    fields << ComparablePart(width + u'x' + height) << ComparablePart(height + u'x' + width);
  }
  return fields.join(u'|');
}

// The words of a search, a size written "85 x 54" or "85×54" taken as one word.
QStringList Words(const QString& text) {
  QString joined = text;
  joined.replace(QChar(0x00D7), u'x');
  static const QRegularExpression size(QStringLiteral("(\\d)\\s*[xX]\\s*(\\d)"));
  joined.replace(size, QStringLiteral("\\1x\\2"));
  QStringList words;
  for (const QString& word :
       joined.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
    const QString comparable = ComparablePart(word);
    if (!comparable.isEmpty()) words << comparable;
  }
  return words;
}

bool HasEveryWord(const SheetProduct& product, const QStringList& words) {
  const QString haystack = Haystack(product);
  return std::ranges::all_of(words, [&haystack](const QString& w) { return haystack.contains(w); });
}

}  // namespace

bool MatchesSearch(const SheetProduct& product, const QString& text) {
  return HasEveryWord(product, Words(text));
}

QString ProductKey(const SheetProduct& product) {
  return ComparablePart(product.Main().maker) + u'/' + ComparablePart(product.Main().part);
}

std::vector<SheetGroup> SearchSheetProducts(const std::vector<SheetProduct>& products,
                                            const QString& text, const QStringList& recentKeys,
                                            const QString& firstPaper) {
  const QStringList words = Words(text);
  std::vector<size_t> matching;
  for (size_t i = 0; i < products.size(); ++i) {
    if (HasEveryWord(products[i], words)) matching.push_back(i);
  }

  SheetGroup recent{Tr("Last used"), {}};
  for (const QString& key : recentKeys) {
    const auto used =
        std::ranges::find_if(matching, [&](size_t i) { return ProductKey(products[i]) == key; });
    if (used != matching.end()) {
      recent.products.push_back(*used);
      matching.erase(used);
    }
  }

  QCollator collator(QLocale::c());
  collator.setNumericMode(true);
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  std::ranges::stable_sort(matching, [&](size_t a, size_t b) {
    const PartNumber& pa = products[a].Main();
    const PartNumber& pb = products[b].Main();
    const int maker = collator.compare(pa.maker, pb.maker);
    return maker != 0 ? maker < 0 : collator.compare(pa.part, pb.part) < 0;
  });
  std::map<QString, SheetGroup> byPaper;
  for (const size_t i : matching) {
    QString paper = PaperName(products[i].paper);
    if (paper.isEmpty()) paper = Tr("Other paper");
    SheetGroup& group = byPaper[paper];
    group.title = paper;
    group.products.push_back(i);
  }

  std::vector<SheetGroup> groups;
  if (!recent.products.empty()) groups.push_back(std::move(recent));
  if (const auto first = byPaper.find(firstPaper); first != byPaper.end()) {
    groups.push_back(std::move(first->second));
    byPaper.erase(first);
  }
  for (auto& [paper, group] : byPaper) groups.push_back(std::move(group));
  return groups;
}

QString CardSizeText(const SheetProduct& product, const QString& times, const QLocale& locale) {
  const SheetGeometry& g = product.geometry;
  return Figure(g.cardWidth, locale) + times + Figure(g.cardHeight, locale) + u' ' +
         QString::fromLatin1(UnitSymbol(g.unit));
}

QString EquivalentsText(const SheetProduct& product) {
  QStringList parts;
  for (size_t i = 1; i < product.parts.size(); ++i) {
    const PartNumber& p = product.parts[i];
    parts << (SameMaker(p.maker, product.Main().maker) ? p.part : p.maker + u' ' + p.part);
  }
  return parts.join(QStringLiteral(", "));
}

}  // namespace tavolo
