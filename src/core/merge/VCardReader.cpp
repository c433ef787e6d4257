#include "core/merge/VCardReader.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "core/base/Translation.h"
#include "core/card/FieldNames.h"
#include "core/formats/Cp1252.h"
#include "core/merge/MergeText.h"

namespace tavolo {

namespace {

enum Field : int {
  kCompany = 0, kName, kTitle, kAddress1, kAddress2, kCity, kZip, kEmail, kWebsite, kPhone1,
  kPhone2,
};

// One property of a card after unfolding: "group.NAME;PARAM=A,B;BARE:value".
struct Property {
  int line = 0;
  QString name;            // upper case, without its group
  QStringList types;       // lower case: TYPE values, bare parameters, "pref"
  bool quotedPrintable = false;
  QString charset;         // upper case; empty when not given
  QString value;           // as written, escapes and encoding still in place
};

bool HasType(const Property& p, const char* type) {
  return p.types.contains(QLatin1StringView(type));
}

// Splits the part before the value into the name and parameters; double quotes (vCard 4.0
// parameter values) may hold ';' and ','.
Property ParseHead(const QString& head, int line) {
  QStringList parts;
  QString part;
  bool quoted = false;
  for (const QChar c : head) {
    if (c == u'"') {
      quoted = !quoted;
    } else if (c == u';' && !quoted) {
      parts.push_back(part);
      part.clear();
    } else {
      part.append(c);
    }
  }
  parts.push_back(part);
  Property p;
  p.line = line;
  p.name = parts.front().section(u'.', -1).trimmed().toUpper();
  for (qsizetype i = 1; i < parts.size(); ++i) {
    const qsizetype equals = parts[i].indexOf(u'=');
    const QString key = (equals < 0 ? QString() : parts[i].left(equals)).trimmed().toUpper();
    const QString value = equals < 0 ? parts[i].trimmed() : parts[i].mid(equals + 1).trimmed();
    if (key == u"ENCODING" || (key.isEmpty() && value.toUpper() == u"QUOTED-PRINTABLE")) {
      p.quotedPrintable = p.quotedPrintable || value.toUpper() == u"QUOTED-PRINTABLE";
    } else if (key == u"CHARSET") {
      p.charset = value.toUpper();
    } else if (key == u"PREF") {
      p.types.push_back(QStringLiteral("pref"));
    } else if (key.isEmpty() || key == u"TYPE") {
      for (const QString& type : value.split(u',', Qt::SkipEmptyParts)) {
        p.types.push_back(type.trimmed().toLower());
      }
    }
  }
  return p;
}

std::optional<int> HexDigit(QChar c) {
  if (c >= u'0' && c <= u'9') return c.unicode() - u'0';
  const QChar upper = c.toUpper();
  if (upper >= u'A' && upper <= u'F') return upper.unicode() - u'A' + 10;
  return std::nullopt;
}

// Quoted-printable: "=XX" is a byte; the bytes are text in the property's character set.
QString DecodeQuotedPrintable(const QString& value, const QString& charset) {
  std::vector<uint8_t> bytes;
  bytes.reserve(static_cast<size_t>(value.size()));
  for (qsizetype i = 0; i < value.size(); ++i) {
    if (value[i] == u'=' && i + 2 < value.size() && HexDigit(value[i + 1]) &&
        HexDigit(value[i + 2])) {
      bytes.push_back(static_cast<uint8_t>(*HexDigit(value[i + 1]) * 16 + *HexDigit(value[i + 2])));
      i += 2;
    } else {
      bytes.push_back(static_cast<uint8_t>(value[i].unicode() & 0xFF));
    }
  }
  const bool legacy = charset.startsWith(u"ISO-8859") || charset.startsWith(u"WINDOWS-") ||
                      charset == u"LATIN1";
  return legacy ? DecodeCp1252(bytes) : DecodeLegacyText(bytes);
}

// The value's components (split at ';' that is not escaped), each unescaped: "\," "\;" "\\"
// and "\n" (a line break).
QStringList Components(const Property& p) {
  const QString raw = p.quotedPrintable ? DecodeQuotedPrintable(p.value, p.charset) : p.value;
  QStringList components;
  QString current;
  for (qsizetype i = 0; i < raw.size(); ++i) {
    const QChar c = raw[i];
    if (c == u'\\' && i + 1 < raw.size()) {
      const QChar next = raw[++i];
      current.append(next == u'n' || next == u'N' ? QChar(u'\n') : next);
    } else if (c == u';') {
      components.push_back(current);
      current.clear();
    } else {
      current.append(c);
    }
  }
  components.push_back(current);
  return components;
}

// The whole value of a property of one component (a ';' in it written back).
QString Whole(const Property& p) {
  return Components(p).join(u';').trimmed();
}

QString Component(const QStringList& components, qsizetype index) {
  return index < components.size() ? components[index].trimmed() : QString();
}

QString Joined(const QStringList& parts, const QString& separator) {
  QStringList kept;
  for (const QString& part : parts) {
    if (!part.trimmed().isEmpty()) kept.push_back(part.trimmed());
  }
  return kept.join(separator);
}

// Lower ranks come first: a business card shows the work number before the mobile and the
// mobile before the home number; a fax or pager comes last.
int PhoneRank(const Property& p) {
  if (HasType(p, "fax") || HasType(p, "pager")) return 4;
  if (HasType(p, "work")) return 0;
  if (HasType(p, "cell") || HasType(p, "mobile") || HasType(p, "iphone")) return 2;
  if (HasType(p, "home")) return 3;
  return 1;
}

int EmailRank(const Property& p) {
  if (HasType(p, "work")) return 0;
  if (HasType(p, "home")) return 2;
  return 1;
}

// `candidates` best first by rank, a preferred one first among equals.
template <typename Rank>
std::vector<const Property*> Ranked(const std::vector<const Property*>& candidates, Rank rank) {
  std::vector<const Property*> sorted = candidates;
  std::ranges::stable_sort(sorted, [&](const Property* a, const Property* b) {
    const int ra = rank(*a) * 2 + (HasType(*a, "pref") ? 0 : 1);
    const int rb = rank(*b) * 2 + (HasType(*b, "pref") ? 0 : 1);
    return ra < rb;
  });
  return sorted;
}

// The eleven values of one contact.
QStringList ContactRow(const std::vector<Property>& properties) {
  QStringList row(kContactFieldCount);
  std::vector<const Property*> phones;
  std::vector<const Property*> emails;
  const Property* address = nullptr;
  const Property* structuredName = nullptr;
  for (const Property& p : properties) {
    if (p.name == u"FN") {
      row[kName] = Whole(p);
    } else if (p.name == u"N") {
      structuredName = &p;
    } else if (p.name == u"ORG") {
      row[kCompany] = Component(Components(p), 0);
    } else if (p.name == u"TITLE") {
      row[kTitle] = Whole(p);
    } else if (p.name == u"ADR") {
      if (address == nullptr || (HasType(p, "work") && !HasType(*address, "work"))) address = &p;
    } else if (p.name == u"TEL") {
      phones.push_back(&p);
    } else if (p.name == u"EMAIL") {
      emails.push_back(&p);
    } else if (p.name == u"URL" && row[kWebsite].isEmpty()) {
      row[kWebsite] = Whole(p);
    }
  }
  if (row[kName].isEmpty() && structuredName != nullptr) {
    // Family; given; additional; prefixes; suffixes.
    const QStringList n = Components(*structuredName);
    row[kName] = Joined({Component(n, 3), Component(n, 1), Component(n, 2), Component(n, 0),
                         Component(n, 4)},
                        QStringLiteral(" "));
  }
  if (address != nullptr) {
    // Post office box; extended address; street; locality; region; postal code; country.
    const QStringList adr = Components(*address);
    QStringList street = Component(adr, 2).split(u'\n', Qt::SkipEmptyParts);
    row[kAddress1] = street.isEmpty() ? Component(adr, 0) : street.takeFirst().trimmed();
    row[kAddress2] = Joined(street << Component(adr, 1), QStringLiteral(", "));
    if (row[kAddress2].isEmpty()) row[kAddress2] = Component(adr, 6);
    row[kCity] = Joined({Component(adr, 3), Component(adr, 4)}, QStringLiteral(", "));
    row[kZip] = Component(adr, 5);
  }
  const std::vector<const Property*> sortedPhones = Ranked(phones, PhoneRank);
  for (size_t i = 0; i < sortedPhones.size() && i < 2; ++i) {
    row[kPhone1 + static_cast<int>(i)] = Whole(*sortedPhones[i]);
  }
  const std::vector<const Property*> sortedEmails = Ranked(emails, EmailRank);
  if (!sortedEmails.empty()) row[kEmail] = Whole(*sortedEmails.front());
  return row;
}

bool IsUsed(const QString& name) {
  static const QStringList kUsed = {QStringLiteral("FN"),  QStringLiteral("N"),
                                    QStringLiteral("ORG"), QStringLiteral("TITLE"),
                                    QStringLiteral("ADR"), QStringLiteral("TEL"),
                                    QStringLiteral("EMAIL"), QStringLiteral("URL")};
  return kUsed.contains(name);
}

class VCardParser {
 public:
  VCardParser(const QString& text, const std::string& name)
      : lines_(text.split(u'\n')), name_(name) {
    for (QString& line : lines_) {
      if (line.endsWith(u'\r')) line.chop(1);
    }
  }

  Outcome<MergeTable> Parse() {
    MergeTable table;
    for (const FieldName& field : kFieldNames) table.columns.push_back(QString(field.label));
    int begun = 0;  // the line of the BEGIN of the contact being read; 0 between contacts
    std::vector<Property> properties;
    for (qsizetype i = 0; i < lines_.size();) {
      const int line = static_cast<int>(i) + 1;
      const QString logical = NextLogicalLine(i);
      const qsizetype colon = ColonOf(logical);
      if (colon < 0) continue;
      Property p = ParseHead(logical.left(colon), line);
      p.value = logical.mid(colon + 1);
      if (p.quotedPrintable) p.value = JoinSoftBreaks(p.value, i);
      if (p.name == u"BEGIN" && p.value.trimmed().toUpper() == u"VCARD") {
        if (begun > 0) return At(begun, TrText("a contact is never ended with END:VCARD."));
        begun = line;
        properties.clear();
      } else if (p.name == u"END" && p.value.trimmed().toUpper() == u"VCARD" && begun > 0) {
        table.rows.push_back(MergeRow{begun, ContactRow(properties)});
        begun = 0;
      } else if (begun > 0 && IsUsed(p.name)) {
        if (p.value.size() > kMaxMergeValueLength) {
          return At(line, TrMessage("a value is longer than %1 characters; this is not a list of "
                                    "contacts.",
                                    kMaxMergeValueLength));
        }
        properties.push_back(std::move(p));
      }
    }
    if (begun > 0) return At(begun, TrText("a contact is never ended with END:VCARD."));
    return table;
  }

 private:
  // `what` is in the user's language already.
  Failure At(int line, const std::string& what) const {
    return Failure{TrMessage("%1, line %2: %3", name_, line, what)};
  }

  // The line at `i` with the lines folded under it (they begin with a space or a tab, which is
  // dropped); `i` moves past them.
  QString NextLogicalLine(qsizetype& i) {
    QString logical = lines_[i++];
    while (i < lines_.size() && !lines_[i].isEmpty() &&
           (lines_[i].front() == u' ' || lines_[i].front() == u'\t')) {
      logical.append(QStringView(lines_[i++]).mid(1));
    }
    return logical;
  }

  // A quoted-printable value ending in "=" goes on with the next line (vCard 2.1's soft break).
  QString JoinSoftBreaks(QString value, qsizetype& i) {
    while (value.endsWith(u'=') && i < lines_.size() && value.size() <= kMaxMergeValueLength) {
      value.chop(1);
      value.append(lines_[i++].trimmed());
    }
    return value;
  }

  static qsizetype ColonOf(const QString& line) {
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
      if (line[i] == u'"') quoted = !quoted;
      if (line[i] == u':' && !quoted) return i;
    }
    return -1;
  }

  QStringList lines_;
  const std::string& name_;
};

}  // namespace

bool LooksLikeVCard(const QString& text) {
  const QStringView start = QStringView(text).trimmed();
  return start.left(11).compare(u"BEGIN:VCARD", Qt::CaseInsensitive) == 0;
}

Outcome<MergeTable> ReadVCards(const QString& text, const std::string& name) {
  return VCardParser(text, name).Parse();
}

}  // namespace tavolo
