// The user's language: every text the user sees goes through Tr, which looks it up in the
// catalogue chosen from the locale (German and French ship; English is the source and needs
// none). The catalogues are compiled at build time from translations/*.ts; the script
// scripts/update-translations.py collects the texts from the Tr calls into them.
#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace tavolo {

// The text in the user's language; `english` itself when no catalogue has it. A text with a
// placeholder is translated before its .arg() fills it.
QString Tr(const char* english);

// Installs Tavolo's catalogue for `locale` from `folder` (tavolo_<language>.qm) and Qt's own for
// its standard dialogs; true when Tavolo's catalogue was found. The translators belong to `app`.
bool InstallTranslations(QCoreApplication& app, const QString& folder, const QLocale& locale);

}  // namespace tavolo
