#include "core/card/LineSource.h"

#include <algorithm>

namespace tavolo {

bool CardLines::HasBox(int box) const {
  return box >= 0 && box < kTextBoxCount && box < state_.boxCount;
}

int CardLines::LineCount(int box) const {
  if (!HasBox(box)) return 0;
  return std::clamp(state_.lines[box].count, 0, kMaxLinesPerBox);
}

QString CardLines::Line(int box, int index) const {
  if (index < 0 || index >= LineCount(box)) return {};
  return state_.lines[box].line[index];
}

TextBoxLines ReadBoxLines(const LineSource& source, int box) {
  TextBoxLines lines;
  lines.count = std::clamp(source.LineCount(box), 0, kMaxLinesPerBox);
  for (int i = 0; i < lines.count; ++i) lines.line[i] = source.Line(box, i).left(kMaxLineLength);
  return lines;
}

}  // namespace tavolo
