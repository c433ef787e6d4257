#include "core/card/CardState.h"

namespace tavolo {

void ResetForBlankProject(CardState& state) {
  for (TextBoxStyle& style : state.styles) {
    style.size = QStringLiteral("36");
    style.face = QStringLiteral("Arial");
    style.style = QStringLiteral("Regular");
    style.textColour = {0.0f, 0.0f, 0.0f};
    style.fillColour = {0.0f, 240.0f, 240.0f};
    style.frameMode = kFrameNone;
    style.frameSize = 8;
    style.reserved = 0;
    style.opacity = 0.0f;
    style.brightness = 0.0f;
  }
  state.bgShift = 0.0f;
  state.gradScale = 0.0f;
  state.gradOrientation = kGradTopToBottom;
  state.backgroundColour = {0.0f, 240.0f, 240.0f};
  state.bgBrightness = 1.0f;
}

}  // namespace tavolo
