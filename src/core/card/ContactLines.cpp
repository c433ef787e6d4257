#include "core/card/ContactLines.h"

#include <algorithm>

namespace tavolo {

namespace {

int LineCount(const TextBoxLines& lines) {
  return std::clamp(lines.count, 0, kMaxLinesPerBox);
}

}  // namespace

ContactDetails DetailsFromBoxes(int layout, const CardBoxes& boxes, int boxCount) {
  ContactDetails details;
  if (boxCount != LayoutBoxCount(layout)) return details;
  for (int b = 0; b < boxCount; ++b) {
    const TextBoxLines& box = boxes[static_cast<size_t>(b)];
    if (box.count != LayoutLineCount(layout, b)) continue;
    for (int i = 0; i < box.count; ++i) {
      const int field = SingleFieldOfLine(layout, b, i);
      if (field >= 0) details[static_cast<size_t>(field)] = box.line[static_cast<size_t>(i)];
    }
  }
  return details;
}

ContactDetails DetailsAfterEdit(ContactDetails details, int layout, int box,
                                const TextBoxLines& before, const TextBoxLines& after) {
  const int layoutLines = LayoutLineCount(layout, box);
  if (layoutLines == 0) return details;
  if (after.count == layoutLines) {
    for (int i = 0; i < after.count; ++i) {
      const int field = SingleFieldOfLine(layout, box, i);
      if (field >= 0) details[static_cast<size_t>(field)] = after.line[static_cast<size_t>(i)];
    }
    return details;
  }
  if (before.count != after.count) return details;
  for (int i = 0; i < LineCount(after); ++i) {
    const QString& was = before.line[static_cast<size_t>(i)];
    const QString& now = after.line[static_cast<size_t>(i)];
    if (was == now) continue;
    for (int line = 0; line < layoutLines; ++line) {
      const int field = SingleFieldOfLine(layout, box, line);
      if (field >= 0 && !was.isEmpty() && details[static_cast<size_t>(field)] == was) {
        details[static_cast<size_t>(field)] = now;
        break;
      }
    }
  }
  return details;
}

ContactDetails ContactDetailsOf(const CardState& card) {
  if (card.contact) return *card.contact;
  return DetailsFromBoxes(card.layoutIndex, card.lines, card.boxCount);
}

TextBoxLines LinesOfNoField(int layout, int box, const TextBoxLines& shown,
                            const ContactDetails& details) {
  TextBoxLines own;
  const int layoutLines = LayoutLineCount(layout, box);
  if (layoutLines == 0 || shown.count == layoutLines) return own;
  CardBoxes distributed{};
  FieldDistribution(layout, details, distributed);
  const TextBoxLines& fieldLines = distributed[static_cast<size_t>(box)];
  const auto fieldEnd = fieldLines.line.begin() + fieldLines.count;
  for (int i = 0; i < LineCount(shown); ++i) {
    const QString& line = shown.line[static_cast<size_t>(i)];
    if (line.isEmpty() || std::find(fieldLines.line.begin(), fieldEnd, line) != fieldEnd) continue;
    own.line[static_cast<size_t>(own.count++)] = line;
  }
  return own;
}

int CarriedLinesBox(int from, int box, int to) {
  const int boxes = LayoutBoxCount(to);
  int field = -1;
  for (int i = 0; i < LayoutLineCount(from, box) && field < 0; ++i) {
    field = SingleFieldOfLine(from, box, i);
  }
  for (int b = 0; b < boxes && field >= 0; ++b) {
    for (int i = 0; i < LayoutLineCount(to, b); ++i) {
      if (SingleFieldOfLine(to, b, i) == field) return b;
    }
  }
  return std::min(box, boxes - 1);
}

}  // namespace tavolo
