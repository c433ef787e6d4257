#include "ClearGroundMeasure.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "CardBuilder.h"
#include "core/base/ColourModel.h"
#include "core/card/LayoutTable.h"
#include "core/render/CompositionScale.h"
#include "core/render/TextBoxLayout.h"

namespace tavolo::tmplgen {

namespace {

// What a line keeps from a picture or another box's room, as the layout does, at 300 dpi.
constexpr int kClearance = 6;
// A stretch of ground is dark (or light) artwork when more than this share of it is too close
// to the text's colour; a texture's odd speck is not.
constexpr double kBlockedShare = 0.2;
// Ground this far from where the box's own text stands (the distance of the colours' red,
// green and blue bytes) is other artwork: a strip, a panel.
constexpr int kGroundChange = 64;
// Artwork narrower than this, at 300 dpi, is a texture's stripe.
constexpr int kTextureWidth = 12;
// Text from this pixel height on counts as large, which may be a little fainter.
constexpr int kLargeText = 40;
constexpr double kSmallTextContrast = 4.5;
constexpr double kLargeTextContrast = 3.0;

// Half-open stretch of one axis.
struct Stretch {
  int start = 0;
  int end = 0;
};

Stretch Along(PixelRect r, bool rotated) {
  return rotated ? Stretch{r.top, r.bottom} : Stretch{r.left, r.right};
}

Stretch Across(PixelRect r, bool rotated) {
  return rotated ? Stretch{r.left, r.right} : Stretch{r.top, r.bottom};
}

Stretch Widened(Stretch s, int by) {
  return {s.start - by, s.end + by};
}

bool Overlap(Stretch a, Stretch b) {
  return a.start < b.end && b.start < a.end;
}

void Cover(std::optional<Stretch>& into, Stretch s) {
  into = into ? Stretch{std::min(into->start, s.start), std::max(into->end, s.end)} : s;
}

double Channel(int byte) {
  const double c = byte / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

QRgb Drawn(const HslColour& colour) {
  const ColourRef c = RgbToColourRef(HslToRgb(colour));
  return qRgb(ColourRefRed(c), ColourRefGreen(c), ColourRefBlue(c));
}

// The card with every text black or white, and box `unframed`'s frame left off: the pixels the
// two leave alike are the ground, with no text on them.
struct Ground {
  QImage black;
  QImage white;
};

Ground DrawGround(const CardState& card, int unframed, CardRenderer& renderer) {
  const auto drawn = [&](float brightness) {
    CardState copy = card;
    for (TextBoxStyle& s : copy.styles) {
      s.textColour = {0.0f, 0.0f, 0.0f};
      s.brightness = brightness;
    }
    copy.styles[static_cast<size_t>(unframed)].frameMode = kFrameNone;
    renderer.DropBackgroundCache();
    return renderer.Render(copy, 1, static_cast<int>(card.cardWidth),
                           static_cast<int>(card.cardHeight));
  };
  return {drawn(0.0f), drawn(1.0f)};
}

// One box of the card as the measure sees it.
struct Box {
  const PlacementRow* row = nullptr;
  const TextBoxLayout* own = nullptr;
  Stretch band;    // across its lines: every line filled
  Stretch extent;  // along them: its own texts
  int frame = 0;
};

// Where the box's lines start and how they grow: the inner area's edge or middle, the card's
// middle for a rotated box.
struct Anchor {
  int at = 0;
  bool forward = false;
  bool backward = false;
};

Anchor AnchorOf(const Box& box, PixelRect card) {
  const PixelRect& inner = box.own->inner;
  if (box.row->angle != 0) return {(card.top + card.bottom) / 2, true, true};
  if (box.row->align == kAlignRight) return {inner.right, false, true};
  if (box.row->align == kAlignCenter) return {(inner.left + inner.right) / 2, true, true};
  return {inner.left, true, false};
}

// Along the box's lines, where its band crosses artwork: ground the text cannot be read on
// (under its own frame, where it has one), or ground of another kind than where its own text
// stands (a strip, a panel). A stretch thinner than a pinstripe's is texture, not artwork.
std::vector<bool> ArtworkAlong(const CardState& card, const Box& b, const Ground& ground) {
  const bool rotated = b.row->angle != 0;
  const int dx = ground.black.width();
  const int dy = ground.black.height();
  const int length = rotated ? dy : dx;
  const TextBoxStyle& style = card.styles[static_cast<size_t>(b.row->box)];
  const double text = TextLuminance(style);
  const double needed = NeededContrast(b.own->font.pixelSize());
  const QRgb fill = Drawn(style.frameColour);
  const int alpha = std::isnan(style.opacity)
                        ? 0
                        : static_cast<int>(std::clamp(style.opacity, 0.0f, 1.0f) * 255.0f);
  const auto under = [&](QRgb old) {
    if (style.frameMode == kFrameNone) return old;
    const auto mix = [&](int colour, int was) {
      return (colour * (255 - alpha) + was * alpha) / 255;
    };
    return qRgb(mix(qRed(fill), qRed(old)), mix(qGreen(fill), qGreen(old)),
                mix(qBlue(fill), qBlue(old)));
  };
  std::vector<bool> artwork(static_cast<size_t>(length), false);
  // Per stretch across the band, the middle of each channel of its ground.
  std::vector<std::optional<std::array<int, 3>>> middle(static_cast<size_t>(length));
  std::array<std::vector<int>, 3> channels;
  const auto median = [](std::vector<int>& values) {
    const auto mid = values.begin() + static_cast<ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), mid, values.end());
    return *mid;
  };
  for (int t = 0; t < length; ++t) {
    for (std::vector<int>& c : channels) c.clear();
    int faint = 0;
    for (int a = std::max(b.band.start, 0); a < std::min(b.band.end, rotated ? dx : dy); ++a) {
      const int x = rotated ? a : t;
      const int y = rotated ? t : a;
      const QRgb p = ground.black.pixel(x, y);
      if (p != ground.white.pixel(x, y)) continue;
      const QRgb seen = under(p);
      channels[0].push_back(qRed(seen));
      channels[1].push_back(qGreen(seen));
      channels[2].push_back(qBlue(seen));
      if (Contrast(text, Luminance(seen)) < needed) ++faint;
    }
    const size_t seen = channels[0].size();
    if (seen == 0) continue;
    artwork[static_cast<size_t>(t)] = faint > kBlockedShare * static_cast<double>(seen);
    middle[static_cast<size_t>(t)] = {median(channels[0]), median(channels[1]),
                                      median(channels[2])};
  }
  // The ground where the box's own text stands.
  for (std::vector<int>& c : channels) c.clear();
  for (int t = std::max(b.extent.start, 0); t < std::min(b.extent.end, length); ++t) {
    if (const auto& m = middle[static_cast<size_t>(t)]) {
      for (size_t c = 0; c < 3; ++c) channels[c].push_back((*m)[c]);
    }
  }
  if (!channels[0].empty()) {
    const std::array<int, 3> own = {median(channels[0]), median(channels[1]), median(channels[2])};
    for (int t = 0; t < length; ++t) {
      const auto& m = middle[static_cast<size_t>(t)];
      if (!m) continue;
      int distance = 0;
      for (size_t c = 0; c < 3; ++c) distance += ((*m)[c] - own[c]) * ((*m)[c] - own[c]);
      if (distance > kGroundChange * kGroundChange) artwork[static_cast<size_t>(t)] = true;
    }
  }
  const int thin = ComposedLength(kTextureWidth, card.dpi);
  for (int t = 0; t < length;) {
    int end = t;
    while (end < length && artwork[static_cast<size_t>(end)]) ++end;
    if (end - t < thin) std::fill(artwork.begin() + t, artwork.begin() + end, false);
    t = end + 1;
  }
  return artwork;
}

}  // namespace

std::vector<AddedArea> AddedAreas(const CardState& card) {
  std::vector<AddedArea> areas;
  for (size_t k = 0; k < card.objects.size(); ++k) {
    const PlacedObject& object = card.objects[k];
    const QRect f = Footprint(object).toAlignedRect();
    const PixelRect whole{f.left(), f.top(), f.right() + 1, f.bottom() + 1};
    const auto* shape = std::get_if<ShapeSource>(&object.source);
    const bool closed =
        object.kind == ObjectKind::kRectangle || object.kind == ObjectKind::kEllipse;
    if (shape == nullptr || !closed) {
      areas.push_back({whole, k, false});
    } else if (shape->fill) {
      areas.push_back({whole, k, true});
    } else {
      const int w = static_cast<int>(std::ceil(std::min(shape->strokeWidth, kMaxStrokeWidth)));
      for (const PixelRect& strip :
           {PixelRect{whole.left, whole.top, whole.right, whole.top + w},
            PixelRect{whole.left, whole.bottom - w, whole.right, whole.bottom},
            PixelRect{whole.left, whole.top, whole.left + w, whole.bottom},
            PixelRect{whole.right - w, whole.top, whole.right, whole.bottom}}) {
        areas.push_back({strip, k, false});
      }
    }
  }
  return areas;
}

double Luminance(QRgb c) {
  return 0.2126 * Channel(qRed(c)) + 0.7152 * Channel(qGreen(c)) + 0.0722 * Channel(qBlue(c));
}

double Contrast(double a, double b) {
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

double TextLuminance(const TextBoxStyle& style) {
  return Luminance(Drawn({style.textColour.h, style.textColour.s, style.brightness * 240.0f}));
}

double NeededContrast(int pixelSize) {
  return pixelSize >= kLargeText ? kLargeTextContrast : kSmallTextContrast;
}

std::array<std::optional<PixelRect>, kTextBoxCount> MeasureClearGround(const CardState& card,
                                                                       CardRenderer& renderer) {
  std::array<std::optional<PixelRect>, kTextBoxCount> areas;
  const int dx = static_cast<int>(card.cardWidth);
  const int dy = static_cast<int>(card.cardHeight);
  const PixelRect whole{0, 0, dx, dy};
  const std::span<const PlacementRow> rows = PlacementRows(card.layoutIndex);
  const auto own = LayOutCardText(card, whole);
  const auto filled = LayOutCardText(WithValues(card, DefaultContactDetails()), whole);

  std::vector<Box> boxes(rows.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    if (!own[i] || !filled[i]) continue;
    Box& b = boxes[i];
    b.row = &rows[i];
    b.own = &*own[i];
    const bool rotated = b.row->angle != 0;
    std::optional<Stretch> band;
    std::optional<Stretch> extent;
    for (const auto* layout : {&*own[i], &*filled[i]}) {
      for (const LaidOutLine& line : layout->lines) {
        const PixelRect area = LineArea(*layout, line, whole, b.row->align, b.row->angle);
        Cover(band, Across(area, rotated));
        if (layout == &*own[i]) Cover(extent, Along(area, rotated));
      }
    }
    if (!band || !extent) continue;
    b.band = *band;
    b.extent = *extent;
    const TextBoxStyle& style = card.styles[static_cast<size_t>(b.row->box)];
    b.frame = style.frameMode != kFrameNone ? FrameMargin(style, 1, card.dpi) : 0;
  }

  const int clearance = ComposedLength(kClearance, card.dpi);
  const std::vector<PixelRect> pictures = PictureAreas(card);
  const std::vector<AddedArea> added = AddedAreas(card);
  for (size_t i = 0; i < boxes.size(); ++i) {
    const Box& b = boxes[i];
    if (b.row == nullptr) continue;
    const bool rotated = b.row->angle != 0;
    // An added object is artwork like a picture, unless it is a panel the box's own text stands
    // on: then it is the box's ground, and where it ends the ground changes.
    std::vector<PixelRect> artwork = pictures;
    for (const AddedArea& area : added) {
      if (!area.panel || !Overlap(Across(area.rect, rotated), b.band) ||
          !Overlap(Along(area.rect, rotated), b.extent)) {
        artwork.push_back(area.rect);
      }
    }
    const int length = rotated ? dy : dx;
    std::vector<bool> blocked(static_cast<size_t>(length), false);
    const auto block = [&](int from, int to) {
      for (int t = std::max(from, 0); t < std::min(to, length); ++t) {
        blocked[static_cast<size_t>(t)] = true;
      }
    };
    const Stretch band = Widened(b.band, b.frame);
    const int keep = b.frame + clearance;
    for (const PixelRect& picture : artwork) {
      if (!Overlap(Across(picture, rotated), band)) continue;
      const Stretch along = Widened(Along(picture, rotated), keep);
      block(along.start, along.end);
    }
    // A box beside this one: the gap between their own texts is shared at its middle. A box
    // across this one's lines may fill its whole strip.
    for (size_t j = 0; j < boxes.size(); ++j) {
      const Box& other = boxes[j];
      if (j == i || other.row == nullptr) continue;
      if ((other.row->angle != 0) != rotated) {
        // The rotated box's strip is its own: the lines across it stop short of it.
        if (!rotated) {
          const Stretch strip = Widened(other.band, other.frame + keep);
          block(strip.start, strip.end);
        } else if (Overlap(other.extent, band)) {
          const Stretch line = Widened(other.band, other.frame + keep);
          block(line.start, line.end);
        }
        continue;
      }
      if (!Overlap(Widened(other.band, other.frame), band)) continue;
      if (other.extent.start >= b.extent.end) {
        block((b.extent.end + other.extent.start) / 2 - clearance / 2 - b.frame, length);
      } else if (other.extent.end <= b.extent.start) {
        block(0, (other.extent.end + b.extent.start) / 2 + clearance / 2 + b.frame);
      }
    }
    const std::vector<bool> seen = ArtworkAlong(card, b, DrawGround(card, b.row->box, renderer));
    for (int t = 0; t < length; ++t) {
      if (seen[static_cast<size_t>(t)]) block(t - clearance, t + clearance + 1);
    }

    const PixelRect& inner = b.own->inner;
    const Stretch room =
        rotated ? Stretch{inner.top, inner.bottom} : Stretch{inner.left, inner.right};
    const Anchor anchor = AnchorOf(b, whole);
    int low = anchor.at;
    int high = anchor.at;
    if (anchor.forward) {
      while (high < room.end && !blocked[static_cast<size_t>(high)]) ++high;
    }
    if (anchor.backward) {
      while (low > room.start && !blocked[static_cast<size_t>(low - 1)]) --low;
    }
    // The area holds the glyphs, which reach a little past the advance and the slot: the
    // text's room with the clearance around it (the layout takes it off again).
    low -= clearance;
    high = std::max(high, low + 1) + clearance;
    const Stretch across = Widened(b.band, clearance);
    areas[static_cast<size_t>(b.row->box)] = rotated
                                                 ? PixelRect{across.start, low, across.end, high}
                                                 : PixelRect{low, across.start, high, across.end};
  }
  return areas;
}

}  // namespace tavolo::tmplgen
