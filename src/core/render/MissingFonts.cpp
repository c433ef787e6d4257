#include "core/render/MissingFonts.h"

#include <algorithm>
#include <array>
#include <utility>

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

#include "core/render/TextBoxLayout.h"

namespace tavolo {

namespace {

// Faces the system draws in their metric twins, which keep every line's width: a card in one of
// them looks as it was made.
constexpr std::array<std::pair<const char*, const char*>, 5> kMetricTwins = {{
    {"Arial", "Liberation Sans"},
    {"Helvetica", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
    {"Arial Narrow", "Liberation Sans Narrow"},
}};

}  // namespace

bool FaceInstalled(const QString& face) {
  if (!FontsExist() || face.isEmpty()) return true;
  // The database matches "Family [foundry]" names and ignores case.
  if (QFontDatabase::hasFamily(face)) return true;
  return std::ranges::any_of(kMetricTwins, [&](const auto& twin) {
    return face.compare(QLatin1String(twin.first), Qt::CaseInsensitive) == 0 &&
           StandInFace(face).compare(QLatin1String(twin.second), Qt::CaseInsensitive) == 0;
  });
}

QString StandInFace(const QString& face) {
  return QFontInfo(QFont(face)).family();
}

std::optional<MissingFace> MissingFaceOf(const CardState& face, int box) {
  if (box < 0 || box >= std::min(face.boxCount, kTextBoxCount)) return std::nullopt;
  const QString& name = face.styles[box].face;
  if (FaceInstalled(name)) return std::nullopt;
  return MissingFace{name, StandInFace(name)};
}

std::vector<MissingFace> MissingFaces(const CardState& card, bool withBack) {
  std::vector<MissingFace> missing;
  const auto add = [&](const CardState& face) {
    const auto note = [&](const std::optional<MissingFace>& one) {
      if (one && std::ranges::find(missing, *one) == missing.end()) missing.push_back(*one);
    };
    for (int box = 0; box < kTextBoxCount; ++box) note(MissingFaceOf(face, box));
    for (const PlacedObject& object : face.objects) {
      const auto* text = std::get_if<TextSource>(&object.source);
      if (text != nullptr && !FaceInstalled(text->style.face)) {
        note(MissingFace{text->style.face, StandInFace(text->style.face)});
      }
    }
  };
  add(card);
  if (withBack && card.back.Has()) add(card.back.Face());
  return missing;
}

}  // namespace tavolo
