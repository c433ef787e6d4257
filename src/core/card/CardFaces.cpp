#include "core/card/CardFaces.h"

#include <algorithm>
#include <cmath>

namespace tavolo {

namespace {

// to / from, or 1 when either is no usable length (a damaged file's).
float Ratio(float to, float from) {
  const float ratio = to / from;
  return to > 0.0f && from > 0.0f && std::isfinite(ratio) && ratio > 0.0f ? ratio : 1.0f;
}

}  // namespace

void TakeSizeOf(CardState& face, const CardState& sized) {
  // The photo, the logo and the QR code keep their printed size through a change of resolution,
  // as text, margins and frames do, and their place on the card through a change of size.
  const float across = Ratio(sized.cardWidth, face.cardWidth);
  const float down = Ratio(sized.cardHeight, face.cardHeight);
  const float printed = Ratio(static_cast<float>(sized.dpi), static_cast<float>(face.dpi));
  for (const PictureKind kind : kPictureKinds) {
    PlacedPicture& picture = face.Picture(kind);
    picture.x *= across;
    picture.y *= down;
    if (printed != 1.0f) picture.reduction = 1.0f - (1.0f - picture.reduction) * printed;
  }
  if (face.qrCode) {
    face.qrCode->x *= across;
    face.qrCode->y *= down;
    face.qrCode->side = std::clamp(face.qrCode->side * printed, kMinQrSide, kMaxQrSide);
  }
  for (PlacedObject& object : face.objects) {
    if (across == 1.0f && down == 1.0f && printed == 1.0f) break;
    const float centreX = (object.left + object.width / 2) * across;
    const float centreY = (object.top + object.height / 2) * down;
    object.width *= printed;
    object.height *= printed;
    object.left = centreX - object.width / 2;
    object.top = centreY - object.height / 2;
    if (auto* shape = std::get_if<ShapeSource>(&object.source)) {
      shape->strokeWidth = std::min(shape->strokeWidth * printed, kMaxStrokeWidth);
      shape->cornerRadius *= printed;
    }
  }
  if (face.custom) {
    for (std::optional<FreeBox>& box : face.custom->boxes) {
      if (!box) continue;
      const float centreX = (box->left + box->width / 2) * across;
      const float centreY = (box->top + box->height / 2) * down;
      box->width *= printed;
      box->height *= printed;
      box->left = centreX - box->width / 2;
      box->top = centreY - box->height / 2;
    }
  }
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
