#include "ui/dialogs/ColourDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/base/Translation.h"
#include "ui/base/OkCancelButtons.h"
#include "ui/controls/ColourButton.h"
#include "ui/controls/HueLightnessPicker.h"
#include "ui/controls/HueSlider.h"
#include "ui/controls/SaturationLightnessSquare.h"

namespace tavolo {

namespace {

constexpr int kOkId = 1036;
constexpr float kHueScale = 239.0f;
constexpr float kLevelScale = 240.0f;

constexpr QSize kSquareSize(256, 200);
constexpr QSize kHueSize(256, 22);
// 17 × 13 swatches of 14 × 14 pixels and the two-pixel edge.
constexpr QSize kPaletteSize(17 * 14 + 2, 13 * 14 + 2);
constexpr QSize kSwatchSize(48, 26);
constexpr int kChannelWidth = 44;
constexpr int kChannelDigits = 5;

struct ChannelControl {
  int id;
  const char* label;
};
constexpr std::array<ChannelControl, 3> kChannelControls = {{
    {1008, "&R:"},
    {1010, "&G:"},
    {1012, "&B:"},
}};

}  // namespace

ColourDialog::ColourDialog(CardView& preview, ColourTarget target, QWidget* parent)
    : LiveEditDialog(preview, parent),
      target_(target),
      current_(StartingColour(target, Snapshot())) {
  const QString name = ColourTargetName(target_);

  selector_ = new QComboBox(this);
  selector_->setObjectName(QStringLiteral("1003"));
  auto* selectorLabel = new QLabel(Tr("Object:"), this);
  square_ = new SaturationLightnessSquare(this);
  square_->setObjectName(QStringLiteral("1004"));
  square_->setFixedSize(kSquareSize);
  square_->setToolTip(Tr("Saturation (across) and lightness (down)"));
  hue_ = new HueSlider(this);
  hue_->setObjectName(QStringLiteral("1006"));
  hue_->setFixedSize(kHueSize);
  hue_->setToolTip(Tr("Hue"));
  palette_ = new HueLightnessPicker(this);
  palette_->setObjectName(QStringLiteral("1011"));
  palette_->setFixedSize(kPaletteSize);
  palette_->SetCurrentColour(current_);
  swatch_ = new ColourButton(this);
  swatch_->setObjectName(QStringLiteral("1007"));
  swatch_->setFixedSize(kSwatchSize);
  swatch_->setFocusPolicy(Qt::NoFocus);

  auto* numbers = new QHBoxLayout;
  numbers->addWidget(swatch_);
  numbers->addSpacing(8);
  const auto* digitsOnly =
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
  for (size_t c = 0; c < channels_.size(); ++c) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::number(kChannelControls[c].id));
    edit->setValidator(digitsOnly);
    edit->setMaxLength(kChannelDigits);
    edit->setFixedWidth(kChannelWidth);
    auto* label = new QLabel(QString::fromUtf8(kChannelControls[c].label), this);
    label->setBuddy(edit);
    numbers->addWidget(label);
    numbers->addWidget(edit);
    channels_[c] = edit;
  }
  numbers->addStretch();

  AddOkCancel(*this, *numbers, Tr("Ok"), kOkId);

  auto* top = new QHBoxLayout;
  top->addWidget(selectorLabel);
  top->addWidget(selector_, 1);
  auto* pickers = new QGridLayout;
  pickers->addWidget(square_, 0, 0);
  pickers->addWidget(hue_, 1, 0);
  pickers->addWidget(palette_, 0, 1, 2, 1, Qt::AlignTop);
  pickers->setHorizontalSpacing(12);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(pickers);
  layout->addLayout(numbers);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setTabOrder(square_, hue_);
  setTabOrder(hue_, palette_);
  setTabOrder(palette_, channels_[0]);

  connect(square_, &SaturationLightnessSquare::clicked, this, &ColourDialog::SquareMoved);
  connect(hue_, &HueSlider::clicked, this, &ColourDialog::HueMoved);
  connect(palette_, &HueLightnessPicker::clicked, this, &ColourDialog::SwatchPicked);

  // The dialog starts on the card's own colour and writes nothing until the user picks one.
  selector_->addItem(name);
  selector_->setCurrentIndex(0);
  selector_->setEnabled(false);
  setWindowTitle(Tr("Color Options: '%1'").arg(name));
  ShowOnPickers();
  ShowNumbers(true);
  connect(&timer_, &QTimer::timeout, this, &ColourDialog::Tick);
  timer_.start(kTickMs);
  square_->setFocus();
}

void ColourDialog::SquareMoved() {
  current_.s = square_->Saturation() * kLevelScale;
  current_.l = square_->Lightness() * kLevelScale;
  hue_->SetPosition(current_.h / kHueScale);
  ShowNumbers(true);
  UpdateLogo();
}

void ColourDialog::HueMoved() {
  current_.h = hue_->Position() * kHueScale;
  ShowOnPickers();
  ShowNumbers(true);
  UpdateLogo();
}

void ColourDialog::SwatchPicked() {
  current_ = palette_->CurrentColour();
  ShowOnPickers();
  ShowNumbers(true);
  UpdateLogo();
}

void ColourDialog::Tick() {
  RgbNumbers typed{};
  for (size_t c = 0; c < channels_.size(); ++c) {
    const ChannelReading read = ReadChannel(channels_[c]->text());
    if (read.clamped) channels_[c]->setText(QString::number(kMaxChannel));
    typed[c] = read.value;
  }
  if (typed == shown_) return;
  current_ = ColourOfNumbers(typed);
  ShowOnPickers();
  ShowNumbers(false);
  UpdateLogo();
}

void ColourDialog::ShowOnPickers() {
  hue_->SetPosition(current_.h / kHueScale);
  square_->SetSaturation(current_.s / kLevelScale);
  square_->SetLightness(current_.l / kLevelScale);
  square_->SetHue(current_.h / kHueScale);
}

void ColourDialog::ShowNumbers(bool writeEdits) {
  swatch_->SetColour(RgbToColourRef(HslToRgb(current_)));
  shown_ = ShownRgb(current_);
  if (!writeEdits) return;
  for (size_t c = 0; c < channels_.size(); ++c) {
    const QSignalBlocker blocker(channels_[c]);
    channels_[c]->setText(QString::number(shown_[c]));
  }
}

void ColourDialog::UpdateLogo() {
  const int usedBoxes = Document().Layout().BoxCount();
  ChangeLive([&](CardState& live) { ApplyColour(live, target_, current_, usedBoxes); });
}

void ColourDialog::done(int result) {
  // The timer stops at the first close, so a later close reads nothing more.
  if (result == QDialog::Accepted && timer_.isActive()) Tick();
  timer_.stop();
  LiveEditDialog::done(result);
}

}  // namespace tavolo
