// libFuzzer target for SVG logos: the bytes are checked as a logo file's text is, and a drawing
// that passes is measured and painted small. Nothing may fault, hang (a named file is never
// opened) or take longer than a logo may; the painter only ever sees the checked text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QByteArray>
#include <QGuiApplication>
#include <QSvgRenderer>

#include "FuzzRequire.h"
#include "core/imaging/RasterImage.h"
#include "core/pictures/SvgCostMeter.h"
#include "core/pictures/SvgRaster.h"
#include "core/pictures/SvgTextCheck.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QGuiApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace tavolo;
  const tavolo::Outcome<CheckedSvg> checked =
      CheckSvgText(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  if (!checked) {
    Require(!checked.Message().empty());
    return 0;
  }
  // What the check wrote is checked again without change but for pictures made anew.
  Require(CheckSvgText(checked.Value().text).Ok());
  QSvgRenderer renderer(checked.Value().text);
  if (!renderer.isValid()) return 0;
  uint64_t budget = kMaxSvgPaintCost;
  RasterImage pixels;
  if (RasterizeSvg(renderer, QSize(48, 32), budget, pixels)) {
    Require(pixels.GetWidth() == 48 && pixels.GetHeight() == 32 && pixels.HasAlpha());
  }
  return 0;
}
