#include "ui/base/RecentProjects.h"

#include <QFileInfo>

#include "ui/base/UserSettings.h"

namespace tavolo {

namespace {

const QString kKey = QStringLiteral("recentProjects");

void Store(const QStringList& files) {
  UserSettings()->setValue(kKey, files);
}

}  // namespace

QStringList RecentProjects() {
  QStringList files = UserSettings()->value(kKey).toStringList();
  if (files.size() > kMaxRecentProjects) files.resize(kMaxRecentProjects);
  return files;
}

void AddRecentProject(const QString& file) {
  const QString absolute = QFileInfo(file).absoluteFilePath();
  QStringList files = RecentProjects();
  files.removeAll(absolute);
  files.prepend(absolute);
  if (files.size() > kMaxRecentProjects) files.resize(kMaxRecentProjects);
  Store(files);
}

void RemoveRecentProject(const QString& file) {
  QStringList files = RecentProjects();
  files.removeAll(file);
  Store(files);
}

}  // namespace tavolo
