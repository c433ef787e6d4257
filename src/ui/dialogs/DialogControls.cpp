#include "ui/dialogs/DialogControls.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>

#include "core/base/ColourModel.h"
#include "core/base/Translation.h"
#include "ui/controls/ColourLine.h"
#include "ui/controls/Slider.h"

namespace tavolo {

namespace {

// 22 × 16 pixels per swatch (the height keeps two pixels below the rows).
constexpr QSize kSwatchesSize(154, 34);
constexpr int kSliderHeight = 14;
constexpr int kSliderMinimumWidth = 160;

}  // namespace

ColourLine* MakeSwatches(QWidget* parent, int id) {
  auto* swatches = new ColourLine(parent);
  swatches->setObjectName(ControlName(id));
  swatches->setFixedSize(kSwatchesSize);
  return swatches;
}

Slider* MakeSlider(QWidget* parent, int id) {
  auto* slider = new Slider(parent);
  slider->setObjectName(ControlName(id));
  slider->setFixedHeight(kSliderHeight);
  slider->setMinimumWidth(kSliderMinimumWidth);
  return slider;
}

QPushButton* MakeCloseButton(QWidget* parent, int id) {
  auto* close = new QPushButton(Tr("Close"), parent);
  close->setObjectName(ControlName(id));
  close->setDefault(true);
  close->setAutoDefault(true);
  return close;
}

QComboBox* MakeHorizontalAlignment(QWidget* parent) {
  auto* choices = new QComboBox(parent);
  choices->addItems({Tr("Left"), Tr("Center"), Tr("Right")});
  return choices;
}

QComboBox* MakeVerticalAlignment(QWidget* parent, const QString& first) {
  auto* choices = new QComboBox(parent);
  if (!first.isEmpty()) choices->addItem(first);
  choices->addItems({Tr("Top"), Tr("Middle"), Tr("Bottom")});
  return choices;
}

QHBoxLayout* CloseButtonRow(QPushButton* close) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(close);
  return row;
}

QRgb PickedColour(const ColourLine& swatches) {
  const ColourRef c = RgbToColourRef(HslToRgb(swatches.CurrentColour()));
  return qRgb(ColourRefRed(c), ColourRefGreen(c), ColourRefBlue(c));
}

}  // namespace tavolo
