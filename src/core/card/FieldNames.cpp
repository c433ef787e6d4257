#include "core/card/FieldNames.h"

namespace tavolo {

const std::array<QString, kContactFieldCount>& FieldLabels() {
  static const std::array<QString, kContactFieldCount> labels = [] {
    std::array<QString, kContactFieldCount> made;
    for (size_t i = 0; i < made.size(); ++i) {
      made[i] = QString::fromUtf8(kFieldNames[i].label);
      if (kFieldNames[i].required) made[i] += QLatin1Char('*');
    }
    return made;
  }();
  return labels;
}

}  // namespace tavolo
