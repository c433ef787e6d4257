#include "ui/dialogs/ImageOptionsDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/base/Translation.h"
#include "core/card/CardLimits.h"
#include "core/card/PlainFileName.h"
#include "core/editing/CardSize.h"
#include "core/formats/ImageFileTypes.h"
#include "core/library/PhotoFolder.h"
#include "core/pictures/BoundedPicture.h"
#include "core/pictures/ImageBridge.h"
#include "core/pictures/SvgDrawing.h"
#include "core/render/CardRenderer.h"
#include "ui/base/OkCancelButtons.h"
#include "ui/base/Prompts.h"
#include "ui/controls/PicturePreview.h"
#include "ui/controls/PicturePreviewGeometry.h"
#include "ui/dialogs/ScaleBox.h"

namespace tavolo {

namespace {

constexpr int kPreviewId = 1000;
constexpr int kScaleBoxWidth = 70;

// The picture with its alpha, which the preview blends onto the card as the card renderer does.
RasterImage LoadPicture(const std::filesystem::path& file) {
  if (IsSvgFileName(file)) {
    return LoadBoundedPicture(file, kMaxCardPicturePixels, kMaxCardPicturePixels).image;
  }
  RasterImage image;
  image.SetMaxPixels(kMaxCardPicturePixels);
  image.SetAlphaHandling(AlphaHandling::kKeep);
  image.Load(file, kFormatUnknown);
  return image;
}

// The same for the bytes a card holds of a picture file named `name`.
RasterImage LoadPicture(std::span<const uint8_t> bytes, const std::filesystem::path& name) {
  if (IsSvgFileName(name)) {
    return LoadBoundedPicture(bytes, name, kMaxCardPicturePixels, kMaxCardPicturePixels).image;
  }
  RasterImage image;
  image.SetMaxPixels(kMaxCardPicturePixels);
  image.SetAlphaHandling(AlphaHandling::kKeep);
  image.Decode(bytes, kFormatUnknown);
  return image;
}

QString Quoted(const std::filesystem::path& file) {
  return QStringLiteral("\"%1\"").arg(QString::fromStdString(file.string()));
}

}  // namespace

ImageOptionsDialog::ImageOptionsDialog(const Kind& kind, QImage cardPicture, const CardState& card,
                                       DataFolder photoFolder, Prompts& prompts, QWidget* parent)
    : QDialog(parent),
      kind_(kind),
      photoFolder_(std::move(photoFolder)),
      prompts_(prompts),
      cardWidth_(card.cardWidth),
      cardHeight_(card.cardHeight) {
  setWindowTitle(Tr(kind_.title));

  auto* caption = new QLabel(Tr("Draft Card Preview"), this);
  preview_ = new PicturePreview(kind_.pictureKind, this);
  preview_->setObjectName(QString::number(kPreviewId));
  preview_->setFixedSize(DraftPreviewSize(card.cardWidth, card.cardHeight));
  preview_->setToolTip(Tr("Drag the picture into place, or move it with the arrow keys"));
  caption->setBuddy(preview_);
  // Placements are in the card's pixels, whatever size the picture was drawn at.
  const bool usable = UsableCardSide(cardWidth_) && UsableCardSide(cardHeight_);
  const QSizeF cardSize = usable ? QSizeF(cardWidth_, cardHeight_) : QSizeF(cardPicture.size());
  preview_->SetCardPicture(std::move(cardPicture), cardSize);

  path_ = new QLineEdit(this);
  path_->setObjectName(QString::number(kind_.pathId));
  path_->setReadOnly(true);
  auto* pathLabel = new QLabel(Tr("P&ath:"), this);
  pathLabel->setBuddy(path_);
  load_ = new QPushButton(Tr(kind_.loadText), this);
  load_->setObjectName(QString::number(kind_.loadId));
  load_->setAutoDefault(false);
  connect(load_, &QPushButton::clicked, this, &ImageOptionsDialog::ChoosePicture);

  objectControls_ = new QGridLayout;

  scale_ = new ScaleBox(this);
  scale_->setObjectName(QString::number(kind_.scaleId));
  scale_->setFixedWidth(kScaleBoxWidth);
  scale_->SetMaximum(kind_.scaleRange.high);
  auto* scaleLabel = new QLabel(Tr("&Scale:"), this);
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

const PlacedPicture& ImageOptionsDialog::Placement() const {
  return preview_->Picture();
}

bool ImageOptionsDialog::HoldsPicture() const {
  return preview_->HasPicture();
}

void ImageOptionsDialog::Start(const CardState& card) {
  preview_->SetReady(true);
  PlacedPicture picture = card.Picture(kind_.pictureKind);
  const bool held = !picture.path.isEmpty();
  EnableSizeControls(held);
  EnableObjectControls(held);
  if (!held) {
    scale_->ShowPercent(kFullSizePercent);
    picture = PlacedPicture(picture.kind);
    picture.reduction = ReductionForPercent(kFullSizePercent);
    // Loading a picture is all there is to do first.
    load_->setFocus();
  } else {
    ShowScale(picture.reduction);
    ShowPath(picture.path);
  }
  // The card draws the bytes it holds, or the copy in the photo folder, and nothing else: the
  // stored path may be another machine's, or name any file a shared project likes.
  if (held && IsPlainFileName(picture.name)) {
    const std::filesystem::path name = picture.name.toStdString();
    const StoredPicture* stored = card.pictures.Find(picture.hash);
    RasterImage image = stored != nullptr ? LoadPicture(*stored->bytes, name)
                                          : LoadPicture(photoFolder_.Find(name));
    if (image.IsValid()) preview_->SetImage(std::move(image));
  }
  preview_->SetPicture(picture);
  ShowObjectControls();
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
      this, {Tr(kind_.openTitle),
             QString::fromStdString(PictureFileFilter(kind_.firstListedFormat,
                                                      kind_.pictureKind == PictureKind::kLogo)),
             {},
             {},
             FileKind::kPicture});
  if (!file.isEmpty()) LoadFile(file.toStdString());
}

bool ImageOptionsDialog::LoadFile(const std::filesystem::path& source) {
  RasterImage image = LoadPicture(source);
  if (!image.IsValid()) {
    Tell(Tr("%1 could not be opened as a picture: %2")
             .arg(Quoted(source), QString::fromStdString(TranslatedMessage(image.GetLastError()))));
    return false;
  }
  Outcome<PhotoCopy> copied = CopyIntoPhotoFolder(source, photoFolder_);
  if (!copied) {
    Tell(QString::fromStdString(copied.Message()));
    return false;
  }
  const QString path = QString::fromStdString(copied.Value().path.string());
  loadedBytes_ = std::move(copied.Value().bytes);
  ShowPath(path);
  EnableSizeControls(true);
  EnableObjectControls(true);
  TakePicture(std::move(image), QString::fromStdString(copied.Value().path.filename().string()),
              path);
  return true;
}

void ImageOptionsDialog::TakePicture(RasterImage image, const QString& name, const QString& path) {
  PlacedPicture picture(kind_.pictureKind);
  picture.name = name;
  picture.path = path;
  picture.width = static_cast<float>(image.GetWidth());
  picture.height = static_cast<float>(image.GetHeight());
  picture.reduction = Placement().reduction;
  const std::optional<float> fit =
      FitReduction(picture.width, picture.height, CardWidth(), CardHeight());
  if (fit || !RulesOf(picture.kind).keepsScale) {
    picture.reduction = fit.value_or(0.0f);
    ShowScale(picture.reduction);
  }
  picture.x = CardWidth() / 2;
  picture.y = CardHeight() / 2;
  preview_->SetImage(std::move(image));
  preview_->SetPicture(picture);
  ShowObjectControls();
}

void ImageOptionsDialog::ReductionEdited(float reduction) {
  PlacedPicture picture = Placement();
  picture.reduction = reduction;
  preview_->SetPicture(picture);
}

void ImageOptionsDialog::Tell(const QString& text) {
  prompts_.Tell(this, text, QMessageBox::Warning);
}

}  // namespace tavolo
