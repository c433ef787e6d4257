// The pieces the option dialogs are built from, made alike in every dialog: labels that lead the
// keyboard to their control, the colour swatches, the sliders and the "Close" button. A control's
// object name is its id in decimal, so tests find it by the dialog's own control id.
#pragma once

#include <QString>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace tavolo {

class ColourLine;
class Slider;

QString ControlName(int id);

// A label whose mnemonic (the letter after "&") moves the focus to `buddy`.
QLabel* MakeLabel(QWidget* parent, const QString& text, QWidget* buddy);
// A row of colour swatches of a size that keeps every swatch easy to hit.
ColourLine* MakeSwatches(QWidget* parent, int id);
// A slider at least wide enough for fine steps.
Slider* MakeSlider(QWidget* parent, int id);
// The default button that ends the dialog with OK.
QPushButton* MakeCloseButton(QWidget* parent, int id);
// The button at the right end of a row.
QHBoxLayout* CloseButtonRow(QPushButton* close);

}  // namespace tavolo
