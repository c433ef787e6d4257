#include "core/card/PlacedPicture.h"

namespace tavolo {

namespace {

constexpr PictureField kPhotoFields[] = {
    {"width", &PlacedPicture::width},
    {"height", &PlacedPicture::height},
    {"x", &PlacedPicture::x},
    {"y", &PlacedPicture::y},
    {"trimLeft", &PlacedPicture::trimLeft},
    {"trimTop", &PlacedPicture::trimTop},
    {"trimBottom", &PlacedPicture::trimBottom},
    {"trimRight", &PlacedPicture::trimRight},
    {"reduction", &PlacedPicture::reduction},
};
constexpr PictureField kLogoFields[] = {
    {"width", &PlacedPicture::width},
    {"height", &PlacedPicture::height},
    {"x", &PlacedPicture::x},
    {"y", &PlacedPicture::y},
    {"reduction", &PlacedPicture::reduction},
    {"angle", &PlacedPicture::angle},
};

constexpr std::array<PictureKindRules, kPictureKindCount> kRules = {{
    {"photo", true, false, true, kPhotoFields},
    {"logo", false, true, false, kLogoFields},
}};

}  // namespace

const PictureKindRules& RulesOf(PictureKind kind) {
  return kRules[KindIndex(kind)];
}

bool SameSource(const PlacedPicture& a, const PlacedPicture& b) {
  return a.kind == b.kind && a.name == b.name && a.path == b.path && a.hash == b.hash &&
         a.width == b.width && a.height == b.height && a.trimLeft == b.trimLeft &&
         a.trimTop == b.trimTop && a.trimRight == b.trimRight && a.trimBottom == b.trimBottom &&
         a.angle == b.angle;
}

void RemovePicture(PlacedPicture& picture) {
  PlacedPicture removed(picture.kind);
  if (RulesOf(picture.kind).keepsScale) removed.reduction = picture.reduction;
  picture = removed;
}

}  // namespace tavolo
