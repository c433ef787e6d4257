// The eyedropper cursor of the colour swatches: 32 x 32, its hot spot at the tip.
#pragma once

#include <QCursor>

namespace tavolo {

inline constexpr int kEyedropperHotX = 11;
inline constexpr int kEyedropperHotY = 20;

// Loaded from the resources on first use (checked as "m_hCursor!=0").
const QCursor& EyedropperCursor();

}  // namespace tavolo
