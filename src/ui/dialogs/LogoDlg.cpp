#include "ui/dialogs/LogoDlg.h"

#include <QGridLayout>
#include <QPushButton>

#include "ui/controls/ImgPrvBtn.h"

namespace tavolo {

namespace {

constexpr int kRotateId = 1002;
constexpr float kQuarterTurn = 90.0f;

constexpr ImageOptionsDlg::Kind kLogoKind = {
    "Logo Options",  "&Load Logo", "Load Logo", kFormatPng,
    kLogoScaleRange, 1079,         1001,        1078,
};

}  // namespace

LogoDlg::LogoDlg(QImage cardPicture, const CardState& card, std::filesystem::path photoFolder,
                 Prompts& prompts, QWidget* parent)
    : ImageOptionsDlg(kLogoKind, std::move(cardPicture), card, std::move(photoFolder), prompts,
                      parent) {
  rotate_ = new QPushButton(QStringLiteral("&Rotate Clockwise"), this);
  rotate_->setObjectName(QString::number(kRotateId));
  rotate_->setAutoDefault(false);
  connect(rotate_, &QPushButton::clicked, this, &LogoDlg::RotateClockwise);
  ObjectControls().addWidget(rotate_, 0, 0, Qt::AlignLeft);

  Preview().SetLogo(StartingPlacement(card.logo));
}

const LogoPlacement& LogoDlg::Placement() const {
  return Preview().Logo();
}

bool LogoDlg::HoldsPicture() const {
  return Preview().HasLogo();
}

void LogoDlg::RotateClockwise() {
  LogoPlacement logo = Placement();
  logo.angle += kQuarterTurn;
  Preview().SetLogo(logo);
}

void LogoDlg::ShowPicture(RasterImage image) {
  Preview().SetLogoImage(std::move(image));
}

void LogoDlg::TakePicture(RasterImage image, const QString& name, const QString& path) {
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

void LogoDlg::ReductionEdited(float reduction) {
  LogoPlacement logo = Placement();
  logo.reduction = reduction;
  Preview().SetLogo(logo);
}

void LogoDlg::EnableObjectControls(bool enabled) {
  if (rotate_ != nullptr) rotate_->setEnabled(enabled);
}

}  // namespace tavolo
