// The application's icon: a business card with a few lines of text on it, drawn at the sizes
// the window system asks for.
#pragma once

#include <QIcon>

namespace tavolo {

QIcon AppIcon();

}  // namespace tavolo
