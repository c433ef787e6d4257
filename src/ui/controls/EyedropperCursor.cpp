#include "ui/controls/EyedropperCursor.h"

#include <QPixmap>

#include "core/base/CheckedCall.h"

// The resources live in a static library, so they must be registered by hand.
static void RegisterResources() {
  Q_INIT_RESOURCE(tavolo);
}

namespace tavolo {

namespace {

QCursor LoadEyedropper() {
  RegisterResources();
  const QPixmap picture(QStringLiteral(":/cursors/eyedropper.png"));
  TAVOLO_CHECK_AS("m_hCursor!=0", !picture.isNull());
  return QCursor(picture, kEyedropperHotX, kEyedropperHotY);
}

}  // namespace

const QCursor& EyedropperCursor() {
  static const QCursor cursor = LoadEyedropper();
  return cursor;
}

}  // namespace tavolo
