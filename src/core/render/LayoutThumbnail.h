// The small pictures of the ten text layouts that the layout chooser shows: a blank card with a
// bar for every line of default text, each box placed and aligned as its placement rows put it.
#pragma once

#include <optional>
#include <vector>

#include <QImage>
#include <QRect>

#include "core/card/CustomLayout.h"

namespace tavolo {

inline constexpr int kLayoutThumbnailWidth = 106;
inline constexpr int kLayoutThumbnailHeight = 66;

// The company name stands out, the person's name less so, the contact details are small print.
enum class ThumbnailLineKind { Company, Name, Detail };

struct ThumbnailBar {
  int box;
  ThumbnailLineKind kind;
  QRect rect;  // in thumbnail pixels; taller than wide for a box that runs upward
};

// The card's inner area in thumbnail pixels: the card less its margin.
QRect LayoutThumbnailInnerArea();

// The bars of layout `layoutIndex` (0..9; any other value is layout 0), one per line that the field
// distribution gives the layout's boxes from the default texts, in the rows' drawing order.
std::vector<ThumbnailBar> LayoutThumbnailBars(int layoutIndex);

// The thumbnail of layout `layoutIndex`, Format_RGB32: 106 x 66, or the same drawing stretched
// to `size` (drawn at that size, so that it stays crisp).
QImage LayoutThumbnail(int layoutIndex,
                       QSize size = QSize(kLayoutThumbnailWidth, kLayoutThumbnailHeight));

// The bars of a Custom layout: its layout's, those of each box placed freely moved into where the
// box stands on a card of `cardWidth` × `cardHeight` pixels (at the box's top, aligned across as
// the layout aligns the box).
std::vector<ThumbnailBar> CustomLayoutThumbnailBars(const CustomLayout& custom, float cardWidth,
                                                    float cardHeight);

// The thumbnail of a Custom layout, drawn as the layouts' are; a blank card for none.
QImage CustomLayoutThumbnail(const std::optional<CustomLayout>& custom, float cardWidth,
                             float cardHeight,
                             QSize size = QSize(kLayoutThumbnailWidth, kLayoutThumbnailHeight));

// The ten thumbnails side by side, layout 0 at x = 0: 1060 x 66, Format_RGB32.
QImage LayoutStrip();

}  // namespace tavolo
