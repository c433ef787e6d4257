#include "core/card/CardRenderer.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <utility>

#include <QPainter>

#include "core/base/CheckedCall.h"
#include "core/bridge/ImageBridge.h"
#include "core/card/BackgroundProcessing.h"
#include "core/card/CardLimits.h"
#include "core/card/Truncate.h"

namespace tavolo {

namespace {

// A trim of 1 removes this share of the photo's side.
constexpr float kTrimShare = 0.95f;
constexpr float kHalf = 0.5f;
constexpr float kCentreShift = 0.475f;

PixelRect CentredRect(float x, float y, float w, float h) {
  return {Trunc(x - w / 2), Trunc(y - h / 2), Trunc(x + w / 2), Trunc(y + h / 2)};
}

// The rectangle may reach far past the card (a huge scale from a damaged file); a QRect could
// not hold its size, so the picture is placed through a QRectF, which maps it alike.
void DrawInto(QPainter& painter, const PixelRect& r, const QImage& image) {
  if (image.isNull() || r.Width() <= 0 || r.Height() <= 0) return;
  painter.drawImage(
      QRectF(r.left, r.top, static_cast<qreal>(r.Width()), static_cast<qreal>(r.Height())), image);
}

// Any card the program can describe fits; past this a size is a damaged value, not a card.
bool SizeFits(int dx, int dy) {
  return dx > 0 && dy > 0 && dx <= kMaxCardSide && dy <= kMaxCardSide &&
         static_cast<int64_t>(dx) * dy <= kMaxCardPixels;
}

}  // namespace

PixelRect PhotoCropEdges(const PhotoPlacement& photo) {
  return {Trunc(kTrimShare * photo.trimLeft * photo.width * kHalf),
          Trunc(kTrimShare * photo.trimTop * photo.height * kHalf),
          Trunc(photo.width - kTrimShare * photo.trimRight * photo.width * kHalf),
          Trunc(photo.height - kTrimShare * photo.trimBottom * photo.height * kHalf)};
}

PixelRect PhotoRectangle(const PhotoPlacement& photo, int croppedWidth, int croppedHeight,
                         int divisor) {
  const float div = static_cast<float>(std::max(divisor, 1));
  const float s = 1.0f - photo.reduction;
  const float w = static_cast<float>(croppedWidth) * s / div;
  const float h = static_cast<float>(croppedHeight) * s / div;
  const float x =
      (photo.x + kCentreShift * s * (photo.trimLeft - photo.trimRight) * photo.width * kHalf) / div;
  const float y =
      (photo.y + kCentreShift * s * (photo.trimTop - photo.trimBottom) * photo.height * kHalf) /
      div;
  return CentredRect(x, y, w, h);
}

PixelRect LogoRectangle(const LogoPlacement& logo, int logoWidth, int logoHeight, int divisor) {
  const float div = static_cast<float>(std::max(divisor, 1));
  const float s = 1.0f - logo.reduction;
  const int r = Trunc(logo.angle);
  const bool upright = r % 180 == 0;
  const float a = static_cast<float>(upright ? logoHeight : logoWidth) * s / div;
  const float b = static_cast<float>(upright ? logoWidth : logoHeight) * s / div;
  return CentredRect(logo.x / div, logo.y / div, b, a);
}

bool RotateLogo(const RasterImage& logo, float angle, RasterImage& rotated) {
  // The image layer turns counter-clockwise for a positive angle.
  return logo.Rotate(-angle, rotated);
}

std::string DrawFieldCheckText(const PlacementRow& row, bool print) {
  std::string text = "DrawField( " + std::to_string(row.box) + ",ndiv,&mdc,frc_," +
                     std::to_string(row.offset) + "," + std::to_string(row.align) + ",buf1,dx,dy";
  if (print) {
    text += ",TRUE";
  } else if (row.angle != 0) {
    text += ",FALSE";
  }
  if (row.angle != 0) text += "," + std::to_string(row.angle);
  return text + ")";
}

CardRenderer::CardRenderer(const BackgroundTable* table, std::filesystem::path photoFolder)
    : table_(table), photoFolder_(std::move(photoFolder)) {}

void CardRenderer::SetBackgroundTable(const BackgroundTable* table) {
  table_ = table;
  DropBackgroundCache();
  // Another table may stand at the same generation: nothing made from the last one is kept.
  picture_ = QImage();
  pictureNumber_ = -1;
}

void CardRenderer::SetPhotoFolder(std::filesystem::path photoFolder) {
  photoFolder_ = std::move(photoFolder);
  photoFor_.reset();
  logoFor_.reset();
}

void CardRenderer::DropBackgroundCache() {
  cache_ = QImage();
}

void CardRenderer::DropRotatedLogo() {
  rotatedLogo_ = QImage();
}

void CardRenderer::ReloadPictures() {
  photoFor_.reset();
  logoFor_.reset();
  rotatedLogo_ = QImage();
}

uint64_t CardRenderer::TableGeneration() const {
  return table_ != nullptr ? table_->Generation() : 0;
}

const QImage& CardRenderer::BackgroundPicture(int number) {
  // The converted picture is kept while the table is unchanged.
  const uint64_t generation = TableGeneration();
  if (number != pictureNumber_ || generation != pictureGeneration_) {
    const bool present = table_ != nullptr && number >= 0 && number < table_->Count();
    picture_ = present ? ToQImage(table_->Image(number)) : QImage();
    pictureNumber_ = number;
    pictureGeneration_ = generation;
  }
  return picture_;
}

QImage CardRenderer::Render(const CardState& live, const LineSource& lines, int divisor, int dx,
                            int dy) {
  QImage card;
  if (SizeFits(dx, dy)) card = QImage(dx, dy, QImage::Format_RGB32);
  if (!TAVOLO_CHECK_AS("not enough memory to complete operation", !card.isNull())) return {};

  const uint64_t generation = TableGeneration();
  if (!cache_.isNull() && cache_.width() == dx && cache_.height() == dy &&
      cacheGeneration_ == generation) {
    card = cache_;
  } else {
    cache_ = QImage();
    DrawBackgroundImage(card, BackgroundPicture(DrawnBackgroundNumber(live.backgroundIndex)));
    auto* pixels = reinterpret_cast<uint32_t*>(card.bits());
    TAVOLO_CHECK_AS("SetHSL(buf1,dx,dy, hue, sat, l)",
                    SetHSL(pixels, dx, dy, live.hueShift, live.satShift, live.lightShift));
    cache_ = card;
    cacheGeneration_ = generation;
    ++stats_.backgroundBuilds;
  }

  // Writing through bits() gives this rendering its own copy; the cache keeps the tinted one.
  auto* backgroundBuffer = reinterpret_cast<uint32_t*>(card.bits());
  TAVOLO_CHECK_AS("ModifyBg( buf1,dx,dy )", ModifyBg(backgroundBuffer, dx, dy, live) == 0);

  const FieldInputs inputs{live, lines};
  const PixelRect frameColour{0, 0, dx, dy};
  const std::span<const PlacementRow> rows = PlacementRows(live.layoutIndex);
  for (const PlacementRow& row : rows) {
    const std::string label = DrawFieldCheckText(row, false);
    TAVOLO_CHECK_AS(label.c_str(),
                    DrawField(inputs, row.box, divisor, nullptr, frameColour, row.offset, row.align,
                              backgroundBuffer, dx, dy, false, row.angle) == 0);
  }

  QPainter painter(&card);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  photoError_.clear();
  logoError_.clear();
  if (!live.photo.name.isEmpty()) DrawPhoto(painter, live.photo, divisor);
  if (!live.logo.name.isEmpty()) DrawLogo(painter, live.logo, divisor);

  painter.setRenderHint(QPainter::TextAntialiasing);
  for (const PlacementRow& row : rows) {
    const std::string label = DrawFieldCheckText(row, true);
    TAVOLO_CHECK_AS(label.c_str(),
                    DrawField(inputs, row.box, divisor, &painter, frameColour, row.offset,
                              row.align, backgroundBuffer, dx, dy, true, row.angle) == 0);
  }
  painter.end();
  return card;
}

void CardRenderer::DrawPhoto(QPainter& painter, const PhotoPlacement& photo, int divisor) {
  if (!IsPlainFileName(photo.name)) return;
  if (!photoFor_ || *photoFor_ != photo) {
    ++stats_.photoLoads;
    RasterImage loaded(photoFolder_ / photo.name.toStdString(), kFormatUnknown,
                       kMaxCardPicturePixels);
    // A file that cannot be loaded leaves the last good photo in place.
    if (!loaded.IsValid()) {
      photoError_ = loaded.GetLastError();
    } else {
      const PixelRect edges = PhotoCropEdges(photo);
      RasterImage cropped;
      const bool kept = loaded.Crop(edges.left, edges.top, edges.right, edges.bottom, cropped);
      loaded.Destroy();  // a large photo is held no longer than the crop needs it
      croppedPhoto_ = kept ? ToQImage(cropped) : QImage();
      photoFor_ = photo;
    }
  }
  if (croppedPhoto_.isNull()) return;
  DrawInto(painter, PhotoRectangle(photo, croppedPhoto_.width(), croppedPhoto_.height(), divisor),
           croppedPhoto_);
}

void CardRenderer::DrawLogo(QPainter& painter, const LogoPlacement& logo, int divisor) {
  if (!IsPlainFileName(logo.name)) return;
  if (!logoFor_ || *logoFor_ != logo) {
    ++stats_.logoLoads;
    RasterImage loaded(photoFolder_ / logo.name.toStdString(), kFormatUnknown,
                       kMaxCardPicturePixels);
    if (!loaded.IsValid()) {
      logoError_ = loaded.GetLastError();
    } else {
      logo_ = std::move(loaded);
      logoFor_ = logo;
      // A rotation made from the previous logo or angle must not be shown for this one.
      rotatedLogo_ = QImage();
    }
  }
  if (!logo_.IsValid()) return;
  const PixelRect r = LogoRectangle(logo, static_cast<int>(logo_.GetWidth()),
                                    static_cast<int>(logo_.GetHeight()), divisor);
  if (rotatedLogo_.isNull()) {
    ++stats_.logoRotations;
    RasterImage rotated;
    rotated.SetMaxPixels(kMaxCardPicturePixels);
    if (RotateLogo(logo_, logo.angle, rotated)) {
      rotatedLogo_ = ToQImage(rotated);
    } else {
      logoError_ = rotated.GetLastError();
    }
  }
  DrawInto(painter, r, rotatedLogo_);
}

RasterImage CardRenderer::RenderPrintImage(const CardState& live, const LineSource& lines) {
  const QImage card = Render(live, lines, 1, kPrintWidth, kPrintHeight);
  RasterImage printImage;
  if (card.isNull()) return printImage;
  if (TAVOLO_CHECK_AS("prntim.CreateFromHBITMAP((HBITMAP)bmp)!=0",
                      ToRasterImage(card, printImage))) {
    printImage.SetXDpi(live.dpi);
    printImage.SetYDpi(live.dpi);
  }
  return printImage;
}

}  // namespace tavolo
