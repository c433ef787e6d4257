// A template as a designer writes it: one small text file of "key = value" lines in sections,
// read into plain values. data/templates/README.md describes the keys.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <QColor>
#include <QPoint>
#include <QSize>
#include <QString>

#include "core/card/PlacedQrCode.h"

namespace tavolo::tmplgen {

inline constexpr int kBoxes = 5;
inline constexpr int kValues = 11;

// A text box's look; unset keys fall back to the [all boxes] section, then to the card defaults.
struct BoxLook {
  std::optional<QString> font;
  std::optional<int> size;
  std::optional<QString> style;  // "Regular", "Bold", "Italic", "Bold Italic"
  std::optional<QColor> colour;
  std::optional<int> frame;  // frame mode 0..4
  std::optional<int> frameSize;
  std::optional<QColor> fill;
  std::optional<float> opacity;
};

// A picture the generator draws and the card places with its centre at `centre`.
struct Picture {
  QString kind;  // a mark (logo) or a scene (photo) the generator knows
  QSize size;
  QPoint centre;
  QColor ink;    // logo only: the mark's colour
  QColor plate;  // logo only: what lies under it on the card, so its square disappears
};

struct Definition {
  std::filesystem::path file;
  QString title;  // the template's file title
  QString trade;
  int layout = 1;  // 1 to 10, as the Layouts menu names them
  QString background;
  float hueShift = 0.0f;
  float satShift = 0.0f;
  float lightShift = 0.0f;
  bool gradient = false;
  int gradOrientation = 0;
  QColor gradColour;
  float gradShift = 0.0f;
  float gradScale = 0.0f;
  std::array<QString, kValues> values;
  BoxLook allBoxes;
  std::array<BoxLook, kBoxes> boxes;
  std::optional<Picture> logo;
  std::optional<Picture> photo;
  std::optional<PlacedQrCode> qr;
};

// Reads one definition; on failure returns nothing and sets `error` to "FILE:LINE: what".
std::optional<Definition> ReadDefinition(const std::filesystem::path& file, std::string& error);

// Every "*.txt" definition of the folder in file-name order, or nothing and the first error.
std::optional<std::vector<Definition>> ReadDefinitions(const std::filesystem::path& folder,
                                                       std::string& error);

}  // namespace tavolo::tmplgen
