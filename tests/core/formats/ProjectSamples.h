// Cards and background tables shared by the project-file tests and the command-line tests.
#pragma once

#include <initializer_list>
#include <limits>
#include <tuple>

#include "core/card/BackgroundTable.h"
#include "core/card/CardState.h"

namespace tavolo::test {

// A table of backgrounds with these names and no pictures.
inline BackgroundTable Table(std::initializer_list<const char*> names) {
  BackgroundTable table;
  for (const char* name : names) table.Append(MakeBackgroundName(name), RasterImage(), 0.0f);
  return table;
}

// A state with a different, unusual value in every stored field.
inline CardState UnusualState() {
  CardState s;
  float next = 1.5f;
  for (int b = 0; b < kTextBoxCount; ++b) {
    TextBoxStyle& st = s.styles[b];
    st.size = QString::number(10 + b);
    st.face = QStringLiteral("Face ") + QString::number(b);
    st.style = b % 2 ? QStringLiteral("Bold Italic") : QStringLiteral("Italic");
    st.textColour = {next++, next++, next++};
    st.frameColour = {next++, next++, next++};
    std::tie(st.frameMode, st.frameSize, st.reserved) = std::tuple(b, -b - 7, 0x12345678 + b);
    st.opacity = next++;
    st.brightness = next++;
    s.lines[b].count = b * 4;
    for (int i = 0; i < s.lines[b].count; ++i) {
      s.lines[b].line[i] = QStringLiteral("box %1 line %2").arg(b).arg(i);
    }
  }
  s.lines[4].count = kMaxLinesPerBox;
  for (int i = 16; i < 20; ++i) s.lines[4].line[i] = QStringLiteral("end %1").arg(i);
  s.lines[2].line[3] = QString();  // an empty line
  using Limits = std::numeric_limits<float>;
  std::tie(s.boxCount, s.bgShift, s.gradScale, s.gradOrientation, s.backgroundColour,
           s.bgBrightness) =
      std::tuple(4, -0.0f, Limits::denorm_min(), 3, HslColour{239.0f, Limits::max(), -1e-30f},
                 Limits::infinity());
  PlacedPicture& p = s.photo;
  std::tie(p.width, p.height, p.x, p.y, p.trimLeft, p.trimTop, p.trimBottom, p.trimRight,
           p.reduction, p.name, p.path) =
      std::tuple(1.0f, 2.0f, 3.0f, 4.0f, 0.1f, 0.2f, 0.3f, 0.4f, -0.5f, "me.jpg", "/x/me.jpg");
  PlacedPicture& l = s.logo;
  std::tie(l.width, l.height, l.x, l.y, l.reduction, l.angle, l.name, l.path) =
      std::tuple(5.0f, 6.0f, 7.0f, 8.0f, 0.25f, -90.0f, "logo.png", "/x/logo.png");
  std::tie(s.cardHeight, s.cardWidth, s.widthUnit, s.heightUnit, s.dpi) =
      std::tuple(600.25f, 1000.125f, 1, 2, 600);
  std::tie(s.hueShift, s.satShift, s.lightShift, s.layoutIndex, s.backgroundIndex) =
      std::tuple(-0.375f, 0.0625f, -Limits::denorm_min(), 9, 2);
  return s;
}

}  // namespace tavolo::test
