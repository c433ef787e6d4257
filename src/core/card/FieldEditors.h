// The main window's text editors, one per used text box, as the card document sees them: it reads
// their lines (a box has an editor exactly when HasBox is true) and has them made anew whenever
// the layout or the card changes.
#pragma once

#include <array>

#include "core/card/CardState.h"
#include "core/card/LineSource.h"

namespace tavolo {

class FieldEditors : public LineSource {
 public:
  // Replaces every editor by `boxCount` new ones, editor b showing `lines[b]` (its first `count`
  // lines joined by line breaks, none after the last). The document's rebuilding flag is set
  // meanwhile, so the change notifications of the new editors record nothing; the window keeps
  // the preview's painting suspended while it rebuilds and redraws the preview afterwards.
  virtual void Rebuild(int boxCount, const std::array<TextBoxLines, kTextBoxCount>& lines) = 0;
};

}  // namespace tavolo
