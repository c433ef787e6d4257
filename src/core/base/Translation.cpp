#include "core/base/Translation.h"

#include <memory>
#include <optional>
#include <span>
#include <vector>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "core/base/ProgramFolder.h"
#include "core/storage/FileMessages.h"
#include "core/storage/ImageMessages.h"

namespace tavolo {

namespace {

// One context for the whole program, so that a text is translated once wherever it appears.
constexpr char kContext[] = "Tavolo";
constexpr size_t kMaxPlaceholders = 9;

bool Install(QCoreApplication& app, const QLocale& locale, const QString& name,
             const QString& folder) {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(locale, name, QStringLiteral("_"), folder) ||
      !QCoreApplication::installTranslator(translator.get())) {
    return false;
  }
  translator.release()->setParent(&app);
  return true;
}

// Whether `message` from `m` on is `pattern` from `p` on with values in place of its
// placeholders; the values found go into `values` by placeholder number.
bool Match(std::string_view pattern, size_t p, std::string_view message, size_t m,
           std::vector<std::string>& values) {
  if (p == pattern.size()) return m == message.size();
  if (!IsPlaceholderAt(pattern, p)) {
    return m < message.size() && pattern[p] == message[m] &&
           Match(pattern, p + 1, message, m + 1, values);
  }
  const size_t number = static_cast<size_t>(pattern[p + 1] - '1');
  if (values.size() <= number) values.resize(number + 1);
  // The longest value first: a name may hold the words that follow the placeholder.
  for (size_t end = message.size(); end + 1 > m; --end) {
    if (Match(pattern, p + 2, message, end, values)) {
      values[number] = std::string(message.substr(m, end - m));
      return true;
    }
  }
  return false;
}

std::optional<std::vector<std::string>> ValuesIn(std::string_view pattern,
                                                 const std::string& message) {
  std::vector<std::string> values;
  if (!Match(pattern, 0, message, 0, values)) return std::nullopt;
  values.resize(std::min(values.size(), kMaxPlaceholders));
  return values;
}

// The lower layers' sentences with placeholders, from their own tables.
std::vector<const char*> LowerLayerPatterns() {
  std::vector<const char*> patterns(kFileMessageTexts.begin(), kFileMessageTexts.end());
  patterns.insert(patterns.end(), kImageMessageTexts.begin(), kImageMessageTexts.end());
  return patterns;
}

}  // namespace

QString Tr(const char* english) {
  return QCoreApplication::translate(kContext, english);
}

std::string TrText(const char* english) {
  const QString translated = Tr(english);
  if (translated == QString::fromUtf8(english)) return english;
  return translated.toStdString();
}

std::string TranslatedMessage(const std::string& english) {
  if (english.empty()) return english;
  const QString whole = Tr(english.c_str());
  if (whole != QString::fromUtf8(english)) return whole.toStdString();
  static const std::vector<const char*> patterns = LowerLayerPatterns();
  for (const char* pattern : patterns) {
    std::optional<std::vector<std::string>> values = ValuesIn(pattern, english);
    if (!values) continue;
    for (std::string& value : *values) value = TranslatedMessage(value);
    return FillPlaceholders(TrText(pattern), *values);
  }
  return english;
}

bool InstallTranslations(QCoreApplication& app, const QString& folder, const QLocale& locale) {
  Install(app, locale, QStringLiteral("qtbase"),
          QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  return Install(app, locale, QStringLiteral("tavolo"), folder);
}

bool InstallProgramTranslations(QCoreApplication& app) {
  return InstallTranslations(
      app, QString::fromStdString((DataFolders().shipped / "translations").string()), QLocale());
}

}  // namespace tavolo
