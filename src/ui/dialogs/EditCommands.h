// The commands that edit the card through the option dialogs of this folder, one function each,
// for the main window's handlers: Insert (Edit) Photo and Logo, the three colour commands and
// Card properties. Each takes the window that owns the dialog, the prompts that run it (and
// answer its questions), and the card preview, whose document is the card. It records one step
// when the user keeps the change, restores the card exactly otherwise, and redraws the preview.
// Pausing the choosers and refreshing the menus are the caller's. True when a step was recorded.
#pragma once

#include "core/card/ColourTargets.h"

class QWidget;

namespace tavolo {

class CardPreview;
class Prompts;

bool InsertPhoto(QWidget* owner, Prompts& prompts, CardPreview& preview);
bool InsertLogo(QWidget* owner, Prompts& prompts, CardPreview& preview);
bool EditColours(QWidget* owner, Prompts& prompts, CardPreview& preview, ColourTarget target);
bool EditCardProperties(QWidget* owner, Prompts& prompts, CardPreview& preview);

}  // namespace tavolo
