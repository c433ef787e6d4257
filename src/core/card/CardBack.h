// CardBack: the card's optional back face, a whole card face of its own (background, tint, text,
// styles, photo, logo) held by the front's CardState, so that the history, the recording rule and
// the project file carry front and back together. A value: a copy copies the face, and two are
// equal when neither holds a face or both hold equal ones.
#pragma once

#include <memory>

namespace tavolo {

struct CardState;

class CardBack {
 public:
  CardBack();
  explicit CardBack(const CardState& face);
  CardBack(const CardBack& other);
  CardBack(CardBack&& other) noexcept;
  CardBack& operator=(const CardBack& other);
  CardBack& operator=(CardBack&& other) noexcept;
  ~CardBack();

  bool Has() const { return face_ != nullptr; }
  // Only when Has().
  const CardState& Face() const { return *face_; }

  friend bool operator==(const CardBack& a, const CardBack& b);

 private:
  // The face is a CardState, which holds this: it can only be held through a pointer.
  std::unique_ptr<CardState> face_;
};

}  // namespace tavolo
