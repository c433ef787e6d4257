// The commands that edit the card through the option dialogs of this folder, one function each,
// for the main window's handlers: Insert (Edit) Photo and Logo, the three colour commands and
// Card properties. Each takes the window that owns the dialog and the card preview (its document
// is the card), runs the dialog through `run`, records one step when the user keeps the change
// and restores the card exactly otherwise, and redraws the preview. Pausing the choosers and
// refreshing the menus are the caller's. True when a step was recorded.
#pragma once

#include <functional>

#include "core/card/ColourTargets.h"

class QDialog;
class QWidget;

namespace tavolo {

class PreviewBtn;

// Runs a modal dialog and answers its result; the application runs it with exec().
using DialogRunner = std::function<int(QDialog&)>;
int RunModally(QDialog& dialog);

bool InsertPhoto(QWidget* owner, PreviewBtn& preview, const DialogRunner& run = RunModally);
bool InsertLogo(QWidget* owner, PreviewBtn& preview, const DialogRunner& run = RunModally);
bool EditColours(QWidget* owner, PreviewBtn& preview, ColourTarget target,
                 const DialogRunner& run = RunModally);
bool EditCardProperties(QWidget* owner, PreviewBtn& preview, const DialogRunner& run = RunModally);

}  // namespace tavolo
