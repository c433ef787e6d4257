// The preview picture of a template (.tvp): the card drawn by the card renderer, scaled to fit
// the library's 267 × 215 preview cell with a margin, with a soft shadow on the cell's colour.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <QColor>
#include <QImage>
#include <QSize>

#include "core/base/WindowColour.h"
#include "core/card/CardState.h"
#include "core/render/CardRenderer.h"
#include "core/storage/Outcome.h"

namespace tavolo {

inline constexpr int kPreviewCellWidth = 267;
inline constexpr int kPreviewCellHeight = 215;
// Space kept free around the card inside the cell; the shadow lies within it.
inline constexpr int kPreviewMargin = 12;
inline constexpr int kPreviewShadow = 4;
// The library's cells are filled with this colour; the picture's border blends into it.
inline const QColor kPreviewCellColour{kWindowColour};

// The card's size inside the preview: as large as the cell less its margins allows, keeping the
// card's proportions. A card without a positive size gives the default card's proportions.
QSize TemplatePreviewCardSize(float cardWidth, float cardHeight);

// The preview picture for `card`: the card size plus the shadow on every side. A card that
// cannot be rendered gives a null image.
QImage RenderTemplatePreview(CardRenderer& renderer, const CardState& card);

// The preview as the bytes of a PNG file.
Outcome<std::vector<uint8_t>> EncodeTemplatePreview(CardRenderer& renderer, const CardState& card);

}  // namespace tavolo
