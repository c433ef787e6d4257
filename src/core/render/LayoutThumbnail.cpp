#include "core/render/LayoutThumbnail.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <ranges>

#include "core/card/LayoutTable.h"

namespace tavolo {

namespace {

// The real card keeps 50 of its 1062 pixels free at each edge; at thumbnail size that is 5.
constexpr int kMargin = 5;

struct LineLook {
  int thickness;  // bar height in pixels
  int pitch;      // line height in pixels
  double pixelsPerCharacter;
  QRgb colour;
};

constexpr LineLook kCompanyLook{4, 6, 3.0, qRgb(40, 60, 140)};
constexpr LineLook kNameLook{3, 5, 2.5, qRgb(60, 60, 60)};
constexpr LineLook kDetailLook{2, 4, 1.5, qRgb(140, 140, 140)};

constexpr QRgb kCardFace = qRgb(252, 252, 250);
constexpr QRgb kCardEdge = qRgb(120, 120, 120);

const LineLook& Look(ThumbnailLineKind kind) {
  switch (kind) {
    case ThumbnailLineKind::Company:
      return kCompanyLook;
    case ThumbnailLineKind::Name:
      return kNameLook;
    case ThumbnailLineKind::Detail:
      break;
  }
  return kDetailLook;
}

ThumbnailLineKind KindOf(const QString& line) {
  const ContactDetails& names = DefaultContactDetails();
  if (line == names[0]) return ThumbnailLineKind::Company;
  if (line == names[1]) return ThumbnailLineKind::Name;
  return ThumbnailLineKind::Detail;
}

struct Line {
  ThumbnailLineKind kind;
  int length;  // bar length in pixels
};

std::vector<Line> BoxLines(const TextBoxLines& box, int longest) {
  std::vector<Line> lines;
  for (int k = 0; k < box.count; ++k) {
    const QString& text = box.line[k];
    if (text.isEmpty()) continue;
    const ThumbnailLineKind kind = KindOf(text);
    const int length = static_cast<int>(text.size() * Look(kind).pixelsPerCharacter);
    lines.push_back({kind, std::clamp(length, 1, longest)});
  }
  return lines;
}

int BlockHeight(const std::vector<Line>& lines) {
  int height = 0;
  for (const Line& line : lines) height += Look(line.kind).pitch;
  return height;
}

}  // namespace

QRect LayoutThumbnailInnerArea() {
  return QRect(kMargin, kMargin, kLayoutThumbnailWidth - 2 * kMargin,
               kLayoutThumbnailHeight - 2 * kMargin);
}

std::vector<ThumbnailBar> LayoutThumbnailBars(int layoutIndex) {
  if (layoutIndex < 0 || layoutIndex >= kLayoutCount) layoutIndex = 0;
  std::array<TextBoxLines, kTextBoxCount> boxes{};
  FieldDistribution(layoutIndex, DefaultContactDetails(), boxes);
  const QRect inner = LayoutThumbnailInnerArea();
  const int innerBottom = inner.top() + inner.height();
  const int innerRight = inner.left() + inner.width();

  std::vector<ThumbnailBar> bars;
  for (const PlacementRow& row : PlacementRows(layoutIndex)) {
    const bool upward = row.angle != 0;
    const std::vector<Line> lines =
        BoxLines(boxes[row.box], upward ? inner.height() : inner.width());
    if (upward) {
      // As on the card: each line runs upward centred on the card's height, lines stepping right.
      int x = inner.left();
      for (const Line& line : lines) {
        const LineLook& look = Look(line.kind);
        const int top = (kLayoutThumbnailHeight - line.length) / 2;
        bars.push_back(
            {row.box, line.kind,
             QRect(x + (look.pitch - look.thickness) / 2, top, look.thickness, line.length)});
        x += look.pitch;
      }
      continue;
    }
    int y = inner.top();
    if (row.offset == kOffsetBottom) {
      y = innerBottom - BlockHeight(lines);
    } else if (row.offset != kOffsetTop) {
      y = inner.top() + inner.height() * row.offset / 100;
    }
    for (const Line& line : lines) {
      const LineLook& look = Look(line.kind);
      int left = inner.left();
      if (row.align == kAlignRight) {
        left = innerRight - line.length;
      } else if (row.align == kAlignCenter) {
        left = inner.left() + (inner.width() - line.length) / 2;
      }
      bars.push_back(
          {row.box, line.kind,
           QRect(left, y + (look.pitch - look.thickness) / 2, line.length, look.thickness)});
      y += look.pitch;
    }
  }
  return bars;
}

std::vector<ThumbnailBar> CustomLayoutThumbnailBars(const CustomLayout& custom, float cardWidth,
                                                    float cardHeight) {
  std::vector<ThumbnailBar> bars = LayoutThumbnailBars(custom.layoutIndex);
  if (!(cardWidth > 0.0f) || !(cardHeight > 0.0f)) return bars;
  const double sx = kLayoutThumbnailWidth / static_cast<double>(cardWidth);
  const double sy = kLayoutThumbnailHeight / static_cast<double>(cardHeight);
  for (const PlacementRow& row : PlacementRows(custom.layoutIndex)) {
    const std::optional<FreeBox>& free = custom.boxes[static_cast<size_t>(row.box)];
    if (!free || row.angle != 0) continue;
    const auto own = [&](const ThumbnailBar& bar) { return bar.box == row.box; };
    QRect block;
    for (const ThumbnailBar& bar : bars | std::views::filter(own)) block |= bar.rect;
    const QRectF where(free->left * sx, free->top * sy, free->width * sx, free->height * sy);
    double left = where.left();
    if (row.align == kAlignRight) {
      left = where.right() - block.width();
    } else if (row.align == kAlignCenter) {
      left = where.center().x() - block.width() / 2.0;
    }
    const QPoint shift(static_cast<int>(std::lround(left)) - block.left(),
                       static_cast<int>(std::lround(where.top())) - block.top());
    for (ThumbnailBar& bar : bars) {
      if (own(bar)) bar.rect.translate(shift);
    }
  }
  return bars;
}

namespace {

QImage DrawnThumbnail(const std::vector<ThumbnailBar>& bars, QSize size) {
  if (size.isEmpty()) return {};
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(kCardEdge);
  QPainter painter(&picture);
  painter.scale(static_cast<qreal>(size.width()) / kLayoutThumbnailWidth,
                static_cast<qreal>(size.height()) / kLayoutThumbnailHeight);
  painter.fillRect(1, 1, kLayoutThumbnailWidth - 2, kLayoutThumbnailHeight - 2,
                   QColor::fromRgb(kCardFace));
  painter.setClipRect(1, 1, kLayoutThumbnailWidth - 2, kLayoutThumbnailHeight - 2);
  for (const ThumbnailBar& bar : bars) {
    painter.fillRect(bar.rect, QColor::fromRgb(Look(bar.kind).colour));
  }
  return picture;
}

}  // namespace

QImage LayoutThumbnail(int layoutIndex, QSize size) {
  return DrawnThumbnail(LayoutThumbnailBars(layoutIndex), size);
}

QImage CustomLayoutThumbnail(const std::optional<CustomLayout>& custom, float cardWidth,
                             float cardHeight, QSize size) {
  if (!custom) return DrawnThumbnail({}, size);
  return DrawnThumbnail(CustomLayoutThumbnailBars(*custom, cardWidth, cardHeight), size);
}

QImage LayoutStrip() {
  QImage strip(kLayoutCount * kLayoutThumbnailWidth, kLayoutThumbnailHeight, QImage::Format_RGB32);
  QPainter painter(&strip);
  for (int i = 0; i < kLayoutCount; ++i) {
    painter.drawImage(i * kLayoutThumbnailWidth, 0, LayoutThumbnail(i));
  }
  return strip;
}

}  // namespace tavolo
