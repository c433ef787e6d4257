#include "ui/base/Translation.h"

#include <memory>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tavolo {

namespace {

// One context for the whole program, so that a text is translated once wherever it appears.
constexpr char kContext[] = "Tavolo";

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

}  // namespace

QString Tr(const char* english) {
  return QCoreApplication::translate(kContext, english);
}

bool InstallTranslations(QCoreApplication& app, const QString& folder, const QLocale& locale) {
  Install(app, locale, QStringLiteral("qtbase"),
          QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  return Install(app, locale, QStringLiteral("tavolo"), folder);
}

}  // namespace tavolo
