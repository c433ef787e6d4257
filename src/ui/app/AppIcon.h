// The application's icon: a business card with a few lines of text on it, drawn at the sizes
// the window system asks for.
#pragma once

#include <QIcon>
#include <QImage>

namespace tavolo {

QIcon AppIcon();
// The icon at `size` × `size` pixels; the build draws the installed icons with it too.
QImage DrawAppIcon(int size);

}  // namespace tavolo
