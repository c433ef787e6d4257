// What an SVG logo may hold, and the check that holds its text to that before the painter sees
// it. An SVG can name other files (a picture, a style sheet), hold further drawings and pictures
// written into it, and be built to cost far more than its size suggests: a <use> that draws a
// group that uses a group ten times over, thousands of gradient stops (each placed by a search
// through the ones before it), style rules that every element is matched against.
#pragma once

#include <cstdint>

#include <QByteArray>

#include "core/storage/Outcome.h"

namespace tavolo {

// Drawings written into a drawing (as data: URIs), and drawings in those, at most this deep.
inline constexpr int kMaxSvgNesting = 3;
// Elements within elements at most this deep, counted through every <use> to what it draws.
inline constexpr int kMaxSvgDepth = 128;
// Elements at most, each <use> counting again the elements it draws; and in all the drawings
// written into it together with the drawing itself.
inline constexpr int64_t kMaxSvgElements = 100'000;
// Gradient stops at most in one gradient, and in all.
inline constexpr int64_t kMaxGradientStops = 1'000;
inline constexpr int64_t kMaxSvgStops = 20'000;
// Characters of text at most, counted as the elements are.
inline constexpr int64_t kMaxSvgTextCharacters = 20'000;
// Style rules times elements at most: every element is matched against every rule.
inline constexpr int64_t kMaxSvgStyleWork = 2'000'000;
// A picture written into the drawing is held with at most kMaxSvgPicturePixels pixels, all of
// them together with at most kMaxSvgPicturesPixels; its file may declare at most
// kMaxSvgPictureFilePixels.
inline constexpr uint64_t kMaxSvgPicturePixels = 4u << 20;
inline constexpr uint64_t kMaxSvgPicturesPixels = 8u << 20;
inline constexpr uint64_t kMaxSvgPictureFilePixels = 16u << 20;

// A drawing's text as checked, and what painting it involves, each <use> counting again what it
// draws.
struct CheckedSvg {
  QByteArray text;
  int64_t elements = 0;
  int64_t characters = 0;      // of text
  int64_t pathNumbers = 0;     // in path data and lists of points
  uint64_t picturePixels = 0;  // of the pictures written into it, as they are held
};

// The drawing's text as the painter is to be given it: well-formed XML without entities, within
// the limits above, every reference a name inside the file (#name) or data written into it
// (data:). It is written anew with only its elements, attributes and text: no document type, no
// processing instructions (which can name a style sheet file), no comments. Every picture
// written into it is decoded, checked by these same rules when it is a drawing and painted,
// or read by the image layer, and written back as a PNG, so that nothing the drawing names is
// ever opened and the painter decodes only pictures made here. The failure says what was
// refused.
Outcome<CheckedSvg> CheckSvgText(const QByteArray& text);

}  // namespace tavolo
