#include "ui/base/FileFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "ui/base/UserSettings.h"

namespace tavolo {

namespace {

QString SettingsKey(FileKind kind) {
  switch (kind) {
    case FileKind::kProject:
      return QStringLiteral("folders/projects");
    case FileKind::kPicture:
      return QStringLiteral("folders/pictures");
    case FileKind::kExport:
      return QStringLiteral("folders/exports");
    case FileKind::kPdf:
      return QStringLiteral("folders/pdfs");
    case FileKind::kNone:
      break;
  }
  return {};
}

bool IsFolder(const QString& path) {
  return !path.isEmpty() && QFileInfo(path).isDir();
}

}  // namespace

QString FirstExistingFolder(const QString& last, const QString& pictures, const QString& home) {
  for (const QString& folder : {last, pictures}) {
    if (IsFolder(folder)) return folder;
  }
  return home;
}

QString LastFolder(FileKind kind) {
  const QString key = SettingsKey(kind);
  if (key.isEmpty()) return {};
  const QString folder = UserSettings()->value(key).toString();
  return IsFolder(folder) ? folder : QString();
}

QString StartFolder(FileKind kind) {
  // Qt names the pictures folder even where it does not exist; a dialog handed a missing
  // folder would type its last part in as the file name.
  return FirstExistingFolder(LastFolder(kind),
                             QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
                             QDir::homePath());
}

void RememberFolder(FileKind kind, const QString& chosenFile) {
  const QString key = SettingsKey(kind);
  if (key.isEmpty() || chosenFile.isEmpty()) return;
  UserSettings()->setValue(key, QFileInfo(chosenFile).absolutePath());
}

}  // namespace tavolo
