#include "core/base/UserName.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace tavolo {

QString UserDisplayName() {
  if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr) {
    const QString gecos =
        entry->pw_gecos != nullptr ? QString::fromUtf8(entry->pw_gecos) : QString();
    const QString fullName = gecos.section(u',', 0, 0).trimmed();
    if (!fullName.isEmpty()) return fullName;
    if (entry->pw_name != nullptr && entry->pw_name[0] != '\0') {
      return QString::fromUtf8(entry->pw_name);
    }
  }
  return QString::fromLocal8Bit(std::getenv("USER")).trimmed();
}

}  // namespace tavolo
