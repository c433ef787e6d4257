#include "core/card/CardFaces.h"

namespace tavolo {

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
