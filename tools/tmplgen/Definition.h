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
#include <QStringList>

#include "core/card/PlacedObject.h"
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

// Where an added object is drawn: under the photo and logo, over them but under the layout's
// text, or over that text (still under the QR code).
enum class Layer { kGround, kOverPictures, kOverText };

// A text box, line, rectangle or ellipse the card carries beside its layout, placed by the
// centre and size of its box before its turn, as the logo and photo are.
struct Added {
  ObjectKind kind = ObjectKind::kRectangle;
  QPoint centre;
  QSize size;
  int turn = 0;  // clockwise quarter turns
  std::optional<Layer> layer;
  // Shapes: no stroke without a stroke colour; a line always has one.
  std::optional<QColor> stroke;
  std::optional<int> strokeWidth;
  std::optional<QColor> fill;
  int cornerRadius = 0;
  // Text boxes: the lines and their look (unset keys fall back to [all boxes]).
  QStringList lines;
  BoxLook look;
  HorizontalAlign horizontal = HorizontalAlign::kLeft;
  VerticalAlign vertical = VerticalAlign::kTop;
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
  // In the order the file first names them; within a layer the later is drawn on top.
  std::vector<Added> added;
};

// Reads one definition; on failure returns nothing and sets `error` to "FILE:LINE: what".
std::optional<Definition> ReadDefinition(const std::filesystem::path& file, std::string& error);

// Every "*.txt" definition of the folder in file-name order, or nothing and the first error.
std::optional<std::vector<Definition>> ReadDefinitions(const std::filesystem::path& folder,
                                                       std::string& error);

}  // namespace tavolo::tmplgen
