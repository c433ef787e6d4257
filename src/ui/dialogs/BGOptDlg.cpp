#include "ui/dialogs/BGOptDlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/base/CheckedCall.h"
#include "core/card/StyleInputs.h"
#include "ui/controls/ColorLine.h"
#include "ui/controls/Slider.h"
#include "ui/dialogs/DialogControls.h"

namespace tavolo {

BGOptDlg::BGOptDlg(PreviewBtn& preview, QWidget* parent) : LiveEditDialog(preview, parent) {
  setWindowTitle(QStringLiteral("Background Options"));
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
  color_ = MakeSwatches(this, kColorLine);
  brightness_ = MakeSlider(this, kBrightnessSlider);
  form->addRow(MakeLabel(this, QStringLiteral("Background &Shift"), shift_), shift_);
  form->addRow(MakeLabel(this, QStringLiteral("Gradient S&cale"), scale_), scale_);
  form->addRow(MakeLabel(this, QStringLiteral("Gradient &Orientation"), orientation_),
               orientation_);
  form->addRow(MakeLabel(this, QStringLiteral("Background Co&lor"), color_), color_);
  form->addRow(MakeLabel(this, QStringLiteral("&Brightness"), brightness_), brightness_);
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

void BGOptDlg::Connect() {
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
  connect(color_, &ColorLine::clicked, this, [this] {
    const HslColor swatch = color_->CurrentColor();
    const float brightness = SwatchBrightness(swatch);
    ChangeLive([&](CardState& card) {
      card.bgColor = swatch;
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
