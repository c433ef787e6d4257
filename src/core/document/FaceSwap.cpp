#include "core/document/FaceSwap.h"

#include "core/card/CardFaces.h"

namespace tavolo {

CardState FaceSwap::Show(const CardState& card, CardFace face) {
  CardState front = card;
  front.back = CardBack();
  if (!card.back.Has()) {
    shown_ = CardFace::kFront;
    setAside_.reset();
    return front;
  }
  shown_ = face;
  if (face == CardFace::kFront) {
    setAside_ = card.back.Face();
    return front;
  }
  setAside_ = std::move(front);
  return BackFaceOf(card);
}

CardState FaceSwap::Whole(const CardState& shown) const {
  if (!setAside_) return shown;
  if (shown_ == CardFace::kFront) {
    CardState card = shown;
    card.back = CardBack(*setAside_);
    return card;
  }
  CardState card = *setAside_;
  TakeSizeOf(card, shown);
  card.back = CardBack(shown);
  return card;
}

}  // namespace tavolo
