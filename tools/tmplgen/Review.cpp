#include "Review.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include <QFontDatabase>
#include <QRect>

#include "ClearGroundMeasure.h"
#include "core/editing/SnapCandidates.h"
#include "core/qr/QrCodeDrawing.h"
#include "core/render/PictureGeometry.h"
#include "core/render/TextBoxLayout.h"

namespace tavolo::tmplgen {

namespace {

// Boxes closer than this look crowded even when they do not touch.
constexpr int kGap = 6;

// "the line 2", "the text box 1": an added object by its kind and its place among those of its
// kind, as the definition numbers them.
QString AddedName(const CardState& card, size_t index) {
  const ObjectKind kind = card.objects[index].kind;
  const auto same = std::count_if(card.objects.begin(), card.objects.begin() + index + 1,
                                  [&](const PlacedObject& o) { return o.kind == kind; });
  return QStringLiteral("the %1 %2").arg(QString::fromUtf8(KindName(kind))).arg(same);
}

struct Placed {
  int box;
  QRect rect;
  int pixelSize;
};

QString Name(int box) {
  return QStringLiteral("box %1").arg(box + 1);
}

// Where each box's text lies, as the renderer lays it out at full size (shrunk where it shrinks).
std::vector<Placed> PlaceBoxes(const CardState& card, std::vector<std::string>& problems) {
  const int dx = static_cast<int>(card.cardWidth);
  const int dy = static_cast<int>(card.cardHeight);
  const PixelRect whole{0, 0, dx, dy};
  const std::span<const PlacementRow> rows = PlacementRows(card.layoutIndex);
  const std::vector<std::optional<TextBoxLayout>> layouts = LayOutCardText(card, whole);
  std::vector<Placed> placed;
  for (size_t i = 0; i < rows.size(); ++i) {
    const PlacementRow& row = rows[i];
    if (!layouts[i] || layouts[i]->lines.empty()) continue;
    const TextBoxLayout& layout = *layouts[i];
    QRect rect;
    int pixelSize = layout.font.pixelSize();
    for (const LaidOutLine& line : layout.lines) {
      const PixelRect r = LineArea(layout, line, whole, row.align, row.angle);
      rect |= QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
      pixelSize = std::min(pixelSize, line.font.pixelSize());
    }
    const PixelRect& inner = layout.inner;
    if (rect.top() < inner.top || rect.bottom() >= inner.bottom || rect.left() < inner.left ||
        rect.right() >= inner.right) {
      problems.push_back(
          QStringLiteral("%1 leaves the card's inner area").arg(Name(row.box)).toStdString());
    }
    placed.push_back({row.box, rect, pixelSize});
  }
  return placed;
}

bool Crowded(const QRect& a, const QRect& b) {
  return a.adjusted(-kGap, -kGap, kGap, kGap).intersects(b);
}

void CheckCrowding(const CardState& card, const std::vector<Placed>& placed,
                   std::vector<std::string>& problems) {
  for (size_t i = 0; i < placed.size(); ++i) {
    for (size_t j = i + 1; j < placed.size(); ++j) {
      if (Crowded(placed[i].rect, placed[j].rect)) {
        problems.push_back((Name(placed[i].box) + QStringLiteral(" and ") + Name(placed[j].box) +
                            QStringLiteral(" run into each other"))
                               .toStdString());
      }
    }
  }
  std::vector<std::pair<QString, QRect>> pictures;
  for (const PlacedPicture* picture : {&card.logo, &card.photo}) {
    if (picture->name.isEmpty()) continue;
    const PixelRect r = PictureRectangle(*picture, static_cast<int>(picture->width),
                                         static_cast<int>(picture->height), 1);
    pictures.emplace_back(QStringLiteral("the ") + QString::fromUtf8(RulesOf(picture->kind).name),
                          QRect(r.left, r.top, r.Width(), r.Height()));
  }
  if (const std::optional<PlacedQrCode>& code = card.qrCode) {
    const PixelRect r = QrCodeArea(*code, 1);
    pictures.emplace_back(
        QStringLiteral("the QR code"),
        QRect(r.left, r.top, static_cast<int>(r.Width()), static_cast<int>(r.Height())));
  }
  // Added objects too, but for a filled shape a box's text stands on: that is its ground.
  for (const auto& [what, rect] : pictures) {
    for (const Placed& p : placed) {
      if (Crowded(rect, p.rect)) {
        problems.push_back((Name(p.box) + QStringLiteral(" runs into ") + what).toStdString());
      }
    }
  }
  for (const AddedArea& area : AddedAreas(card)) {
    const PixelRect& r = area.rect;
    const QRect rect(r.left, r.top, static_cast<int>(r.Width()), static_cast<int>(r.Height()));
    for (const Placed& p : placed) {
      if (area.panel && rect.contains(p.rect)) continue;
      if (Crowded(rect, p.rect)) {
        problems.push_back(
            (Name(p.box) + QStringLiteral(" runs into ") + AddedName(card, area.object))
                .toStdString());
      }
    }
  }
}

CardState WithTextColour(const CardState& card, float brightness) {
  CardState copy = card;
  for (TextBoxStyle& s : copy.styles) {
    s.textColour = {0.0f, 0.0f, 0.0f};
    s.brightness = brightness;
  }
  return copy;
}

// The text against the lightest and darkest tenth of what lies under it: the pixels of the
// box that a black and a white text leave alike.
// Where text of luminance `ink` and `pixelSize` in `rect` reads too faintly against the lightest or
// darkest tenth of what lies under it (the pixels a black and a white text, `a` and `b`, leave
// alike): the sentence saying so, after `what`; nothing where it reads.
std::optional<std::string> FaintText(const QString& what, const QImage& a, const QImage& b,
                                     const QRect& rect, double ink, int pixelSize) {
  std::vector<double> under;
  const QRect r = rect.intersected(a.rect());
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) {
      if (a.pixel(x, y) == b.pixel(x, y)) under.push_back(Luminance(a.pixel(x, y)));
    }
  }
  if (under.empty()) return std::nullopt;
  std::sort(under.begin(), under.end());
  const double worst = std::min(Contrast(ink, under[under.size() / 10]),
                                Contrast(ink, under[under.size() * 9 / 10]));
  const double needed = NeededContrast(pixelSize);
  if (worst >= needed) return std::nullopt;
  char line[160];
  std::snprintf(line, sizeof line, "%s: contrast %.1f against what lies under it (%.1f needed)",
                what.toStdString().c_str(), worst, needed);
  return line;
}

void CheckContrast(const CardState& card, const std::vector<Placed>& placed, CardRenderer& renderer,
                   std::vector<std::string>& problems) {
  const int dx = static_cast<int>(card.cardWidth);
  const int dy = static_cast<int>(card.cardHeight);
  const QImage a = renderer.Render(WithTextColour(card, 0.0f), 1, dx, dy);
  const QImage b = renderer.Render(WithTextColour(card, 1.0f), 1, dx, dy);
  for (const Placed& p : placed) {
    const double ink = TextLuminance(card.styles[static_cast<size_t>(p.box)]);
    if (auto faint = FaintText(Name(p.box), a, b, p.rect, ink, p.pixelSize)) {
      problems.push_back(std::move(*faint));
    }
  }
}

// A text box's lines fit their box, stay inside the safe margin and read against what lies under
// them; a shape stays inside the safe margin or runs off the card (a band), never ends just
// short of its edge.
void CheckAdded(const CardState& card, CardRenderer& renderer, std::vector<std::string>& problems) {
  const int dx = static_cast<int>(card.cardWidth);
  const int dy = static_cast<int>(card.cardHeight);
  const QRectF whole(0, 0, dx, dy);
  const QRectF safe = whole.adjusted(SafeMarginPixels(card.dpi), SafeMarginPixels(card.dpi),
                                     -SafeMarginPixels(card.dpi), -SafeMarginPixels(card.dpi));
  for (size_t k = 0; k < card.objects.size(); ++k) {
    const PlacedObject& object = card.objects[k];
    const QString name = AddedName(card, k);
    const QRectF footprint = Footprint(object);
    const auto* text = std::get_if<TextSource>(&object.source);
    if (text == nullptr) {
      const bool inside = safe.contains(footprint);
      const bool bleeds = footprint.left() <= 0 || footprint.top() <= 0 ||
                          footprint.right() >= dx || footprint.bottom() >= dy;
      if (!inside && !bleeds) {
        problems.push_back(
            (name + QStringLiteral(" ends between the safe margin and the edge")).toStdString());
      }
      continue;
    }
    if (!safe.contains(footprint)) {
      problems.push_back((name + QStringLiteral(" leaves the safe margin")).toStdString());
    }
    const TextBoxLayout layout = LayOutFreeText(card, *text, static_cast<int>(object.width),
                                                static_cast<int>(object.height));
    int pixelSize = layout.font.pixelSize();
    for (const LaidOutLine& line : layout.lines) {
      pixelSize = std::min(pixelSize, line.font.pixelSize());
      if (line.tooWide) {
        problems.push_back(
            QStringLiteral("%1: \"%2\" is wider than its box").arg(name, line.text).toStdString());
      }
    }
    if (layout.blockHeight > object.height) {
      problems.push_back(
          (name + QStringLiteral(": its lines are taller than its box")).toStdString());
    }
    const auto drawn = [&](float brightness) {
      CardState copy = card;
      TextSource& own = std::get<TextSource>(copy.objects[k].source);
      own.style.textColour = {0.0f, 0.0f, 0.0f};
      own.style.brightness = brightness;
      return renderer.Render(copy, 1, dx, dy);
    };
    const QImage a = drawn(0.0f);
    const QImage b = drawn(1.0f);
    if (auto faint = FaintText(name, a, b, footprint.toAlignedRect(), TextLuminance(text->style),
                               pixelSize)) {
      problems.push_back(std::move(*faint));
    }
  }
}

}  // namespace

const ContactDetails& LongSampleValues() {
  static const ContactDetails values = {QStringLiteral("Northfield Property Group"),
                                        QStringLiteral("Katharina Lindqvist"),
                                        QStringLiteral("Senior Project Manager"),
                                        QStringLiteral("1450 Riverside Avenue"),
                                        QStringLiteral("Suite 210, Second Floor"),
                                        QStringLiteral("Brookfield, Ontario"),
                                        QStringLiteral("M4B 1B3"),
                                        QStringLiteral("k.lindqvist@northfieldgroup.com"),
                                        QStringLiteral("www.northfieldgroup.com"),
                                        QStringLiteral("Tel. +1 416 555 0192"),
                                        QStringLiteral("Mobile +1 647 555 0148")};
  return values;
}

const ContactDetails& LongestValues() {
  static const ContactDetails values = [] {
    ContactDetails longest = LongSampleValues();
    longest[0] = QStringLiteral("Northfield Property and Development Group Ltd");
    longest[1] = QStringLiteral("Maximilian Alexandra Katharina Lindqvist-Montgomery Oberhaus");
    longest[7] = QStringLiteral("kl.lindqvist-montgomery@northfieldpg.com");
    return longest;
  }();
  return values;
}

std::vector<std::string> ReviewFit(const CardState& card) {
  std::vector<std::string> problems;
  const std::array<QStringList, kTextBoxCount> tooWide = LinesTooWideByBox(card);
  for (int b = 0; b < kTextBoxCount; ++b) {
    for (const QString& line : tooWide[static_cast<size_t>(b)]) {
      problems.push_back(QStringLiteral("%1: \"%2\" does not fit its clear ground")
                             .arg(Name(b), line)
                             .toStdString());
    }
  }
  return problems;
}

std::vector<std::string> ReviewCard(const CardState& card, CardRenderer& renderer) {
  std::vector<std::string> problems;
  const QStringList families = QFontDatabase::families();
  for (int b = 0; b < card.boxCount; ++b) {
    const QString& face = card.styles[static_cast<size_t>(b)].face;
    if (!families.contains(face)) {
      problems.push_back(
          QStringLiteral("%1: the font '%2' is not installed").arg(Name(b), face).toStdString());
    }
  }
  const std::vector<Placed> placed = PlaceBoxes(card, problems);
  CheckCrowding(card, placed, problems);
  CheckContrast(card, placed, renderer, problems);
  CheckAdded(card, renderer, problems);
  for (std::string& problem : ReviewFit(card)) problems.push_back(std::move(problem));
  return problems;
}

}  // namespace tavolo::tmplgen
