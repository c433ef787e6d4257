#include "core/card/PlainFileName.h"

namespace tavolo {

bool IsPlainFileName(const QString& name) {
  return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') &&
         !name.contains(u'\\') && !name.contains(QChar(u'\0'));
}

}  // namespace tavolo
