#include "ui/dialogs/LogoDialog.h"

#include <QGridLayout>
#include <QPushButton>

#include "ui/controls/PicturePreview.h"

namespace tavolo {

namespace {

constexpr int kRotateId = 1002;
constexpr float kQuarterTurn = 90.0f;

constexpr ImageOptionsDialog::Kind kLogoKind = {
    "Logo Options",  "&Load Logo", "Load Logo", ImageOptionsDialog::kLogoFilter,
    kLogoScaleRange, 1079,         1001,        1078,
};

}  // namespace

LogoDialog::LogoDialog(QImage cardPicture, const CardState& card, std::filesystem::path photoFolder,
                       Prompts& prompts, QWidget* parent)
    : ImageOptionsDialog(kLogoKind, std::move(cardPicture), card, std::move(photoFolder), prompts,
                         parent) {
  rotate_ = new QPushButton(QStringLiteral("&Rotate Clockwise"), this);
  rotate_->setObjectName(QString::number(kRotateId));
  rotate_->setAutoDefault(false);
  connect(rotate_, &QPushButton::clicked, this, &LogoDialog::RotateClockwise);
  ObjectControls().addWidget(rotate_, 0, 0, Qt::AlignLeft);

  Preview().SetLogo(StartingPlacement(card.logo));
}

const LogoPlacement& LogoDialog::Placement() const {
  return Preview().Logo();
}

bool LogoDialog::HoldsPicture() const {
  return Preview().HasLogo();
}

void LogoDialog::RotateClockwise() {
  LogoPlacement logo = Placement();
  logo.angle += kQuarterTurn;
  Preview().SetLogo(logo);
}

void LogoDialog::ShowPicture(RasterImage image) {
  Preview().SetLogoImage(std::move(image));
}

void LogoDialog::TakePicture(RasterImage image, const QString& name, const QString& path) {
  LogoPlacement logo = Placement();
  NamePicture(logo, image, name, path);
  logo.angle = 0.0f;
  logo.reduction = FitReduction(logo.width, logo.height, CardWidth(), CardHeight()).value_or(0.0f);
  ShowScale(logo.reduction);
  logo.x = CardWidth() / 2;
  logo.y = CardHeight() / 2;
  Preview().SetLogoImage(std::move(image));
  Preview().SetLogo(logo);
}

void LogoDialog::ReductionEdited(float reduction) {
  LogoPlacement logo = Placement();
  logo.reduction = reduction;
  Preview().SetLogo(logo);
}

void LogoDialog::EnableObjectControls(bool enabled) {
  if (rotate_ != nullptr) rotate_->setEnabled(enabled);
}

}  // namespace tavolo
