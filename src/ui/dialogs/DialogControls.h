// The pieces the option dialogs are built from, made alike in every dialog: the labels of
// DialogLabels, the colour swatches, the sliders and the "Close" button.
#pragma once

#include <QtGui/qrgb.h>
#include <QString>

#include "ui/base/DialogLabels.h"

class QComboBox;
class QHBoxLayout;
class QPushButton;
class QWidget;

namespace tavolo {

class ColourLine;
class Slider;

// A row of colour swatches of a size that keeps every swatch easy to hit.
ColourLine* MakeSwatches(QWidget* parent, int id);
// The colour of the swatch picked last, as the card keeps colours.
QRgb PickedColour(const ColourLine& swatches);
// A slider at least wide enough for fine steps.
Slider* MakeSlider(QWidget* parent, int id);
// The default button that ends the dialog with OK.
QPushButton* MakeCloseButton(QWidget* parent, int id);
// The choices of a text box's alignment across ("Left", "Center", "Right") and down ("Top",
// "Middle", "Bottom"), in the order of HorizontalAlign and VerticalAlign; down, a first
// choice `first` comes before them when given.
QComboBox* MakeHorizontalAlignment(QWidget* parent);
QComboBox* MakeVerticalAlignment(QWidget* parent, const QString& first = {});
// The button at the right end of a row.
QHBoxLayout* CloseButtonRow(QPushButton* close);

}  // namespace tavolo
