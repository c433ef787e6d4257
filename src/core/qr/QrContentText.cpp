#include "core/qr/QrContentText.h"

#include <QStringList>

#include "core/base/Translation.h"
#include "core/card/ContactLines.h"
#include "core/card/FieldNames.h"

namespace tavolo {

namespace {

const QString& FieldOf(const ContactDetails& details, ContactField field) {
  return details[static_cast<size_t>(field)];
}

// A value's text inside a vCard line: the characters that separate values are escaped, and a
// line break (CR LF, LF or CR) becomes "\n".
QString Escaped(const QString& value) {
  QString out;
  out.reserve(value.size());
  for (qsizetype i = 0; i < value.size(); ++i) {
    const QChar c = value[i];
    if (c == u'\\' || c == u',' || c == u';') {
      out += u'\\';
      out += c;
    } else if (c == u'\r' || c == u'\n') {
      out += QStringLiteral("\\n");
      if (c == u'\r' && i + 1 < value.size() && value[i + 1] == u'\n') ++i;
    } else {
      out += c;
    }
  }
  return out;
}

// A phone field often starts with its label ("Tel. +49 …", "Mobile: 0171 …"): the number is what
// follows it, from the first digit or "+" or "(".
QString PhoneNumber(const QString& field) {
  for (qsizetype i = 0; i < field.size(); ++i) {
    const QChar c = field[i];
    if (c.isDigit() || c == u'+' || c == u'(') return field.mid(i).trimmed();
  }
  return {};
}

// N: family name; given names. The last word of the name is taken for the family name.
QString StructuredName(const QString& name) {
  const QString trimmed = name.trimmed();
  const qsizetype lastSpace = trimmed.lastIndexOf(u' ');
  if (lastSpace < 0) return Escaped(trimmed) + QStringLiteral(";;;;");
  return Escaped(trimmed.mid(lastSpace + 1)) + u';' + Escaped(trimmed.left(lastSpace).trimmed()) +
         QStringLiteral(";;;");
}

}  // namespace

QString VCardText(const ContactDetails& details) {
  QStringList lines = {QStringLiteral("BEGIN:VCARD"), QStringLiteral("VERSION:3.0")};
  const auto add = [&lines](const char* property, const QString& value) {
    if (!value.trimmed().isEmpty()) lines << QString::fromLatin1(property) + u':' + Escaped(value);
  };
  const QString& name = FieldOf(details, kName);
  lines << QStringLiteral("N:") + StructuredName(name);
  lines << QStringLiteral("FN:") +
               Escaped(name.trimmed().isEmpty() ? FieldOf(details, kCompany) : name.trimmed());
  add("ORG", FieldOf(details, kCompany));
  add("TITLE", FieldOf(details, kTitle));
  // ADR: post office box; extended address; street; locality; region; postal code; country.
  const QString& street = FieldOf(details, kAddress1);
  const QString& extended = FieldOf(details, kAddress2);
  const QString& city = FieldOf(details, kCity);
  const QString& zip = FieldOf(details, kZip);
  if (!(street + extended + city + zip).trimmed().isEmpty()) {
    lines << QStringLiteral("ADR;TYPE=WORK:;") + Escaped(extended) + u';' + Escaped(street) + u';' +
                 Escaped(city) + QStringLiteral(";;") + Escaped(zip) + u';';
  }
  add("TEL;TYPE=WORK,VOICE", PhoneNumber(FieldOf(details, kPhone1)));
  add("TEL;TYPE=CELL", PhoneNumber(FieldOf(details, kPhone2)));
  add("EMAIL", FieldOf(details, kEmail));
  add("URL", FieldOf(details, kWebsite));
  lines << QStringLiteral("END:VCARD");
  return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QString WebsiteUrl(const QString& website) {
  const QString trimmed = website.trimmed();
  if (trimmed.isEmpty() || trimmed.contains(QStringLiteral("://"))) return trimmed;
  return QStringLiteral("https://") + trimmed;
}

Outcome<QString> QrContentText(const CardState& card, const PlacedQrCode& code) {
  switch (code.content) {
    case QrContent::kContactDetails:
      return VCardText(ContactDetailsOf(card));
    case QrContent::kWebsite: {
      const QString url = WebsiteUrl(FieldOf(ContactDetailsOf(card), kWebsite));
      if (url.isEmpty())
        return Failure{TrMessage("The card has no website address for its QR code.")};
      return url;
    }
    case QrContent::kFreeText:
      if (code.freeText.isEmpty()) return Failure{TrMessage("The QR code has no text.")};
      return code.freeText;
  }
  return Failure{TrMessage("The QR code's content is unknown.")};
}

}  // namespace tavolo
