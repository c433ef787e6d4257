// Where the renderer reads each text box's lines at the moment of drawing: the main window answers
// from its editors, the command-line tool from the card's own lines.
#pragma once

#include <QString>

#include "core/card/CardState.h"

namespace tavolo {

class LineSource {
 public:
  virtual ~LineSource() = default;
  // False when the box has no text source (no editor): the box is then not drawn at all.
  virtual bool HasBox(int box) const = 0;
  // Lines of the box, empty ones included.
  virtual int LineCount(int box) const = 0;
  virtual QString Line(int box, int index) const = 0;
};

// The lines a CardState holds, for the boxes its layout uses.
class CardLines final : public LineSource {
 public:
  explicit CardLines(const CardState& state) : state_(state) {}
  bool HasBox(int box) const override;
  int LineCount(int box) const override;
  QString Line(int box, int index) const override;

 private:
  const CardState& state_;
};

// A box's lines as a card keeps them: at most 20, each cut to its first 100 characters.
TextBoxLines ReadBoxLines(const LineSource& source, int box);

}  // namespace tavolo
