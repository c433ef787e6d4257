#include "ui/dialogs/PhotoDialog.h"

#include <algorithm>

#include <QGridLayout>
#include <QLabel>

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
    {1057, "Trim &left"},
    {1001, "Trim &right"},
    {1002, "Trim &top"},
    {1003, "Trim &bottom"},
}};
constexpr int kSliderHeight = 14;
constexpr int kSliderWidth = 170;

float& TrimOf(PhotoPlacement& photo, PhotoDialog::Trim trim) {
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

constexpr ImageOptionsDialog::Kind kPhotoKind = {
    "Photo Options",  "Load &Photo", "Load Photo", ImageOptionsDialog::kPhotoFilter,
    kPhotoScaleRange, 1058,          1056,         1004,
};

}  // namespace

PhotoDialog::PhotoDialog(QImage cardPicture, const CardState& card,
                         std::filesystem::path photoFolder, Prompts& prompts, QWidget* parent)
    : ImageOptionsDialog(kPhotoKind, std::move(cardPicture), card, std::move(photoFolder), prompts,
                         parent) {
  for (int t = 0; t < static_cast<int>(trims_.size()); ++t) {
    auto* slider = new Slider(this);
    slider->setObjectName(QString::number(kTrimControls[t].id));
    slider->setFixedSize(kSliderWidth, kSliderHeight);
    auto* label = new QLabel(QString::fromUtf8(kTrimControls[t].label), this);
    label->setBuddy(slider);
    ObjectControls().addWidget(label, t / 2, (t % 2) * 2);
    ObjectControls().addWidget(slider, t / 2, (t % 2) * 2 + 1);
    connect(slider, &Slider::clicked, this, [this, t] { TrimMoved(static_cast<Trim>(t)); });
    trims_[t] = slider;
  }
  ObjectControls().setColumnStretch(1, 1);
  ObjectControls().setColumnStretch(3, 1);

  Preview().SetPhoto(StartingPlacement(card.photo));
  ShowTrims();
}

const PhotoPlacement& PhotoDialog::Placement() const {
  return Preview().Photo();
}

bool PhotoDialog::HoldsPicture() const {
  return Preview().HasPhoto();
}

void PhotoDialog::ShowPicture(RasterImage image) {
  Preview().SetPhotoImage(std::move(image));
}

void PhotoDialog::TakePicture(RasterImage image, const QString& name, const QString& path) {
  PhotoPlacement photo = Placement();
  NamePicture(photo, image, name, path);
  photo.trimLeft = photo.trimTop = photo.trimBottom = photo.trimRight = 0.0f;
  // A photo that fits keeps the size the last one had.
  if (const auto fit = FitReduction(photo.width, photo.height, CardWidth(), CardHeight())) {
    photo.reduction = *fit;
    ShowScale(photo.reduction);
  }
  photo.x = CardWidth() / 2;
  photo.y = CardHeight() / 2;
  Preview().SetPhotoImage(std::move(image));
  Preview().SetPhoto(photo);
  ShowTrims();
}

void PhotoDialog::ReductionEdited(float reduction) {
  PhotoPlacement photo = Placement();
  photo.reduction = reduction;
  Preview().SetPhoto(photo);
}

void PhotoDialog::EnableObjectControls(bool enabled) {
  for (Slider* slider : trims_) {
    if (slider != nullptr) slider->setEnabled(enabled);
  }
}

void PhotoDialog::TrimMoved(Trim trim) {
  PhotoPlacement photo = Placement();
  TrimOf(photo, trim) = trims_[trim]->Position();
  Preview().SetPhoto(photo);
}

void PhotoDialog::ShowTrims() {
  PhotoPlacement photo = Placement();
  for (int t = 0; t < static_cast<int>(trims_.size()); ++t) {
    trims_[t]->SetPosition(std::clamp(TrimOf(photo, static_cast<Trim>(t)), 0.0f, 1.0f));
  }
}

}  // namespace tavolo
