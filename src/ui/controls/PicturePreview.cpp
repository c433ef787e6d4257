#include "ui/controls/PicturePreview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "core/base/CheckedCall.h"
#include "core/bridge/ImageBridge.h"
#include "core/card/CardRenderer.h"
#include "ui/controls/ControlPainting.h"

namespace tavolo {

namespace {

// Control pixels an arrow key moves the object; with Shift held, this many times more.
constexpr double kArrowStep = 1.0;
constexpr double kShiftArrowFactor = 10.0;

bool SameTrims(const PhotoPlacement& a, const PhotoPlacement& b) {
  return a.trimLeft == b.trimLeft && a.trimTop == b.trimTop && a.trimBottom == b.trimBottom &&
         a.trimRight == b.trimRight;
}

void DrawInto(QPainter& painter, const PixelRect& r, const QImage& image) {
  if (image.isNull() || r.Width() <= 0 || r.Height() <= 0) return;
  painter.drawImage(QRect(r.left, r.top, r.Width(), r.Height()), image);
}

}  // namespace

PicturePreview::PicturePreview(QWidget* parent) : OwnerDrawnControl(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
}

void PicturePreview::SetReady(bool ready) {
  ready_ = ready;
  update();
}

void PicturePreview::SetCardPicture(QImage picture, QSizeF cardSize) {
  cardPicture_ = std::move(picture);
  cardSize_ = cardSize;
  update();
}

void PicturePreview::SetPhotoImage(RasterImage image) {
  photoImage_ = std::move(image);
  trimmedPhoto_ = QImage();
  update();
}

void PicturePreview::SetLogoImage(RasterImage image) {
  logoImage_ = std::move(image);
  turnedLogo_ = QImage();
  update();
}

void PicturePreview::SetPhoto(const PhotoPlacement& photo) {
  if (!SameTrims(photo, photo_) || photo.width != photo_.width || photo.height != photo_.height) {
    trimmedPhoto_ = QImage();
  }
  photo_ = photo;
  update();
}

void PicturePreview::SetLogo(const LogoPlacement& logo) {
  if (logo.angle != logo_.angle) turnedLogo_ = QImage();
  logo_ = logo;
  update();
}

PreviewScale PicturePreview::Scale() const {
  return PreviewScaleFor(size(), cardSize_);
}

PixelRect PicturePreview::PhotoRect() const {
  const QImage& trimmed = TrimmedPhoto();
  if (trimmed.isNull()) return {};
  return PreviewPhotoRect(photo_, trimmed.width(), trimmed.height(), Scale());
}

PixelRect PicturePreview::LogoRect() const {
  if (!HasLogo()) return {};
  return PreviewLogoRect(logo_, Scale());
}

const QImage& PicturePreview::TrimmedPhoto() const {
  if (trimmedPhoto_.isNull() && HasPhoto()) {
    const PixelRect edges = PhotoCropEdges(photo_);
    RasterImage trimmed;
    if (photoImage_.Crop(edges.left, edges.top, edges.right, edges.bottom, trimmed)) {
      trimmedPhoto_ = ToQImage(trimmed);
    }
  }
  return trimmedPhoto_;
}

const QImage& PicturePreview::TurnedLogo() const {
  if (turnedLogo_.isNull() && HasLogo()) {
    RasterImage turned;
    if (RotateLogo(logoImage_, logo_.angle, turned)) turnedLogo_ = ToQImage(turned);
  }
  return turnedLogo_;
}

void PicturePreview::Draw(QImage& picture) const {
  QPainter painter(&picture);
  painter.fillRect(picture.rect(), palette().color(QPalette::Window));
  if (!ready_ || cardPicture_.isNull() || !Scale().Usable()) return;
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(picture.rect(), cardPicture_);
  FrameRect3d(painter, picture.rect(), Qt::black, Qt::white);
  if (HasPhoto()) DrawInto(painter, PhotoRect(), TrimmedPhoto());
  if (HasLogo()) DrawInto(painter, LogoRect(), TurnedLogo());
}

bool PicturePreview::GrabsPhotoAt(QPoint point) const {
  return HasPhoto() && GrabsPhoto(point, photo_, Scale());
}

bool PicturePreview::GrabsLogoAt(QPoint point) const {
  return HasLogo() && GrabsLogo(point, logo_, Scale());
}

void PicturePreview::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint point = event->position().toPoint();
  photoGrab_.reset();
  logoGrab_.reset();
  const PreviewScale scale = Scale();
  if (!rect().contains(point) || !scale.Usable()) {
    dragging_ = false;
    return;
  }
  if (GrabsPhotoAt(point)) photoGrab_ = GrabOffset(point, photo_.x, photo_.y, scale);
  if (GrabsLogoAt(point)) logoGrab_ = GrabOffset(point, logo_.x, logo_.y, scale);
  dragging_ = photoGrab_.has_value() || logoGrab_.has_value();
}

void PicturePreview::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  if (!dragging_) {
    // The cursor tells where a press would take hold of an object.
    const bool over = Scale().Usable() && (GrabsPhotoAt(point) || GrabsLogoAt(point));
    setCursor(over ? Qt::SizeAllCursor : Qt::ArrowCursor);
    return;
  }
  if (!rect().contains(point)) return;
  const PreviewScale scale = Scale();
  if (photoGrab_) {
    const QPointF centre = DraggedCentre(point, *photoGrab_, scale);
    photo_.x = static_cast<float>(centre.x());
    photo_.y = static_cast<float>(centre.y());
  }
  if (logoGrab_) {
    const QPointF centre = DraggedCentre(point, *logoGrab_, scale);
    logo_.x = static_cast<float>(centre.x());
    logo_.y = static_cast<float>(centre.y());
  }
  TAVOLO_CHECK_AS("RedrawWindow()", RedrawNow(*this));
  Q_EMIT moved();
}

void PicturePreview::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = false;
  photoGrab_.reset();
  logoGrab_.reset();
}

void PicturePreview::keyPressEvent(QKeyEvent* event) {
  const double step =
      event->modifiers() & Qt::ShiftModifier ? kArrowStep * kShiftArrowFactor : kArrowStep;
  switch (event->key()) {
    case Qt::Key_Left:
      MoveBy({-step, 0});
      return;
    case Qt::Key_Right:
      MoveBy({step, 0});
      return;
    case Qt::Key_Up:
      MoveBy({0, -step});
      return;
    case Qt::Key_Down:
      MoveBy({0, step});
      return;
    default:
      OwnerDrawnControl::keyPressEvent(event);
  }
}

void PicturePreview::MoveBy(QPointF controlPixels) {
  const PreviewScale scale = Scale();
  if (!scale.Usable() || (!HasPhoto() && !HasLogo())) return;
  const auto dx = static_cast<float>(controlPixels.x() / scale.sx);
  const auto dy = static_cast<float>(controlPixels.y() / scale.sy);
  if (HasPhoto()) {
    photo_.x += dx;
    photo_.y += dy;
  }
  if (HasLogo()) {
    logo_.x += dx;
    logo_.y += dy;
  }
  update();
  Q_EMIT moved();
}

}  // namespace tavolo
