#include "ui/dialogs/LogoDialog.h"

#include <QGridLayout>
#include <QPushButton>

#include "core/base/Translation.h"
#include "ui/controls/PicturePreview.h"

namespace tavolo {

namespace {

constexpr int kRotateId = 1002;
constexpr float kQuarterTurn = 90.0f;

constexpr ImageOptionsDialog::Kind kLogoKind = {PictureKind::kLogo,
                                                QT_TRANSLATE_NOOP("Tavolo", "Logo Options"),
                                                QT_TRANSLATE_NOOP("Tavolo", "&Load Logo"),
                                                QT_TRANSLATE_NOOP("Tavolo", "Load Logo"),
                                                kFormatPng,
                                                kLogoScaleRange,
                                                1079,
                                                1001,
                                                1078};

}  // namespace

LogoDialog::LogoDialog(QImage cardPicture, const CardState& card, DataFolder photoFolder,
                       Prompts& prompts, QWidget* parent)
    : ImageOptionsDialog(kLogoKind, std::move(cardPicture), card, std::move(photoFolder), prompts,
                         parent) {
  rotate_ = new QPushButton(Tr("&Rotate Clockwise"), this);
  rotate_->setObjectName(QString::number(kRotateId));
  rotate_->setAutoDefault(false);
  connect(rotate_, &QPushButton::clicked, this, &LogoDialog::RotateClockwise);
  ObjectControls().addWidget(rotate_, 0, 0, Qt::AlignLeft);

  Start(card);
}

void LogoDialog::RotateClockwise() {
  PlacedPicture logo = Placement();
  logo.angle += kQuarterTurn;
  Preview().SetPicture(logo);
}

void LogoDialog::EnableObjectControls(bool enabled) {
  if (rotate_ != nullptr) rotate_->setEnabled(enabled);
}

}  // namespace tavolo
