// The labels and names every dialog's controls share: a control's object name is its id in
// decimal, so tests find it by the dialog's own control id; labels lead the keyboard to their
// control; warnings stand out.
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace tavolo {

QString ControlName(int id);

// A label whose mnemonic (the letter after "&") moves the focus to `buddy`.
QLabel* MakeLabel(QWidget* parent, const QString& text, QWidget* buddy);

// A label for what needs the user's attention (a refused value, a job that cannot print): words
// wrapped, in a warning red.
QLabel* MakeWarningLabel(QWidget* parent);

}  // namespace tavolo
