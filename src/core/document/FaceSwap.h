// FaceSwap: which face of a two-sided card the document edits, and the face not shown, set aside
// until it is shown again. The document's working and live states hold the shown face alone; the
// whole card as its file holds it (the front, holding its back) is put together here.
#pragma once

#include <optional>

#include "core/card/CardState.h"

namespace tavolo {

// The face of a two-sided card that the editors, the option dialogs and the preview work on.
enum class CardFace { kFront, kBack };

class FaceSwap {
 public:
  CardFace Shown() const { return shown_; }
  bool HasBack() const { return setAside_.has_value(); }

  // Shows the face `face` of the whole card `card` (its front when it has no back) and sets the
  // other one aside; gives the face shown, holding no back. A back shown takes the front's size.
  CardState Show(const CardState& card, CardFace face);
  // The whole card with `shown` as the face shown. With the back shown, both faces take its size
  // (the face edited last).
  CardState Whole(const CardState& shown) const;

 private:
  CardFace shown_ = CardFace::kFront;
  // The face not shown; none for a card printed on one side.
  std::optional<CardState> setAside_;
};

}  // namespace tavolo
