// The user's language: every text the user sees goes through Tr or TrMessage, which look it up
// in the catalogue chosen from the locale (German and French ship; English is the source and
// needs none). The catalogues are compiled at build time from translations/*.ts; the script
// scripts/update-translations.py collects the texts from the Tr, TrMessage and UserText calls.
#pragma once

#include <concepts>
#include <string>
#include <string_view>

#include <QLocale>
#include <QString>

#include "core/storage/Outcome.h"
#include "core/storage/UserText.h"

class QCoreApplication;

namespace tavolo {

// The text in the user's language; `english` itself when no catalogue has it. A text with a
// placeholder is translated before its .arg() fills it.
QString Tr(const char* english);

// Tr as UTF-8; `english` byte for byte when no catalogue has it.
std::string TrText(const char* english);

namespace translation_detail {
inline std::string MessageArgument(std::string text) {
  return text;
}
inline std::string MessageArgument(std::string_view text) {
  return std::string(text);
}
inline std::string MessageArgument(const char* text) {
  return text;
}
inline std::string MessageArgument(const QString& text) {
  return text.toStdString();
}
template <std::integral Number>
std::string MessageArgument(Number number) {
  return std::to_string(number);
}
}  // namespace translation_detail

// A whole sentence for the user, as UTF-8: `english` translated, then its %1, %2 … filled in
// one pass from `args` (strings, QStrings, integers), so that a "%2" inside an argument is left
// alone. Each argument fills the placeholder of its number in every language, which lets a
// translation put them in another order.
template <typename... Args>
std::string TrMessage(const char* english, const Args&... args) {
  if constexpr (sizeof...(Args) == 0) {
    return TrText(english);
  } else {
    const std::string arguments[] = {translation_detail::MessageArgument(args)...};
    return FillPlaceholders(TrText(english), arguments);
  }
}

// A message made by the file or image layer (which have no catalogue), in the user's language:
// the catalogue's text for the whole message; else, for a message made from one of those
// layers' sentences with placeholders, that sentence translated and filled with the values
// the message holds (a value that is itself such a message is translated too); else the
// message unchanged.
std::string TranslatedMessage(const std::string& english);

// The failure of a lower layer's `failed` outcome, its message in the user's language.
template <typename T>
Failure TranslatedFailure(const Outcome<T>& failed) {
  return {TranslatedMessage(failed.Message()), failed.Error()};
}

// `outcome` as it is, or with its failure's message in the user's language.
template <typename T>
Outcome<T> Translated(Outcome<T> outcome) {
  if (outcome.Ok()) return outcome;
  return TranslatedFailure(outcome);
}

// Installs Tavolo's catalogue for `locale` from `folder` (tavolo_<language>.qm) and Qt's own for
// its standard dialogs; true when Tavolo's catalogue was found. The translators belong to `app`.
bool InstallTranslations(QCoreApplication& app, const QString& folder, const QLocale& locale);

// InstallTranslations from the shipped data's catalogues for the user's locale.
bool InstallProgramTranslations(QCoreApplication& app);

}  // namespace tavolo
