#include "ui/base/UserSettings.h"

namespace tavolo {

std::unique_ptr<QSettings> UserSettings() {
  return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                     QStringLiteral("tavolo"), QStringLiteral("tavolo"));
}

}  // namespace tavolo
