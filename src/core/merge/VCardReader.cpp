#include "core/merge/VCardReader.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include <QStringDecoder>

#include "core/base/Translation.h"
#include "core/card/FieldNames.h"
#include "core/formats/Cp1252.h"
#include "core/merge/MergeText.h"

namespace tavolo {

namespace {

// The head of a property (its name and parameters) is never longer than this; what is, is no
// property.
constexpr size_t kMaxHeadBytes = 4096;
// A value's bytes: up to four for each of the characters a value may have.
constexpr size_t kMaxValueBytes = 4 * static_cast<size_t>(kMaxMergeValueLength);
constexpr size_t kProgressStep = 1 << 20;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// One property of a card: "group.NAME;PARAM=A,B;BARE:value", its value's characters decoded.
struct Property {
  int line = 0;
  std::string group;  // upper case; empty for none
  std::string name;   // upper case, without its group
  QStringList types;  // lower case: TYPE values, bare parameters, "pref"
  bool quotedPrintable = false;
  bool uri = false;     // VALUE=uri
  std::string charset;  // upper case; empty when not given
  QString text;
  bool legacy = false;  // read as Windows-1252 though nothing said so
};

bool HasType(const Property& p, const char* type) {
  return p.types.contains(QLatin1StringView(type));
}

bool IsKept(const std::string& name) {
  static constexpr std::string_view kKept[] = {"FN",  "N",     "ORG", "TITLE",    "ADR",
                                               "TEL", "EMAIL", "URL", "X-ABLABEL"};
  return std::ranges::find(kKept, name) != std::end(kKept);
}

// Splits the head (the part before the value) into the group, the name and the parameters;
// double quotes (vCard 4.0 parameter values) may hold ';' and ','.
Property ParseHead(std::string_view head, int line) {
  std::vector<std::string_view> parts;
  bool quoted = false;
  size_t start = 0;
  for (size_t i = 0; i <= head.size(); ++i) {
    if (i < head.size() && head[i] == '"') quoted = !quoted;
    if (i == head.size() || (head[i] == ';' && !quoted)) {
      parts.push_back(head.substr(start, i - start));
      start = i + 1;
    }
  }
  Property p;
  p.line = line;
  const std::string_view fullName = Trimmed(parts.front());
  const size_t dot = fullName.rfind('.');
  p.name = Upper(dot == std::string_view::npos ? fullName : fullName.substr(dot + 1));
  if (dot != std::string_view::npos) p.group = Upper(fullName.substr(0, dot));
  for (size_t i = 1; i < parts.size(); ++i) {
    const size_t equals = parts[i].find('=');
    const std::string key = Upper(Trimmed(
        equals == std::string_view::npos ? std::string_view() : parts[i].substr(0, equals)));
    std::string_view value =
        Trimmed(equals == std::string_view::npos ? parts[i] : parts[i].substr(equals + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
      value = value.substr(1, value.size() - 2);
    }
    const std::string upperValue = Upper(value);
    if (key == "ENCODING" || (key.empty() && upperValue == "QUOTED-PRINTABLE")) {
      p.quotedPrintable = p.quotedPrintable || upperValue == "QUOTED-PRINTABLE";
    } else if (key == "CHARSET") {
      p.charset = upperValue;
    } else if (key == "VALUE") {
      p.uri = upperValue == "URI";
    } else if (key == "PREF") {
      p.types.push_back(QStringLiteral("pref"));
    } else if (key.empty() || key == "TYPE") {
      for (const QString& type :
           QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()))
               .split(u',', Qt::SkipEmptyParts)) {
        p.types.push_back(type.trimmed().toLower());
      }
    }
  }
  return p;
}

std::optional<int> HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return std::nullopt;
}

// Quoted-printable: "=XX" is a byte, every other byte stands for itself.
std::string DecodeQuotedPrintable(std::string_view value) {
  std::string bytes;
  bytes.reserve(value.size());
  for (size_t i = 0; i < value.size(); ++i) {
    const std::optional<int> high = i + 2 < value.size() ? HexDigit(value[i + 1]) : std::nullopt;
    const std::optional<int> low = i + 2 < value.size() ? HexDigit(value[i + 2]) : std::nullopt;
    if (value[i] == '=' && high && low) {
      bytes.push_back(static_cast<char>(*high * 16 + *low));
      i += 2;
    } else {
      bytes.push_back(value[i]);
    }
  }
  return bytes;
}

std::span<const uint8_t> AsBytes(std::string_view text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

// The characters of a value's bytes in `charset`; `legacy` is set when they had to be read as
// Windows-1252 though neither the charset nor the card said so.
QString DecodeValue(std::string_view bytes, const std::string& charset, bool& legacy) {
  const bool windows = charset == "ISO-8859-1" || charset == "LATIN1" ||
                       charset == "WINDOWS-1252" || charset == "CP1252" || charset == "US-ASCII" ||
                       charset == "ASCII";
  if (windows) return DecodeCp1252(AsBytes(bytes));
  if (charset.empty() || charset == "UTF-8" || charset == "UTF8") {
    if (std::optional<QString> text = DecodeUtf8(AsBytes(bytes))) return std::move(*text);
  } else {
    QStringDecoder named(charset.c_str(), QStringConverter::Flag::Stateless);
    if (named.isValid()) {
      QString text =
          named.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
      if (!named.hasError()) return text;
    }
    if (std::optional<QString> text = DecodeUtf8(AsBytes(bytes))) return std::move(*text);
  }
  legacy = true;
  return DecodeCp1252(AsBytes(bytes));
}

// The value's components (split at ';' that is not escaped), each unescaped: "\," "\;" "\\"
// and "\n" (a line break).
QStringList Components(const Property& p) {
  QStringList components;
  QString current;
  for (qsizetype i = 0; i < p.text.size(); ++i) {
    const QChar c = p.text[i];
    if (c == u'\\' && i + 1 < p.text.size()) {
      const QChar next = p.text[++i];
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

// A number as a telephone or an address as a mail program writes it: a vCard 4.0 "tel:" URI
// ("tel:+1-555-0100;ext=12") gives its number, "mailto:" its address.
QString WithoutScheme(QString value, QLatin1StringView scheme) {
  if (!value.startsWith(scheme, Qt::CaseInsensitive)) return value;
  value.remove(0, scheme.size());
  const qsizetype extension = value.indexOf(QLatin1StringView(";ext="), 0, Qt::CaseInsensitive);
  if (extension >= 0) value.replace(extension, 5, QStringLiteral(" ext. "));
  return value.trimmed();
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

// The types a group's label stands for: an address book's own ("_$!<Mobile>!$_") or one the
// user typed, in English, German, French, Italian or Spanish.
QStringList LabelTypes(const QString& label) {
  QString word = label.trimmed().toLower();
  if (word.startsWith(u"_$!<") && word.endsWith(u">!$_")) word = word.mid(4, word.size() - 8);
  if (word.contains(u"fax")) return {QStringLiteral("fax")};
  static const std::pair<const char16_t*, const char*> kWords[] = {
      {u"work", "work"},         {u"main", "work"},      {u"büro", "work"},    {u"arbeit", "work"},
      {u"geschäftlich", "work"}, {u"travail", "work"},   {u"bureau", "work"},  {u"lavoro", "work"},
      {u"ufficio", "work"},      {u"trabajo", "work"},   {u"oficina", "work"}, {u"mobile", "cell"},
      {u"cell", "cell"},         {u"iphone", "cell"},    {u"mobil", "cell"},   {u"handy", "cell"},
      {u"portable", "cell"},     {u"cellulare", "cell"}, {u"móvil", "cell"},   {u"movil", "cell"},
      {u"celular", "cell"},      {u"home", "home"},      {u"privat", "home"},  {u"maison", "home"},
      {u"domicile", "home"},     {u"casa", "home"},      {u"pager", "pager"},
  };
  for (const auto& [name, type] : kWords) {
    if (word == QStringView(name)) return {QString::fromLatin1(type)};
  }
  return {};
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
std::vector<const Property*> Ranked(std::vector<const Property*> candidates, Rank rank) {
  std::ranges::stable_sort(candidates, [&](const Property* a, const Property* b) {
    const int ra = rank(*a) * 2 + (HasType(*a, "pref") ? 0 : 1);
    const int rb = rank(*b) * 2 + (HasType(*b, "pref") ? 0 : 1);
    return ra < rb;
  });
  return candidates;
}

// The eleven values of one contact.
QStringList ContactRow(std::vector<Property>& properties) {
  std::map<std::string, QStringList> labels;
  for (const Property& p : properties) {
    if (p.name == "X-ABLABEL" && !p.group.empty()) labels[p.group] = LabelTypes(Whole(p));
  }
  QStringList row(kContactFieldCount);
  std::vector<const Property*> phones;
  std::vector<const Property*> emails;
  const Property* address = nullptr;
  const Property* structuredName = nullptr;
  for (Property& p : properties) {
    if (const auto label = labels.find(p.group); !p.group.empty() && label != labels.end()) {
      p.types += label->second;
    }
    if (p.name == "FN") {
      row[kName] = Whole(p);
    } else if (p.name == "N") {
      structuredName = &p;
    } else if (p.name == "ORG") {
      row[kCompany] = Component(Components(p), 0);
    } else if (p.name == "TITLE") {
      row[kTitle] = Whole(p);
    } else if (p.name == "ADR") {
      if (address == nullptr || (HasType(p, "work") && !HasType(*address, "work"))) address = &p;
    } else if (p.name == "TEL") {
      phones.push_back(&p);
    } else if (p.name == "EMAIL") {
      emails.push_back(&p);
    } else if (p.name == "URL" && row[kWebsite].isEmpty()) {
      row[kWebsite] = Whole(p);
    }
  }
  if (row[kName].isEmpty() && structuredName != nullptr) {
    // Family; given; additional; prefixes; suffixes.
    const QStringList n = Components(*structuredName);
    row[kName] = Joined(
        {Component(n, 3), Component(n, 1), Component(n, 2), Component(n, 0), Component(n, 4)},
        QStringLiteral(" "));
  }
  if (address != nullptr) {
    // Post office box; extended address; street; locality; region; postal code; country.
    const QStringList adr = Components(*address);
    QStringList street = Component(adr, 2).split(u'\n', Qt::SkipEmptyParts);
    row[kAddress1] = street.isEmpty() ? Component(adr, 0) : street.takeFirst().trimmed();
    row[kAddress2] = Joined(street << Component(adr, 1), QStringLiteral(", "));
    row[kCity] = Joined({Component(adr, 3), Component(adr, 4)}, QStringLiteral(", "));
    row[kZip] = Joined({Component(adr, 5), Component(adr, 6)}, QStringLiteral(", "));
  }
  const std::vector<const Property*> sortedPhones = Ranked(phones, PhoneRank);
  for (size_t i = 0; i < sortedPhones.size() && i < 2; ++i) {
    row[kPhone1 + static_cast<int>(i)] =
        WithoutScheme(Whole(*sortedPhones[i]), QLatin1StringView("tel:"));
  }
  const std::vector<const Property*> sortedEmails = Ranked(emails, EmailRank);
  if (!sortedEmails.empty()) {
    row[kEmail] = WithoutScheme(Whole(*sortedEmails.front()), QLatin1StringView("mailto:"));
  }
  return row;
}

class VCardParser {
 public:
  VCardParser(std::span<const uint8_t> bytes, const std::string& name,
              const MergeProgress& progress)
      : text_(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
        name_(name),
        progress_(progress) {}

  Outcome<MergeTable> Parse() {
    MergeTable table;
    for (const FieldName& field : kFieldNames) table.columns.push_back(QString(field.label));
    int begun = 0;        // the line of the BEGIN of the contact being read; 0 between contacts
    bool legacy = false;  // whether a value of the contact was read as Windows-1252
    std::vector<Property> properties;
    while (at_ < text_.size()) {
      if (at_ >= nextReport_) {
        if (!GoesOn(progress_, at_, text_.size())) return MergeStopped();
        nextReport_ = at_ + kProgressStep;
      }
      const int line = line_;
      std::optional<Property> read;
      if (Outcome<> next = NextProperty(begun > 0, read); !next) return Failure{next.Message()};
      if (!read) continue;
      Property& p = *read;
      const QString value = p.text.trimmed().toUpper();
      if (p.name == "BEGIN" && value == u"VCARD") {
        if (begun > 0) return At(begun, TrText("a contact is never ended with END:VCARD."));
        begun = line;
        legacy = false;
        properties.clear();
      } else if (p.name == "END" && value == u"VCARD" && begun > 0) {
        const QStringList row = ContactRow(properties);
        if (legacy) {
          table.warnings.push_back(
              TrMessage("%1, line %2 (%3): a value is not in UTF-8 and is read as Windows-1252.",
                        name_, begun, row[kName].isEmpty() ? row[kCompany] : row[kName]));
        }
        table.BeginRow(begun);
        for (const QString& cell : row) {
          if (!table.AddCell(cell)) {
            return At(begun, TrMessage("the data holds more than %1 values; split it into "
                                       "smaller files.",
                                       kMaxMergeValues));
          }
        }
        begun = 0;
      } else if (begun > 0 && IsKept(p.name)) {
        legacy = legacy || p.legacy;
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

  bool AtEnd() const { return at_ >= text_.size(); }

  // The next physical line, without its line end; `at_` moves past it.
  std::string_view NextLine() {
    const size_t end = std::min(text_.find('\n', at_), text_.size());
    std::string_view line = text_.substr(at_, end - at_);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    at_ = end + 1;
    ++line_;
    return line;
  }

  // Whether the next physical line continues the one before (it begins with a blank).
  bool FoldFollows() const { return !AtEnd() && IsBlank(text_[at_]); }

  // Reads the next property; `read` stays empty for a line that is no property. The value of a
  // property no field takes (a picture, say) is passed over, never copied. Outside a card only
  // BEGIN is looked at.
  Outcome<> NextProperty(bool inCard, std::optional<Property>& read) {
    const int line = line_;
    std::string_view piece = NextLine();
    std::string head;
    size_t colon = ColonOf(piece);
    while (colon == std::string_view::npos && FoldFollows() && head.size() < kMaxHeadBytes) {
      head.append(piece);
      piece = NextLine().substr(1);
      colon = ColonOf(piece);
    }
    if (colon == std::string_view::npos || head.size() + colon > kMaxHeadBytes) {
      SkipContinuation(false, piece);
      return {};
    }
    head.append(piece.substr(0, colon));
    Property p = ParseHead(head, line);
    piece = piece.substr(colon + 1);
    const bool kept = p.name == "BEGIN" || (inCard && (p.name == "END" || IsKept(p.name)));
    if (!kept) {
      SkipContinuation(p.quotedPrintable, piece);
      return {};
    }
    std::string value(piece);
    while (true) {
      if (p.quotedPrintable && !value.empty() && value.back() == '=' && !AtEnd()) {
        value.pop_back();
        value.append(NextLine());
      } else if (FoldFollows()) {
        value.append(NextLine().substr(1));
      } else {
        break;
      }
      if (value.size() > kMaxValueBytes) break;
    }
    if (value.size() > kMaxValueBytes) {
      return At(line, TrMessage("a value is longer than %1 characters; this is not a list of "
                                "contacts.",
                                kMaxMergeValueLength));
    }
    const std::string bytes = p.quotedPrintable ? DecodeQuotedPrintable(value) : value;
    p.text = DecodeValue(bytes, p.charset, p.legacy);
    if (p.text.size() > kMaxMergeValueLength) {
      return At(line, TrMessage("a value is longer than %1 characters; this is not a list of "
                                "contacts.",
                                kMaxMergeValueLength));
    }
    read = std::move(p);
    return {};
  }

  // Passes over the lines that continue a value whose last piece was `last`.
  void SkipContinuation(bool quotedPrintable, std::string_view last) {
    while (true) {
      if (quotedPrintable && !last.empty() && last.back() == '=' && !AtEnd()) {
        last = NextLine();
      } else if (FoldFollows()) {
        last = NextLine();
      } else {
        return;
      }
    }
  }

  static size_t ColonOf(std::string_view line) {
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
      if (line[i] == '"') quoted = !quoted;
      if (line[i] == ':' && !quoted) return i;
    }
    return std::string_view::npos;
  }

  std::string_view text_;
  const std::string& name_;
  const MergeProgress& progress_;
  size_t at_ = 0;
  size_t nextReport_ = 0;
  int line_ = 1;
};

}  // namespace

bool LooksLikeVCard(std::span<const uint8_t> bytes) {
  std::string_view text(reinterpret_cast<const char*>(WithoutBom(bytes).data()),
                        WithoutBom(bytes).size());
  while (!text.empty() && (IsBlank(text.front()) || text.front() == '\r' || text.front() == '\n')) {
    text.remove_prefix(1);
  }
  return Upper(text.substr(0, 11)) == "BEGIN:VCARD";
}

Outcome<MergeTable> ReadVCards(std::span<const uint8_t> bytes, const std::string& name,
                               const MergeProgress& progress) {
  if (const Outcome<> text = RefuseNul(bytes, name); !text) return Failure{text.Message()};
  return VCardParser(WithoutBom(bytes), name, progress).Parse();
}

}  // namespace tavolo
