// The user's settings of the program (recent projects, last folders), in the user's config
// folder ($XDG_CONFIG_HOME/tavolo/tavolo.conf).
#pragma once

#include <QSettings>
#include <memory>

namespace tavolo {

std::unique_ptr<QSettings> UserSettings();

}  // namespace tavolo
