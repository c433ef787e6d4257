// The one rule for the names of a card's photo and logo, which are files inside the photo folder:
// a name is a plain file name, which can reach nothing outside that folder.
#pragma once

#include <QString>

namespace tavolo {

// Not empty, no "/" or "\", no NUL, and not "." or "..". An empty name is no file (a card
// without a photo stores one); names such as "a..b.jpg" are files like any other.
bool IsPlainFileName(const QString& name);

}  // namespace tavolo
