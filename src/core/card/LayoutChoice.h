// The chosen text layout and the text that comes with it: the card's eleven contact details, the
// lines each box gets from them in the current layout (the default text of the editors), and
// per layout the text the user typed there, kept while another layout is shown.
// The card document changes it; the layout chooser only shows which layout is current.
#pragma once

#include <array>

#include "core/card/CardState.h"
#include "core/card/LayoutTable.h"

namespace tavolo {

using BoxLinesArray = std::array<TextBoxLines, kTextBoxCount>;

class LayoutChoice {
 public:
  // Layout 0, empty contact details distributed for it, nothing remembered.
  LayoutChoice();

  int Current() const { return current_; }
  // The layout the editors showed before the user's pick that is being handled; equal to
  // Current() at any other time.
  int Previous() const { return previous_; }
  // Set by the user's pick of another layout until the editors have been rebuilt for it.
  bool ChangedByUser() const { return changedByUser_; }

  const ContactDetails& Details() const { return values_; }
  // Stores the values; the default lines follow at the next distribution.
  void SetDetails(const ContactDetails& values) { values_ = values; }
  // When all eleven values are empty, each becomes its own name ("Company Name", …).
  void FillEmptyDetails();
  // The default lines of the current layout from the contact details (boxes beyond its count keep
  // what they held).
  void Distribute();

  // New contact details, distributed; the `shown` lines that belong to no field (typed beside the
  // fields) stay in their boxes after the fields' lines, as they follow a change of layout.
  void ChangeDetails(const ContactDetails& values, const BoxLinesArray& shown, int boxCount);

  // The default lines: the distribution of the contact details, or a card's own lines after Show.
  int BoxCount() const { return boxCount_; }
  const BoxLinesArray& Lines() const { return lines_; }

  // Apply: the card's layout becomes current and its contact details the choice's, which are
  // distributed for it; then the card's box count and the used boxes' lines replace what the
  // distribution gave.
  void Show(const CardState& card);
  // The user picks a layout: it becomes current, previous keeps the one whose editors are shown,
  // the contact details are distributed and the user-change mark is set. The `shown` lines that
  // belong to no field follow into the new layout's default lines (CarriedLinesBox says where).
  // False (and nothing changes) when the layout is current
  // already or no layout at all.
  bool Pick(int layout, const BoxLinesArray& shown, int boxCount);

  // Keeps the text of the first `boxCount` boxes as the text of the previous layout; the other
  // boxes keep what was kept for them before. Nothing is kept when `boxCount` is 0.
  void Remember(const BoxLinesArray& lines, int boxCount);
  bool Remembers(int layout) const;
  // Clears the ten remembered texts (New Project, New Blank Project; Load keeps them).
  void ForgetTypedText();
  // The text the boxes show next: the remembered text when the user picked a layout that has one
  // (its field lines updated with every field value changed since), else the default lines.
  BoxLinesArray LinesForEditors() const;
  // The boxes show the current layout now: it becomes the previous one for the next pick, and the
  // user-change mark is cleared.
  void FinishRebuild();

 private:
  // The `shown` lines of each box that belong to no field of the current layout's values.
  BoxLinesArray OwnLines(const BoxLinesArray& shown, int boxCount) const;
  // Appends `own` (lines of the boxes of layout `from`) to the default lines of the current one.
  void AppendOwnLines(const BoxLinesArray& own, int boxCount, int from);

  struct TypedText {
    BoxLinesArray lines{};
    ContactDetails values{};  // the contact details when the text was kept
    bool filled = false;
  };

  int current_ = 0;
  int previous_ = 0;
  bool changedByUser_ = false;
  ContactDetails values_{};
  BoxLinesArray lines_{};
  int boxCount_ = 0;
  std::array<TypedText, kLayoutCount> memory_{};
};

}  // namespace tavolo
