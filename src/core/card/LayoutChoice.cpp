#include "core/card/LayoutChoice.h"

#include <algorithm>

namespace tavolo {

namespace {

bool IsLayout(int layout) {
  return layout >= 0 && layout < kLayoutCount;
}

}  // namespace

LayoutChoice::LayoutChoice() {
  Distribute();
}

void LayoutChoice::FillEmptyFieldValues() {
  const bool allEmpty =
      std::all_of(values_.begin(), values_.end(), [](const QString& v) { return v.isEmpty(); });
  if (allEmpty) values_ = DefaultNamedValues();
}

void LayoutChoice::Distribute() {
  boxCount_ = FieldDistribution(current_, values_, lines_);
}

bool LayoutChoice::HasBox(int box) const {
  return box >= 0 && box < kTextBoxCount && box < boxCount_;
}

int LayoutChoice::LineCount(int box) const {
  if (!HasBox(box)) return 0;
  return std::clamp(lines_[box].count, 0, kMaxLinesPerBox);
}

QString LayoutChoice::Line(int box, int index) const {
  if (index < 0 || index >= LineCount(box)) return {};
  return lines_[box].line[index];
}

void LayoutChoice::Show(const CardState& card) {
  current_ = card.layoutIndex;
  Distribute();
  boxCount_ = card.boxCount;
  const int used = std::clamp(card.boxCount, 0, kTextBoxCount);
  for (int b = 0; b < used; ++b) {
    const int count = std::clamp(card.lines[b].count, 0, kMaxLinesPerBox);
    lines_[b].count = count;
    std::copy_n(card.lines[b].line.begin(), count, lines_[b].line.begin());
  }
}

bool LayoutChoice::Pick(int layout) {
  if (!IsLayout(layout) || layout == current_) return false;
  previous_ = current_;
  current_ = layout;
  Distribute();
  changedByUser_ = true;
  return true;
}

void LayoutChoice::Remember(const LineSource& editors) {
  if (!IsLayout(previous_)) return;
  TypedText& slot = memory_[previous_];
  for (int b = 0; b < kTextBoxCount; ++b) {
    if (!editors.HasBox(b)) continue;
    slot.lines[b] = ReadBoxLines(editors, b);
    slot.filled = true;
  }
}

bool LayoutChoice::Remembers(int layout) const {
  return IsLayout(layout) && memory_[layout].filled;
}

void LayoutChoice::ForgetTypedText() {
  for (TypedText& slot : memory_) slot.filled = false;
}

BoxLinesArray LayoutChoice::LinesForEditors() const {
  if (changedByUser_ && Remembers(current_)) return memory_[current_].lines;
  return lines_;
}

void LayoutChoice::FinishRebuild() {
  changedByUser_ = false;
  previous_ = current_;
}

}  // namespace tavolo
