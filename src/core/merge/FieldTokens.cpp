#include "core/merge/FieldTokens.h"

#include "core/card/FieldNames.h"

namespace tavolo {

namespace {

// The field a token's name stands for; -1 for none.
int FieldOfToken(QStringView name) {
  for (int field = 0; field < kContactFieldCount; ++field) {
    if (name.compare(QLatin1String(kFieldNames[static_cast<size_t>(field)].label),
                     Qt::CaseInsensitive) == 0) {
      return field;
    }
  }
  return -1;
}

}  // namespace

QString FillFieldTokens(const QString& line, const ContactDetails& details) {
  QString filled;
  qsizetype done = 0;
  for (qsizetype open = line.indexOf(u'{'); open >= 0; open = line.indexOf(u'{', open + 1)) {
    const qsizetype close = line.indexOf(u'}', open + 1);
    if (close < 0) break;
    const int field = FieldOfToken(QStringView(line).sliced(open + 1, close - open - 1));
    if (field < 0) continue;
    filled += QStringView(line).sliced(done, open - done);
    filled += details[static_cast<size_t>(field)];
    done = close + 1;
    open = close;
  }
  filled += QStringView(line).sliced(done);
  return filled;
}

}  // namespace tavolo
