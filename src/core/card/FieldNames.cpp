#include "core/card/FieldNames.h"

#include "core/base/Translation.h"

namespace tavolo {

std::array<QString, kContactFieldCount> FieldLabels() {
  // Made at each call: the language may change while the program runs.
  std::array<QString, kContactFieldCount> labels;
  for (size_t i = 0; i < labels.size(); ++i) {
    labels[i] = Tr(kFieldNames[i].label);
    if (kFieldNames[i].required) labels[i] += QLatin1Char('*');
  }
  return labels;
}

}  // namespace tavolo
