#include "ui/dialogs/BackgroundOptionsDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/base/CheckedCall.h"
#include "core/base/Translation.h"
#include "core/editing/StyleInputs.h"
#include "ui/controls/ColourLine.h"
#include "ui/controls/Slider.h"
#include "ui/dialogs/DialogControls.h"

namespace tavolo {

BackgroundOptionsDialog::BackgroundOptionsDialog(CardView& preview, QWidget* parent)
    : LiveEditDialog(preview, parent) {
  setWindowTitle(Tr("Background Options"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  form->setVerticalSpacing(12);
  layout->addLayout(form);

  shift_ = MakeSlider(this, kShiftSlider);
  scale_ = MakeSlider(this, kScaleSlider);
  orientation_ = new QComboBox(this);
  orientation_->setObjectName(ControlName(kOrientationList));
  orientation_->addItems(GradientOrientationChoices());
  colourSwatches_ = MakeSwatches(this, kColourLine);
  brightness_ = MakeSlider(this, kBrightnessSlider);
  form->addRow(MakeLabel(this, Tr("Background &Shift"), shift_), shift_);
  form->addRow(MakeLabel(this, Tr("Gradient S&cale"), scale_), scale_);
  form->addRow(MakeLabel(this, Tr("Gradient &Orientation"), orientation_), orientation_);
  form->addRow(MakeLabel(this, Tr("Background Co&lor"), colourSwatches_), colourSwatches_);
  form->addRow(MakeLabel(this, Tr("&Brightness"), brightness_), brightness_);
  close_ = MakeCloseButton(this, kCloseButton);
  layout->addSpacing(8);
  layout->addLayout(CloseButtonRow(close_));
  // Wide enough for the sliders to move in fine steps.
  setMinimumWidth(400);

  const CardState& card = Live();
  orientation_->setCurrentIndex(card.gradOrientation);
  shift_->SetPosition(card.bgShift);
  scale_->SetPosition(card.gradScale);
  brightness_->SetPosition(card.bgBrightness);
  // Connected only now: filling the controls above changes nothing.
  Connect();
  shift_->setFocus();
}

void BackgroundOptionsDialog::Connect() {
  connect(shift_, &Slider::clicked, this, [this] {
    const float shift = shift_->Position();
    ChangeLive([&](CardState& card) { card.bgShift = shift; });
  });
  connect(scale_, &Slider::clicked, this, [this] {
    const float scale = scale_->Position();
    ChangeLive([&](CardState& card) { card.gradScale = scale; });
  });
  connect(orientation_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!TAVOLO_CHECK_AS("m_or.GetCurSel() != (-1)", index != -1)) return;
    ChangeLive([&](CardState& card) { card.gradOrientation = index; });
  });
  connect(colourSwatches_, &ColourLine::clicked, this, [this] {
    const HslColour swatch = colourSwatches_->CurrentColour();
    const float brightness = SwatchBrightness(swatch);
    ChangeLive([&](CardState& card) {
      card.backgroundColour = swatch;
      card.bgBrightness = brightness;
    });
    brightness_->SetPosition(brightness);
  });
  connect(brightness_, &Slider::clicked, this, [this] {
    const float brightness = brightness_->Position();
    ChangeLive([&](CardState& card) { card.bgBrightness = brightness; });
  });
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace tavolo
