#include "core/card/LayoutTable.h"

#include <algorithm>
#include <initializer_list>

#include "core/card/FieldNames.h"

namespace tavolo {

namespace {

// One line: a single named value, or several joined by single spaces. -1 ends the list.
struct LineSpec {
  std::array<int, 4> parts{-1, -1, -1, -1};
};

constexpr LineSpec One(int v) {
  return LineSpec{{v, -1, -1, -1}};
}

struct BoxSpec {
  std::array<LineSpec, 8> lines{};
  int count = 0;
};

struct LayoutSpec {
  int boxCount;
  std::array<BoxSpec, kTextBoxCount> boxes;
  std::array<PlacementRow, kTextBoxCount> rows;
};

constexpr BoxSpec Box(std::initializer_list<LineSpec> lines) {
  BoxSpec box;
  for (const LineSpec& line : lines) box.lines[box.count++] = line;
  return box;
}

constexpr BoxSpec kCompanyBox = Box({One(kCompany)});
constexpr BoxSpec kNameBox = Box({One(kName), One(kTitle)});
constexpr BoxSpec kAddressBox = Box({One(kAddress1), One(kAddress2), One(kCity), One(kZip)});
constexpr BoxSpec kWebBox = Box({One(kEmail), One(kWebsite)});
constexpr BoxSpec kPhoneBox = Box({One(kPhone1), One(kPhone2)});
constexpr BoxSpec kAllContactsBox = Box({One(kAddress1), One(kAddress2), One(kCity), One(kZip),
                                         One(kPhone1), One(kPhone2), One(kEmail), One(kWebsite)});
constexpr BoxSpec kJoinedAddressBox =
    Box({LineSpec{{kAddress1, kAddress2, kCity, kZip}}, LineSpec{{kPhone1, kPhone2, -1, -1}}});
constexpr BoxSpec kNone{};

constexpr PlacementRow R(int box, int offset, int align, int angle = 0) {
  return {box, offset, align, angle};
}
constexpr int L = kAlignLeft;
constexpr int C = kAlignCenter;
constexpr int Rt = kAlignRight;

constexpr std::array<LayoutSpec, kLayoutCount> kLayouts = {{
    {5,
     {kCompanyBox, kNameBox, kAddressBox, kWebBox, kPhoneBox},
     {R(0, 0, L), R(1, 30, L), R(2, 1, L), R(3, 0, Rt), R(4, 1, Rt)}},
    {5,
     {kCompanyBox, kNameBox, kAddressBox, kWebBox, kPhoneBox},
     {R(0, 20, L), R(1, 40, L), R(2, 1, L), R(3, 20, Rt), R(4, 1, Rt)}},
    {3,
     {kCompanyBox, kNameBox, kAllContactsBox, kNone, kNone},
     {R(0, 0, L), R(1, 15, L), R(2, 1, L)}},
    {3,
     {kCompanyBox, kNameBox, kAllContactsBox, kNone, kNone},
     {R(0, 0, Rt), R(1, 15, Rt), R(2, 1, Rt)}},
    {4,
     {kCompanyBox, kNameBox, kWebBox, kJoinedAddressBox, kNone},
     {R(0, 0, C), R(1, 15, C), R(2, 40, C), R(3, 1, C)}},
    {5,
     {kCompanyBox, kNameBox, kWebBox, kAddressBox, kPhoneBox},
     {R(0, 0, L), R(1, 18, L), R(2, 38, L), R(3, 1, L), R(4, 1, Rt)}},
    {3,
     {kCompanyBox, kNameBox, kAllContactsBox, kNone, kNone},
     {R(0, 0, Rt, 90), R(1, 0, Rt), R(2, 1, Rt)}},
    {5,
     {kCompanyBox, kNameBox, kWebBox, kAddressBox, kPhoneBox},
     {R(0, 0, C), R(1, 20, C), R(2, 40, C), R(3, 1, L), R(4, 1, Rt)}},
    {3,
     {kCompanyBox, kNameBox, kAllContactsBox, kNone, kNone},
     {R(0, 0, C), R(1, 15, C), R(2, 1, C)}},
    {5,
     {kNameBox, kWebBox, kCompanyBox, kAddressBox, kPhoneBox},
     {R(0, 0, L), R(1, 0, Rt), R(2, 40, C), R(3, 1, L), R(4, 1, Rt)}},
}};

const LayoutSpec& Spec(int layoutIndex) {
  return kLayouts[(layoutIndex >= 0 && layoutIndex < kLayoutCount) ? layoutIndex : 0];
}

}  // namespace

const ContactDetails& DefaultContactDetails() {
  static const ContactDetails values = [] {
    ContactDetails made;
    for (size_t i = 0; i < made.size(); ++i) {
      made[i] = QString::fromUtf8(kFieldNames[i].placeholder);
    }
    return made;
  }();
  return values;
}

int LayoutBoxCount(int layoutIndex) {
  return Spec(layoutIndex).boxCount;
}

int FieldDistribution(int layoutIndex, const ContactDetails& values,
                      std::array<TextBoxLines, kTextBoxCount>& boxes) {
  const LayoutSpec& spec = Spec(layoutIndex);
  for (int b = 0; b < spec.boxCount; ++b) {
    const BoxSpec& box = spec.boxes[b];
    boxes[b].count = box.count;
    for (int i = 0; i < box.count; ++i) {
      QString text;
      for (size_t p = 0; p < box.lines[i].parts.size() && box.lines[i].parts[p] >= 0; ++p) {
        if (p > 0) text += QLatin1Char(' ');
        text += values[box.lines[i].parts[p]];
      }
      boxes[b].line[i] = text;
    }
  }
  return spec.boxCount;
}

int LayoutLineCount(int layoutIndex, int box) {
  const LayoutSpec& spec = Spec(layoutIndex);
  return box >= 0 && box < spec.boxCount ? spec.boxes[box].count : 0;
}

int SingleFieldOfLine(int layoutIndex, int box, int line) {
  if (line < 0 || line >= LayoutLineCount(layoutIndex, box)) return -1;
  const LineSpec& spec = Spec(layoutIndex).boxes[box].lines[line];
  return spec.parts[1] < 0 ? spec.parts[0] : -1;
}

std::span<const PlacementRow> PlacementRows(int layoutIndex) {
  const LayoutSpec& spec = Spec(layoutIndex);
  return std::span<const PlacementRow>(spec.rows.data(), static_cast<size_t>(spec.boxCount));
}

CardRows CardPlacementRows(const CardState& card) {
  CardRows placed;
  const std::span<const PlacementRow> own = PlacementRows(card.layoutIndex);
  std::ranges::copy(own, placed.rows.begin());
  placed.count = own.size();
  if (!card.alignments) return placed;
  for (PlacementRow& row : std::span(placed.rows.data(), placed.count)) {
    if (row.angle != 0 || row.box < 0 || row.box >= kTextBoxCount) continue;
    const BoxAlignment& chosen = (*card.alignments)[static_cast<size_t>(row.box)];
    if (chosen.horizontal) row.align = static_cast<int>(*chosen.horizontal);
    if (chosen.vertical) {
      switch (*chosen.vertical) {
        case VerticalAlign::kTop:
          row.offset = kOffsetTop;
          break;
        case VerticalAlign::kMiddle:
          row.offset = kOffsetMiddle;
          break;
        case VerticalAlign::kBottom:
          row.offset = kOffsetBottom;
          break;
      }
    }
  }
  return placed;
}

HorizontalAlign RowHorizontal(const PlacementRow& row) {
  return row.align == kAlignRight    ? HorizontalAlign::kRight
         : row.align == kAlignCenter ? HorizontalAlign::kCentre
                                     : HorizontalAlign::kLeft;
}

QString LayoutName(int layoutIndex) {
  return QStringLiteral("Layout %1").arg(layoutIndex + 1);
}

}  // namespace tavolo
