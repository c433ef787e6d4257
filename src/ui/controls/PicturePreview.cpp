#include "ui/controls/PicturePreview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "core/base/CheckedCall.h"
#include "core/pictures/ImageBridge.h"
#include "core/render/PictureGeometry.h"
#include "ui/controls/ControlPainting.h"

namespace tavolo {

namespace {

// Control pixels an arrow key moves the object; with Shift held, this many times more.
constexpr double kArrowStep = 1.0;
constexpr double kShiftArrowFactor = 10.0;

// Whether `a` and `b` draw the same pixels, wherever they are placed.
bool SameLook(const PlacedPicture& a, const PlacedPicture& b) {
  return a.trimLeft == b.trimLeft && a.trimTop == b.trimTop && a.trimBottom == b.trimBottom &&
         a.trimRight == b.trimRight && a.width == b.width && a.height == b.height &&
         a.angle == b.angle;
}

void DrawInto(QPainter& painter, const PixelRect& r, const QImage& image) {
  if (image.isNull() || r.Width() <= 0 || r.Height() <= 0) return;
  painter.drawImage(QRect(r.left, r.top, r.Width(), r.Height()), image);
}

}  // namespace

PicturePreview::PicturePreview(PictureKind kind, QWidget* parent)
    : OwnerDrawnControl(parent), picture_(kind) {
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

void PicturePreview::SetImage(RasterImage image) {
  image_ = std::move(image);
  drawn_ = QImage();
  update();
}

void PicturePreview::SetPicture(const PlacedPicture& picture) {
  if (!SameLook(picture, picture_)) drawn_ = QImage();
  picture_ = picture;
  update();
}

PreviewScale PicturePreview::Scale() const {
  return PreviewScaleFor(size(), cardSize_);
}

PixelRect PicturePreview::PictureRect() const {
  if (DrawnPicture().isNull()) return {};
  return PreviewPictureRect(picture_, trimmedSize_.width(), trimmedSize_.height(), Scale());
}

const QImage& PicturePreview::DrawnPicture() const {
  if (!drawn_.isNull() || !HasPicture()) return drawn_;
  const auto width = static_cast<int>(image_.GetWidth());
  const auto height = static_cast<int>(image_.GetHeight());
  const PixelRect edges = TrimEdges(picture_, width, height);
  RasterImage trimmed;
  const bool whole = edges == PixelRect{0, 0, width, height};
  if (!whole && !image_.Crop(edges.left, edges.top, edges.right, edges.bottom, trimmed)) {
    return drawn_;
  }
  const RasterImage& kept = whole ? image_ : trimmed;
  trimmedSize_ = QSize(static_cast<int>(kept.GetWidth()), static_cast<int>(kept.GetHeight()));
  if (!RulesOf(picture_.kind).turned) {
    drawn_ = ToQImage(kept);
  } else if (RasterImage turned; TurnPicture(kept, picture_.angle, turned)) {
    drawn_ = ToQImage(turned);
  }
  return drawn_;
}

void PicturePreview::Draw(QImage& picture) const {
  QPainter painter(&picture);
  painter.fillRect(LogicalRect(picture), palette().color(QPalette::Window));
  if (!ready_ || cardPicture_.isNull() || !Scale().Usable()) return;
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(LogicalRect(picture), cardPicture_);
  FrameRect3d(painter, LogicalRect(picture), Qt::black, Qt::white);
  if (HasPicture()) DrawInto(painter, PictureRect(), DrawnPicture());
}

bool PicturePreview::GrabsAt(QPoint point) const {
  return HasPicture() && GrabsPicture(point, picture_, Scale());
}

void PicturePreview::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint point = event->position().toPoint();
  grab_.reset();
  const PreviewScale scale = Scale();
  if (!rect().contains(point) || !scale.Usable()) return;
  if (GrabsAt(point)) grab_ = GrabOffset(point, picture_.x, picture_.y, scale);
}

void PicturePreview::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  if (!grab_) {
    // The cursor tells where a press would take hold of the picture.
    const bool over = Scale().Usable() && GrabsAt(point);
    setCursor(over ? Qt::SizeAllCursor : Qt::ArrowCursor);
    return;
  }
  if (!rect().contains(point)) return;
  const QPointF centre = DraggedCentre(point, *grab_, Scale());
  picture_.x = static_cast<float>(centre.x());
  picture_.y = static_cast<float>(centre.y());
  TAVOLO_CHECK_AS("RedrawWindow()", RedrawNow(*this));
  Q_EMIT moved();
}

void PicturePreview::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  grab_.reset();
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
  if (!scale.Usable() || !HasPicture()) return;
  picture_.x += static_cast<float>(controlPixels.x() / scale.sx);
  picture_.y += static_cast<float>(controlPixels.y() / scale.sy);
  update();
  Q_EMIT moved();
}

}  // namespace tavolo
