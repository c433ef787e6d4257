// What an option dialog needs of the card it edits: the document, whose live state it changes,
// and where the card shows on screen, so that the dialog can open beside it rather than over it.
#pragma once

#include <QRect>

class QScreen;

namespace tavolo {

class CardDocument;

class CardView {
 public:
  virtual CardDocument& Document() const = 0;
  // The card's rectangle in global screen coordinates, and the screen it is on (null when none).
  virtual QRect CardOnScreen() const = 0;
  virtual QScreen* ShownOn() const = 0;

 protected:
  ~CardView() = default;
};

}  // namespace tavolo
