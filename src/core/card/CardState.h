// CardState: the complete, copyable description of one business card, the unit that the history
// keeps, the renderer draws and project files store. Field order matches the project file.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "core/base/ColourModel.h"
#include "core/card/CardBack.h"
#include "core/card/CardExtensions.h"
#include "core/card/ContactDetails.h"
#include "core/card/CustomLayout.h"
#include "core/card/PictureStore.h"
#include "core/card/PixelRect.h"
#include "core/card/PlacedObject.h"
#include "core/card/PlacedPicture.h"
#include "core/card/PlacedQrCode.h"
#include "core/card/TextBoxStyle.h"

namespace tavolo {

inline constexpr int kTextBoxCount = 5;
static_assert(kCustomBoxCount == kTextBoxCount);
inline constexpr float kDefaultCardWidth = 1062.0f;
inline constexpr float kDefaultCardHeight = 615.0f;

// Gradient orientations.
enum GradOrientation : int32_t {
  kGradTopToBottom = 0,
  kGradLeftToRight = 1,
  kGradBottomToTop = 2,
  kGradRightToLeft = 3,
};

// Per box, whether a line too wide for the box is drawn smaller until it fits.
using FitFlags = std::array<bool, kTextBoxCount>;

// How the user aligned one of the layout's boxes where the layout's own placement is not wanted:
// across (left, centre, right in the card's inner area) and down (the lines as a block at the
// top, in the middle or at the bottom of it). None keeps what the layout says.
struct BoxAlignment {
  std::optional<HorizontalAlign> horizontal;
  std::optional<VerticalAlign> vertical;
  friend bool operator==(const BoxAlignment&, const BoxAlignment&) = default;
};
using BoxAlignments = std::array<BoxAlignment, kTextBoxCount>;

// Where a template's artwork leaves the card clear for each box's text, at full size: measured
// for one layout, background and card size, and meaningless on another (see ClearGround.h).
struct ClearGround {
  std::array<std::optional<PixelRect>, kTextBoxCount> boxes{};
  int32_t layoutIndex = 0;
  int32_t backgroundIndex = 0;
  float cardWidth = 0.0f;
  float cardHeight = 0.0f;
  friend bool operator==(const ClearGround&, const ClearGround&) = default;
};

struct CardState {
  std::array<TextBoxStyle, kTextBoxCount> styles{};
  std::array<TextBoxLines, kTextBoxCount> lines{};
  int32_t boxCount = 5;
  float bgShift = 0.0f;
  float gradScale = 0.0f;
  int32_t gradOrientation = kGradTopToBottom;
  HslColour backgroundColour{0.0f, 240.0f, 240.0f};
  float bgBrightness = 1.0f;
  PlacedPicture photo{PictureKind::kPhoto};
  PlacedPicture logo{PictureKind::kLogo};
  float cardHeight = kDefaultCardHeight;
  float cardWidth = kDefaultCardWidth;
  // Unit selectors of the card properties dialog; the renderer does not read them.
  int32_t widthUnit = 3;
  int32_t heightUnit = 3;
  int32_t dpi = 300;
  float hueShift = 0.0f;
  float satShift = 0.0f;
  float lightShift = 0.0f;
  int32_t layoutIndex = 0;
  int32_t backgroundIndex = 0;
  // What the file's extension section holds, stored after everything above. The contact details:
  // none when the file kept none (the boxes then give them).
  std::optional<ContactDetails> contact;
  // Which boxes shrink to fit: none when the file does not say (no box shrinks).
  std::optional<FitFlags> shrinkToFit;
  std::optional<PlacedQrCode> qrCode;
  // How the boxes' text is aligned: none when the file does not say (as each layout places it).
  std::optional<BoxAlignments> alignments;
  // The bytes of the face's photo and logo (PlacedPicture::hash), kept in the file's extension
  // section; the front's file holds the back's too, each distinct picture once.
  PictureStore pictures;
  // The Custom layout, current or kept to come back to; none until a box was first placed freely.
  std::optional<CustomLayout> custom;
  // Only a card made from a template has one.
  std::optional<ClearGround> clearGround;
  // The text boxes and shapes the user added, in the order added; their z places them among the
  // photo, the logo, the layout's text and the QR code (see PlacedObject.h).
  std::vector<PlacedObject> objects;
  // The back of a two-sided card; none for a card printed on one side.
  CardBack back;
  // The rest of the section, kept as it was read.
  CardExtensions extensions;
  PlacedPicture& Picture(PictureKind kind) { return kind == PictureKind::kPhoto ? photo : logo; }
  const PlacedPicture& Picture(PictureKind kind) const {
    return kind == PictureKind::kPhoto ? photo : logo;
  }
  friend bool operator==(const CardState&, const CardState&) = default;
};

// A box's lines as a card keeps them: at most 20, each cut to its first 100 characters; the
// slots past the count are empty.
TextBoxLines KeptLines(const QStringList& lines);
TextBoxLines KeptLines(const TextBoxLines& lines);

// The pictures of `pool` that `face`'s photo and logo show (by their hashes).
PictureStore PicturesShownBy(const PictureStore& pool, const CardState& face);
// The pictures both faces of `card` show, each distinct one once: what its file holds.
PictureStore PicturesOfCard(const CardState& card);
// Holds `bytes` (a picture file named `name`) in the face's store as the picture of `kind`,
// letting go of the bytes no picture of the face shows any more.
void EmbedPicture(CardState& face, PictureKind kind, const QString& name,
                  std::vector<uint8_t> bytes);

// The reset of New Blank Project: every style and the background gradient fields back to the
// plain look (black text at brightness 0, white fill, no frame; no gradient, white, full
// brightness), the boxes aligned and placed as their layout has them, no Custom layout kept.
// Everything else is left as it is.
void ResetForBlankProject(CardState& state);

}  // namespace tavolo
