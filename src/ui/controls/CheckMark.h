// The mark on the current background in the background chooser: a green disc with a white tick
// and a thin dark rim, transparent around it, drawn once.
#pragma once

#include <QImage>

namespace tavolo {

inline constexpr int kCheckMarkSize = 60;

// 60 x 60, Format_ARGB32_Premultiplied.
const QImage& CheckMarkPicture();

}  // namespace tavolo
