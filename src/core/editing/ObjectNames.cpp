#include "core/editing/ObjectNames.h"

#include <algorithm>

#include "core/base/Translation.h"

namespace tavolo {

namespace {

// An added object's name with its number; a kind the Insert menu does not add (one of a later
// version) is an object with its number.
QString NumberedName(ObjectKind kind, int number) {
  switch (kind) {
    case ObjectKind::kTextBox: return Tr("Text box %1").arg(number);
    case ObjectKind::kLine: return Tr("Line %1").arg(number);
    case ObjectKind::kRectangle: return Tr("Rectangle %1").arg(number);
    case ObjectKind::kEllipse: return Tr("Ellipse %1").arg(number);
    default: return Tr("Object %1").arg(number);
  }
}

}  // namespace

QString ObjectName(const CardState& face, ObjectRef ref) {
  if (!FindObject(face, ref)) return {};
  if (ref.added < 0) {
    switch (ref.kind) {
      case ObjectKind::kPhoto: return Tr("Photo");
      case ObjectKind::kLogo: return Tr("Logo");
      default: return Tr("QR code");
    }
  }
  const auto upTo = face.objects.begin() + ref.added + 1;
  const ObjectKind kind = face.objects[static_cast<size_t>(ref.added)].kind;
  const auto number = std::count_if(face.objects.begin(), upTo,
                                    [kind](const PlacedObject& item) { return item.kind == kind; });
  return NumberedName(kind, static_cast<int>(number));
}

}  // namespace tavolo
