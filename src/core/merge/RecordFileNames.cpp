#include "core/merge/RecordFileNames.h"

#include "core/base/Translation.h"
#include "core/merge/FieldMapping.h"
#include "core/storage/PrintableName.h"

namespace tavolo {

namespace {

constexpr qsizetype kMaxNamePart = 100;

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

}  // namespace

std::string SafeFileNamePart(const QString& value) {
  QString safe;
  bool blank = false;
  for (const QChar c : value) {
    if (c.isSpace() || c == u'/' || c == u'\\' || c.category() == QChar::Other_Control) {
      blank = !safe.isEmpty();
      continue;
    }
    if (safe.isEmpty() && c == u'.') continue;
    if (blank) safe.append(u' ');
    blank = false;
    safe.append(c);
  }
  safe.truncate(kMaxNamePart);
  return safe.trimmed().toStdString();
}

Outcome<> CheckNamePattern(const std::string& pattern) {
  return WalkPattern(pattern, [](const std::string&) {}, [](int) {});
}

std::filesystem::path RecordFileNames::Next(const ContactDetails& details) {
  ++asked_;
  std::string filled;
  const Outcome<> walked = WalkPattern(
      pattern_, [&](const std::string& text) { filled += text; },
      [&](int field) { filled += SafeFileNamePart(details[static_cast<size_t>(field)]); });
  (void)walked;  // the pattern was checked when the merge began
  // The extension is the pattern's, so that an empty value cannot make it the whole name.
  const std::filesystem::path path(filled);
  const std::string extension = std::filesystem::path(pattern_).extension().string();
  std::string stem = path.filename().string();
  if (stem.ends_with(extension)) stem.resize(stem.size() - extension.size());
  if (stem.empty() || stem.find_first_not_of(' ') == std::string::npos) {
    stem = "record " + std::to_string(asked_);
  }
  std::filesystem::path candidate = path.parent_path() / (stem + extension);
  for (int n = 2; given_.contains(candidate.string()); ++n) {
    candidate = path.parent_path() / (stem + " (" + std::to_string(n) + ")" + extension);
  }
  given_.insert(candidate.string());
  return candidate;
}

}  // namespace tavolo
