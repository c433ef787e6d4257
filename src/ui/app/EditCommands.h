// The commands that edit the card through the option dialogs of this folder, for the main
// window's handlers: Insert (Edit) Photo or Logo, the three colour commands and Card properties.
// Each takes the window that owns the dialog, the prompts that run it (and answer its questions),
// and the card preview, whose document is the card. It records one step when the user keeps the
// change and restores the card exactly otherwise; the document's change notification has it shown.
// Pausing the choosers is the caller's. True when a step was recorded.
#pragma once

#include <filesystem>

#include "core/card/PlacedPicture.h"
#include "core/editing/ColourTargets.h"

class QWidget;

namespace tavolo {

class CardPreview;
class Prompts;

// Insert (Edit) Photo or Logo, by the picture's kind; with `picture` (a file dropped on the card)
// the dialog opens with that picture loaded, and not at all when it cannot be.
bool PlacePicture(QWidget* owner, Prompts& prompts, CardPreview& preview, PictureKind kind,
                  const std::filesystem::path& picture = {});
bool EditColours(QWidget* owner, Prompts& prompts, CardPreview& preview, ColourTarget target);
bool EditCardProperties(QWidget* owner, Prompts& prompts, CardPreview& preview);

}  // namespace tavolo
