// The Recent Projects list of the File menu: the projects last loaded or saved, newest first,
// kept in the user's settings.
#pragma once

#include <QStringList>

namespace tavolo {

inline constexpr int kMaxRecentProjects = 8;

QStringList RecentProjects();
// `file` moves to the front (listed once); the list keeps the newest kMaxRecentProjects.
void AddRecentProject(const QString& file);
void RemoveRecentProject(const QString& file);

}  // namespace tavolo
