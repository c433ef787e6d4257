// The user's name as the system's account gives it, for what the user made under it (the sheet
// products saved from the print dialog).
#pragma once

#include <QString>

namespace tavolo {

// The full name of the account (the first field of its GECOS entry), else its login name, else
// $USER; empty when none is known.
QString UserDisplayName();

}  // namespace tavolo
