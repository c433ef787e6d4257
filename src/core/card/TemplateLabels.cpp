#include "core/card/TemplateLabels.h"

#include <algorithm>

#include <QStringList>

namespace tavolo {

namespace {

// A phone number has at least this many digits; "7 - 18" (opening hours) is none.
constexpr int kNumberDigits = 6;

bool StartsAsNumber(const QString& text) {
  if (text.isEmpty()) return false;
  const QChar first = text.front();
  return first.isDigit() || first == u'+' || first == u'(';
}

bool IsNumber(const QString& text) {
  if (!StartsAsNumber(text)) return false;
  const auto isPhoneChar = [](QChar c) {
    return c.isDigit() || c.isSpace() || QStringLiteral("+()-/.").contains(c);
  };
  const auto digits = std::count_if(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
  return digits >= kNumberDigits && std::all_of(text.begin(), text.end(), isPhoneChar);
}

}  // namespace

QString NumberLabelOf(const QString& sample) {
  const QStringList words = sample.split(u' ', Qt::SkipEmptyParts);
  for (qsizetype i = 1; i < words.size(); ++i) {
    const QString label = words.mid(0, i).join(u' ');
    if (!std::any_of(label.begin(), label.end(), [](QChar c) { return c.isLetter(); })) continue;
    if (IsNumber(words.mid(i).join(u' '))) return label;
  }
  return {};
}

ContactDetails WithTemplateLabels(ContactDetails typed, const ContactDetails& sample) {
  for (size_t f = 0; f < typed.size(); ++f) {
    const QString label = NumberLabelOf(sample[f]);
    const QString value = typed[f].trimmed();
    if (!label.isEmpty() && StartsAsNumber(value)) typed[f] = label + u' ' + value;
  }
  return typed;
}

}  // namespace tavolo
