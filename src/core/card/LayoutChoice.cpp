#include "core/card/LayoutChoice.h"

#include <algorithm>

#include "core/card/ContactLines.h"

namespace tavolo {

namespace {

bool IsLayout(int layout) {
  return layout >= 0 && layout < kLayoutCount;
}

}  // namespace

LayoutChoice::LayoutChoice() {
  Distribute();
}

void LayoutChoice::FillEmptyDetails() {
  const bool allEmpty =
      std::all_of(values_.begin(), values_.end(), [](const QString& v) { return v.isEmpty(); });
  if (allEmpty) values_ = DefaultContactDetails();
}

void LayoutChoice::Distribute() {
  boxCount_ = FieldDistribution(current_, values_, lines_);
}

void LayoutChoice::Show(const CardState& card) {
  current_ = card.layoutIndex;
  values_ = ContactDetailsOf(card);
  Distribute();
  boxCount_ = card.boxCount;
  const int used = std::clamp(card.boxCount, 0, kTextBoxCount);
  for (int b = 0; b < used; ++b) {
    const int count = std::clamp(card.lines[b].count, 0, kMaxLinesPerBox);
    lines_[b].count = count;
    std::copy_n(card.lines[b].line.begin(), count, lines_[b].line.begin());
  }
}

void LayoutChoice::ChangeDetails(const ContactDetails& values, const BoxLinesArray& shown,
                                     int boxCount) {
  const BoxLinesArray own = OwnLines(shown, boxCount);
  values_ = values;
  FillEmptyDetails();
  Distribute();
  AppendOwnLines(own, boxCount, current_);
}

BoxLinesArray LayoutChoice::OwnLines(const BoxLinesArray& shown, int boxCount) const {
  BoxLinesArray own{};
  for (int b = 0; b < std::clamp(boxCount, 0, kTextBoxCount); ++b) {
    own[b] = LinesOfNoField(current_, b, shown[b], ContactDetails{values_});
  }
  return own;
}

void LayoutChoice::AppendOwnLines(const BoxLinesArray& own, int boxCount, int from) {
  for (int b = 0; b < std::clamp(boxCount, 0, kTextBoxCount); ++b) {
    TextBoxLines& target = lines_[CarriedLinesBox(from, b, current_)];
    for (int i = 0; i < own[b].count && target.count < kMaxLinesPerBox; ++i) {
      target.line[target.count++] = own[b].line[i];
    }
  }
}

bool LayoutChoice::Pick(int layout, const BoxLinesArray& shown, int boxCount) {
  if (!IsLayout(layout) || layout == current_) return false;
  const BoxLinesArray own = OwnLines(shown, boxCount);
  previous_ = current_;
  current_ = layout;
  Distribute();
  AppendOwnLines(own, boxCount, previous_);
  changedByUser_ = true;
  return true;
}

void LayoutChoice::Remember(const BoxLinesArray& lines, int boxCount) {
  if (!IsLayout(previous_)) return;
  TypedText& slot = memory_[previous_];
  const int used = std::clamp(boxCount, 0, kTextBoxCount);
  for (int b = 0; b < used; ++b) slot.lines[b] = KeptLines(lines[b]);
  if (used > 0) slot.filled = true;
  slot.values = values_;
}

bool LayoutChoice::Remembers(int layout) const {
  return IsLayout(layout) && memory_[layout].filled;
}

void LayoutChoice::ForgetTypedText() {
  for (TypedText& slot : memory_) slot.filled = false;
}

BoxLinesArray LayoutChoice::LinesForEditors() const {
  if (!changedByUser_ || !Remembers(current_)) return lines_;
  const TypedText& kept = memory_[current_];
  BoxLinesArray lines = kept.lines;
  for (int b = 0; b < LayoutBoxCount(current_); ++b) {
    if (lines[b].count != LayoutLineCount(current_, b)) continue;
    for (int i = 0; i < lines[b].count; ++i) {
      const int field = SingleFieldOfLine(current_, b, i);
      if (field >= 0 && kept.values[field] != values_[field]) lines[b].line[i] = values_[field];
    }
  }
  return lines;
}

void LayoutChoice::FinishRebuild() {
  changedByUser_ = false;
  previous_ = current_;
}

}  // namespace tavolo
