#include "ui/dialogs/ImageOptionsDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/bridge/ImageBridge.h"
#include "core/card/CardLimits.h"
#include "core/card/CardRenderer.h"
#include "core/card/CardSize.h"
#include "core/card/PlainFileName.h"
#include "core/formats/ImageFileTypes.h"
#include "core/library/PhotoFolder.h"
#include "ui/base/OkCancelButtons.h"
#include "ui/base/Prompts.h"
#include "ui/controls/PicturePreview.h"
#include "ui/controls/PicturePreviewGeometry.h"
#include "ui/dialogs/ScaleBox.h"

namespace tavolo {

namespace {

constexpr int kPreviewId = 1000;
constexpr int kScaleBoxWidth = 70;

QString Quoted(const std::filesystem::path& file) {
  return QStringLiteral("\"%1\"").arg(QString::fromStdString(file.string()));
}

}  // namespace

ImageOptionsDialog::ImageOptionsDialog(const Kind& kind, QImage cardPicture, const CardState& card,
                                       std::filesystem::path photoFolder, Prompts& prompts,
                                       QWidget* parent)
    : QDialog(parent),
      kind_(kind),
      photoFolder_(std::move(photoFolder)),
      prompts_(prompts),
      cardWidth_(card.cardWidth),
      cardHeight_(card.cardHeight) {
  setWindowTitle(QString::fromUtf8(kind_.title));

  auto* caption = new QLabel(QStringLiteral("Draft Card Preview"), this);
  preview_ = new PicturePreview(this);
  preview_->setObjectName(QString::number(kPreviewId));
  preview_->setFixedSize(DraftPreviewSize(card.cardWidth, card.cardHeight));
  preview_->setToolTip(
      QStringLiteral("Drag the picture into place, or move it with the arrow keys"));
  caption->setBuddy(preview_);
  // Placements are in the card's pixels, whatever size the picture was drawn at.
  const bool usable = UsableCardSide(cardWidth_) && UsableCardSide(cardHeight_);
  const QSizeF cardSize = usable ? QSizeF(cardWidth_, cardHeight_) : QSizeF(cardPicture.size());
  preview_->SetCardPicture(std::move(cardPicture), cardSize);

  path_ = new QLineEdit(this);
  path_->setObjectName(QString::number(kind_.pathId));
  path_->setReadOnly(true);
  auto* pathLabel = new QLabel(QStringLiteral("P&ath:"), this);
  pathLabel->setBuddy(path_);
  load_ = new QPushButton(QString::fromUtf8(kind_.loadText), this);
  load_->setObjectName(QString::number(kind_.loadId));
  load_->setAutoDefault(false);
  connect(load_, &QPushButton::clicked, this, &ImageOptionsDialog::ChoosePicture);

  objectControls_ = new QGridLayout;

  scale_ = new ScaleBox(this);
  scale_->setObjectName(QString::number(kind_.scaleId));
  scale_->setFixedWidth(kScaleBoxWidth);
  scale_->SetMaximum(kind_.scaleRange.high);
  auto* scaleLabel = new QLabel(QStringLiteral("&Scale:"), this);
  scaleLabel->setBuddy(scale_);
  connect(scale_, &ScaleBox::percentEdited, this,
          [this](int percent) { ReductionEdited(ReductionForPercent(percent)); });

  auto* pathRow = new QHBoxLayout;
  pathRow->addWidget(pathLabel);
  pathRow->addWidget(path_, 1);
  pathRow->addWidget(load_);
  auto* scaleRow = new QHBoxLayout;
  scaleRow->addWidget(scaleLabel);
  scaleRow->addWidget(scale_);
  scaleRow->addWidget(new QLabel(QStringLiteral("%"), this));
  scaleRow->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  AddOkCancel(*this, *buttons);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(caption);
  layout->addWidget(preview_);
  layout->addSpacing(4);
  layout->addLayout(pathRow);
  layout->addLayout(objectControls_);
  layout->addLayout(scaleRow);
  layout->addSpacing(4);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString ImageOptionsDialog::ShownPath() const {
  return path_->text();
}

void ImageOptionsDialog::ShowPath(const QString& path) {
  path_->setText(path);
  // A long path shows its start; the whole of it is a hover away.
  path_->setToolTip(path);
}

void ImageOptionsDialog::ShowPlacement(const QString& name, const QString& path, float& reduction) {
  preview_->SetReady(true);
  ScaleBox& scale = *scale_;
  if (path.isEmpty()) {
    EnableSizeControls(false);
    EnableObjectControls(false);
    scale.ShowPercent(kFullSizePercent);
    reduction = ReductionForPercent(kFullSizePercent);
    // Loading a picture is all there is to do first.
    load_->setFocus();
    return;
  }
  EnableSizeControls(true);
  EnableObjectControls(true);
  ShowScale(reduction);
  ShowPath(path);
  // The card draws the copy in the photo folder and nothing else: the stored path may be another
  // machine's, or name any file a shared project likes.
  if (!IsPlainFileName(name)) return;
  RasterImage image(photoFolder_ / name.toStdString(), kFormatUnknown, kMaxCardPicturePixels);
  if (image.IsValid()) ShowPicture(std::move(image));
}

void ImageOptionsDialog::ShowScale(float& reduction) {
  const int shown = ShownPercent(reduction);
  scale_->ShowPercent(shown);
  // A stored scale above the box's largest is shown, and taken, as the largest.
  reduction = ReductionForPercent(scale_->Percent());
}

void ImageOptionsDialog::EnableSizeControls(bool enabled) {
  scale_->setEnabled(enabled);
}

void ImageOptionsDialog::ChoosePicture() {
  const QString file = prompts_.OpenFileName(
      this, {QString::fromUtf8(kind_.openTitle),
             QString::fromStdString(PictureFileFilter(kind_.firstListedFormat)),
             {},
             {},
             FileKind::kPicture});
  if (!file.isEmpty()) LoadFile(file.toStdString());
}

bool ImageOptionsDialog::LoadFile(const std::filesystem::path& source) {
  RasterImage image(source, kFormatUnknown, kMaxCardPicturePixels);
  if (!image.IsValid()) {
    Tell(QStringLiteral("%1 could not be opened as a picture: %2")
             .arg(Quoted(source), QString::fromStdString(image.GetLastError())));
    return false;
  }
  const Outcome<std::filesystem::path> copied = CopyIntoPhotoFolder(source, photoFolder_);
  if (!copied) {
    Tell(QString::fromStdString(copied.Message()));
    return false;
  }
  const QString path = QString::fromStdString(copied.Value().string());
  ShowPath(path);
  EnableSizeControls(true);
  EnableObjectControls(true);
  TakePicture(std::move(image), QString::fromStdString(copied.Value().filename().string()), path);
  return true;
}

void ImageOptionsDialog::Tell(const QString& text) {
  prompts_.Tell(this, text, QMessageBox::Warning);
}

}  // namespace tavolo
