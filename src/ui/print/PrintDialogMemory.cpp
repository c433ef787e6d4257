#include "ui/print/PrintDialogMemory.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "ui/base/UserSettings.h"

namespace tavolo {

namespace {

const QString kGroup = QStringLiteral("printDialog");

// Stored as words, so that the settings file reads plainly and a value from elsewhere is
// recognised as unknown.
template <class Value>
struct Word {
  Value value;
  const char* word;
};

constexpr std::array<Word<LengthUnit>, 3> kUnits = {
    {{LengthUnit::kInches, "in"}, {LengthUnit::kCm, "cm"}, {LengthUnit::kMm, "mm"}}};
constexpr std::array<Word<LayoutOrigin>, 3> kOrigins = {
    {{LayoutOrigin::kCustom, "custom"},
     {LayoutOrigin::kSheetProduct, "product"},
     {LayoutOrigin::kPredefined, "predefined"}}};
constexpr std::array<Word<DuplexFlip>, 2> kFlips = {
    {{DuplexFlip::kLongEdge, "long"}, {DuplexFlip::kShortEdge, "short"}}};

template <class Value, size_t N>
Value FromWord(const std::array<Word<Value>, N>& words, const QVariant& stored, Value fallback) {
  const QString text = stored.toString();
  for (const Word<Value>& word : words) {
    if (text == QLatin1String(word.word)) return word.value;
  }
  return fallback;
}

template <class Value, size_t N>
QString ToWord(const std::array<Word<Value>, N>& words, Value value) {
  for (const Word<Value>& word : words) {
    if (word.value == value) return QLatin1String(word.word);
  }
  return QLatin1String(words.front().word);
}

}  // namespace

PrintDialogMemory PrintDialogMemory::Load(const QLocale& locale) {
  const LengthUnit localUnit = locale.measurementSystem() == QLocale::ImperialUSSystem
                                   ? LengthUnit::kInches
                                   : LengthUnit::kMm;
  const auto settings = UserSettings();
  settings->beginGroup(kGroup);
  PrintDialogMemory memory;
  memory.sheet.paper.name = settings->value(QStringLiteral("paper")).toString();
  memory.sheet.layout.unit =
      static_cast<int32_t>(FromWord(kUnits, settings->value(QStringLiteral("unit")), localUnit));
  memory.sheet.origin =
      FromWord(kOrigins, settings->value(QStringLiteral("layout")), LayoutOrigin::kCustom);
  memory.sheet.product = settings->value(QStringLiteral("product")).toString();
  const double bleed = settings->value(QStringLiteral("bleed")).toDouble();
  memory.shop.bleedMm = std::isfinite(bleed) ? std::clamp(bleed, 0.0, kMaxBleedMm) : 0.0;
  memory.shop.cropMarks = settings->value(QStringLiteral("cropMarks")).toBool();
  memory.bothSides.bothSides = settings->value(QStringLiteral("bothSides")).toBool();
  memory.bothSides.flip =
      FromWord(kFlips, settings->value(QStringLiteral("edge")), DuplexFlip::kLongEdge);
  return memory;
}

void PrintDialogMemory::Save() const {
  const auto settings = UserSettings();
  settings->beginGroup(kGroup);
  settings->setValue(QStringLiteral("paper"), sheet.paper.name);
  settings->setValue(QStringLiteral("unit"),
                     ToWord(kUnits, LengthUnitFromStored(sheet.layout.unit)));
  settings->setValue(QStringLiteral("layout"), ToWord(kOrigins, sheet.origin));
  settings->setValue(QStringLiteral("product"), sheet.product);
  settings->setValue(QStringLiteral("bleed"), shop.bleedMm);
  settings->setValue(QStringLiteral("cropMarks"), shop.cropMarks);
  settings->setValue(QStringLiteral("bothSides"), bothSides.bothSides);
  settings->setValue(QStringLiteral("edge"), ToWord(kFlips, bothSides.flip));
}

}  // namespace tavolo
