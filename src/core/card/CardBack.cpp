#include "core/card/CardBack.h"

#include "core/card/CardState.h"

namespace tavolo {

CardBack::CardBack() = default;

CardBack::CardBack(const CardState& face) : face_(std::make_unique<CardState>(face)) {
  // A back never has a back of its own.
  face_->back = CardBack();
}

CardBack::CardBack(const CardBack& other)
    : face_(other.face_ ? std::make_unique<CardState>(*other.face_) : nullptr) {}

CardBack::CardBack(CardBack&& other) noexcept = default;

CardBack& CardBack::operator=(const CardBack& other) {
  if (this != &other) face_ = other.face_ ? std::make_unique<CardState>(*other.face_) : nullptr;
  return *this;
}

CardBack& CardBack::operator=(CardBack&& other) noexcept = default;

CardBack::~CardBack() = default;

bool operator==(const CardBack& a, const CardBack& b) {
  if (!a.Has() || !b.Has()) return a.Has() == b.Has();
  return a.Face() == b.Face();
}

void TakeSizeOf(CardState& face, const CardState& sized) {
  face.cardWidth = sized.cardWidth;
  face.cardHeight = sized.cardHeight;
  face.widthUnit = sized.widthUnit;
  face.heightUnit = sized.heightUnit;
  face.dpi = sized.dpi;
}

CardState BackFaceOf(const CardState& front) {
  CardState back = front.back.Face();
  TakeSizeOf(back, front);
  return back;
}

CardState NewBackFaceFor(const CardState& front) {
  CardState back = front;
  back.back = CardBack();
  return back;
}

}  // namespace tavolo
