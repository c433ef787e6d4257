#include "core/merge/RecordFileNames.h"

#include <QTextBoundaryFinder>

#include "core/base/Translation.h"
#include "core/merge/FieldMapping.h"
#include "core/storage/PrintableName.h"

namespace tavolo {

namespace {

// Calls `field(index)` for each "{FIELD}" and `text(part)` for what lies between; a failure
// names a brace without a field.
template <typename Text, typename Field>
Outcome<> WalkPattern(const std::string& pattern, Text text, Field field) {
  size_t at = 0;
  while (at < pattern.size()) {
    const size_t open = pattern.find('{', at);
    text(pattern.substr(at, open == std::string::npos ? std::string::npos : open - at));
    if (open == std::string::npos) break;
    const size_t close = pattern.find('}', open);
    if (close == std::string::npos) {
      return Failure{TrMessage("the '{' in '%1' is never closed.", PrintableName(pattern))};
    }
    const std::string name = pattern.substr(open + 1, close - open - 1);
    const std::optional<int> index = FieldForHeader(QString::fromStdString(name));
    if (!index) {
      return Failure{
          TrMessage("{%1} names no field; use one such as {Name}, {Company Name} or {Email}.",
                    PrintableName(name))};
    }
    field(*index);
    at = close + 1;
  }
  return {};
}

size_t Utf8Bytes(QStringView text) {
  size_t bytes = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    if (c < 0x80) {
      bytes += 1;
    } else if (c < 0x800) {
      bytes += 2;
    } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() &&
               QChar::isLowSurrogate(text[i + 1].unicode())) {
      bytes += 4;
      ++i;
    } else {
      bytes += 3;
    }
  }
  return bytes;
}

// A part of the path cut to the bytes a name may have, the `tail` (a number, the extension)
// kept whole after it.
std::string NamePart(const QString& stem, const QString& tail) {
  const size_t room = kMaxFileNameBytes - std::min(kMaxFileNameBytes, Utf8Bytes(tail));
  return (CutToBytes(stem, room).trimmed() + tail).toStdString();
}

}  // namespace

QString CutToBytes(const QString& text, size_t bytes) {
  if (Utf8Bytes(text) <= bytes) return text;
  QTextBoundaryFinder boundaries(QTextBoundaryFinder::Grapheme, text);
  qsizetype kept = 0;
  size_t used = 0;
  for (qsizetype next = boundaries.toNextBoundary(); next > 0; next = boundaries.toNextBoundary()) {
    used += Utf8Bytes(QStringView(text).sliced(kept, next - kept));
    if (used > bytes) break;
    kept = next;
  }
  return text.first(kept);
}

QString SafeFileNamePart(const QString& value) {
  QString safe;
  bool blank = false;
  for (const QChar c : value) {
    const QChar::Category category = c.category();
    if (category == QChar::Other_Format) continue;
    if (c.isSpace() || c == u'/' || c == u'\\' || category == QChar::Other_Control) {
      blank = !safe.isEmpty();
      continue;
    }
    if (safe.isEmpty() && c == u'.') continue;
    if (blank) safe.append(u' ');
    blank = false;
    safe.append(c);
  }
  return safe;
}

Outcome<> CheckNamePattern(const std::string& pattern) {
  return WalkPattern(
      pattern, [](const std::string&) {}, [](int) {});
}

std::filesystem::path RecordFileNames::Next(const ContactDetails& details) {
  ++asked_;
  QString filled;
  const Outcome<> walked = WalkPattern(
      pattern_, [&](const std::string& text) { filled += QString::fromStdString(text); },
      [&](int field) { filled += SafeFileNamePart(details.fields[static_cast<size_t>(field)]); });
  (void)walked;  // the pattern was checked when the merge began
  // The folders of the name, each cut to the bytes a name may have.
  const QStringList parts = filled.split(u'/');
  std::filesystem::path folder;
  for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
    folder /= parts[i].isEmpty() && i == 0 ? std::string("/") : NamePart(parts[i], {});
  }
  // The extension is the pattern's, so that an empty value cannot make it the whole name.
  const QString extension =
      QString::fromStdString(std::filesystem::path(pattern_).extension().string());
  QString stem = parts.back();
  if (stem.endsWith(extension)) stem.chop(extension.size());
  if (stem.trimmed().isEmpty()) stem = QStringLiteral("record %1").arg(asked_);
  std::filesystem::path candidate = folder / NamePart(stem, extension);
  for (int n = 2; given_.contains(candidate.string()); ++n) {
    candidate = folder / NamePart(stem, QStringLiteral(" (%1)").arg(n) + extension);
  }
  given_.insert(candidate.string());
  return candidate;
}

}  // namespace tavolo
