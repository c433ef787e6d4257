#include "ui/dialogs/PhotoDialog.h"

#include <algorithm>

#include <QGridLayout>
#include <QLabel>

#include "core/base/Translation.h"
#include "ui/controls/PicturePreview.h"
#include "ui/controls/Slider.h"

namespace tavolo {

namespace {

struct TrimControl {
  int id;
  const char* label;
};
// Left and right on the first row, top and bottom on the second.
constexpr std::array<TrimControl, 4> kTrimControls = {{
    {1057, QT_TRANSLATE_NOOP("Tavolo", "Trim &left")},
    {1001, QT_TRANSLATE_NOOP("Tavolo", "Trim &right")},
    {1002, QT_TRANSLATE_NOOP("Tavolo", "Trim &top")},
    {1003, QT_TRANSLATE_NOOP("Tavolo", "Trim &bottom")},
}};
constexpr int kSliderHeight = 14;
constexpr int kSliderWidth = 170;

float& TrimOf(PlacedPicture& photo, PhotoDialog::Trim trim) {
  switch (trim) {
    case PhotoDialog::kTrimLeft:
      return photo.trimLeft;
    case PhotoDialog::kTrimRight:
      return photo.trimRight;
    case PhotoDialog::kTrimTop:
      return photo.trimTop;
    case PhotoDialog::kTrimBottom:
      break;
  }
  return photo.trimBottom;
}

constexpr ImageOptionsDialog::Kind kPhotoKind = {PictureKind::kPhoto,
                                                 QT_TRANSLATE_NOOP("Tavolo", "Photo Options"),
                                                 QT_TRANSLATE_NOOP("Tavolo", "Load &Photo"),
                                                 QT_TRANSLATE_NOOP("Tavolo", "Load Photo"),
                                                 kFormatJpeg,
                                                 kPhotoScaleRange,
                                                 1058,
                                                 1056,
                                                 1004};

}  // namespace

PhotoDialog::PhotoDialog(QImage cardPicture, const CardState& card, DataFolder photoFolder,
                         Prompts& prompts, QWidget* parent)
    : ImageOptionsDialog(kPhotoKind, std::move(cardPicture), card, std::move(photoFolder), prompts,
                         parent) {
  for (int t = 0; t < static_cast<int>(trims_.size()); ++t) {
    auto* slider = new Slider(this);
    slider->setObjectName(QString::number(kTrimControls[t].id));
    slider->setFixedSize(kSliderWidth, kSliderHeight);
    auto* label = new QLabel(Tr(kTrimControls[t].label), this);
    label->setBuddy(slider);
    ObjectControls().addWidget(label, t / 2, (t % 2) * 2);
    ObjectControls().addWidget(slider, t / 2, (t % 2) * 2 + 1);
    connect(slider, &Slider::clicked, this, [this, t] { TrimMoved(static_cast<Trim>(t)); });
    trims_[t] = slider;
  }
  ObjectControls().setColumnStretch(1, 1);
  ObjectControls().setColumnStretch(3, 1);

  Start(card);
}

void PhotoDialog::EnableObjectControls(bool enabled) {
  for (Slider* slider : trims_) {
    if (slider != nullptr) slider->setEnabled(enabled);
  }
}

void PhotoDialog::TrimMoved(Trim trim) {
  PlacedPicture photo = Placement();
  TrimOf(photo, trim) = trims_[trim]->Position();
  Preview().SetPicture(photo);
}

void PhotoDialog::ShowObjectControls() {
  PlacedPicture photo = Placement();
  for (int t = 0; t < static_cast<int>(trims_.size()); ++t) {
    trims_[t]->SetPosition(std::clamp(TrimOf(photo, static_cast<Trim>(t)), 0.0f, 1.0f));
  }
}

}  // namespace tavolo
