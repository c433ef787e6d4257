#include "ui/app/HelpContents.h"

#include <QDir>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <algorithm>

#include "core/storage/FileIo.h"

namespace tavolo {

namespace {

// Help pages are small; a larger file is not read for its title.
constexpr uintmax_t kMaxPageBytes = 4 * 1024 * 1024;

// Only a regular file is read: a named pipe given a page's name would never answer.
QString ReadPage(const QString& path) {
  const Outcome<std::vector<uint8_t>> read = ReadWholeFile(path.toStdString(), kMaxPageBytes);
  if (!read) return {};
  return QString::fromUtf8(reinterpret_cast<const char*>(read.Value().data()),
                           static_cast<qsizetype>(read.Value().size()));
}

QString FirstMatch(const QString& html, const QString& pattern) {
  const QRegularExpression expression(pattern, QRegularExpression::CaseInsensitiveOption |
                                                   QRegularExpression::DotMatchesEverythingOption);
  const QRegularExpressionMatch match = expression.match(html);
  if (!match.hasMatch()) return {};
  // Entities and inner tags as the reader sees them, on one line.
  return QTextDocumentFragment::fromHtml(match.captured(1)).toPlainText().simplified();
}

// The local pages `html` links to, in the order of their first link.
QStringList LinkedFiles(const QString& html) {
  static const QRegularExpression link(QStringLiteral("href\\s*=\\s*\"([^\"#?:]+)[^\"]*\""),
                                       QRegularExpression::CaseInsensitiveOption);
  QStringList files;
  for (const QRegularExpressionMatch& match : link.globalMatch(html)) {
    const QString file = match.captured(1);
    if (!files.contains(file)) files << file;
  }
  return files;
}

}  // namespace

QString HelpPageTitle(const QString& html, const QString& fallback) {
  QString title = FirstMatch(html, QStringLiteral("<title[^>]*>(.*?)</title>"));
  if (title.isEmpty()) title = FirstMatch(html, QStringLiteral("<h1[^>]*>(.*?)</h1>"));
  return title.isEmpty() ? fallback : title;
}

std::vector<HelpPage> HelpPages(const QString& folder) {
  const QDir dir(folder);
  const QStringList files =
      dir.entryList({QStringLiteral("*.htm"), QStringLiteral("*.html")}, QDir::Files, QDir::Name);
  std::vector<HelpPage> pages;
  for (const QString& file : files) {
    pages.push_back({file, HelpPageTitle(ReadPage(dir.filePath(file)), file)});
  }
  const QString start = QString::fromLatin1(kHelpStartPage);
  QStringList order{start};
  order << LinkedFiles(ReadPage(dir.filePath(start)));
  const auto rank = [&order](const HelpPage& page) {
    const qsizetype at = order.indexOf(page.file);
    return at < 0 ? order.size() : at;
  };
  std::stable_sort(pages.begin(), pages.end(), [&rank](const HelpPage& a, const HelpPage& b) {
    const qsizetype ra = rank(a);
    const qsizetype rb = rank(b);
    if (ra != rb) return ra < rb;
    return a.title.localeAwareCompare(b.title) < 0;
  });
  return pages;
}

}  // namespace tavolo
