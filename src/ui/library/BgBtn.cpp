#include "ui/library/BgBtn.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "core/base/CheckedCall.h"
#include "core/bridge/ImageBridge.h"
#include "core/library/BackgroundTable.h"
#include "ui/controls/ControlPainting.h"
#include "ui/library/CheckMark.h"

namespace tavolo {

namespace {

const QColor kFill(236, 236, 241);

}  // namespace

BgBtn::BgBtn(QWidget* parent) : OwnerDrawnControl(parent) {
  AcceptKeyboardFocus();
  timer_.setInterval(kHoverMilliseconds);
  connect(&timer_, &QTimer::timeout, this, &BgBtn::OnHoverTimer);
}

void BgBtn::SetBackgrounds(const BackgroundTable* table) {
  table_ = table;
  thumbnails_.clear();
  count_ = table_ != nullptr ? table_->Count() : 0;
  update();
}

void BgBtn::SetCount(int count) {
  count_ = count;
  update();
}

void BgBtn::SetFirst(int first) {
  first_ = first;
  update();
}

void BgBtn::SetSelected(int number) {
  selected_ = number;
  update();
}

BgBtnGeometry BgBtn::Geometry() const {
  return ComputeBgBtnGeometry(size(), count_, first_);
}

int BgBtn::Visible() const {
  return Geometry().visible;
}

bool BgBtn::CanPageForward() const {
  return first_ + Visible() < count_;
}

void BgBtn::PageForward() {
  if (!CanPageForward()) return;
  step_ = Visible();
  SetFirst(first_ + step_);
}

bool BgBtn::CanPageBack() const {
  return first_ - step_ >= 0 && step_ >= 0;
}

void BgBtn::PageBack() {
  if (CanPageBack()) SetFirst(first_ - step_);
}

void BgBtn::SetActive(bool active) {
  active_ = active;
  if (!active_) {
    timer_.stop();
  } else if (drawn_) {
    timer_.start();
  }
}

const QImage& BgBtn::Thumbnail(int number, int cell) const {
  if (cell != thumbnailCell_) {
    thumbnails_.clear();
    thumbnailCell_ = cell;
  }
  if (thumbnails_.size() <= static_cast<size_t>(number)) thumbnails_.resize(number + 1);
  QImage& thumbnail = thumbnails_[number];
  if (thumbnail.isNull()) {
    // Decoded without keeping the full picture: only the thumbnail is kept.
    const QImage image = ToQImage(table_->DecodeImage(number));
    if (!image.isNull()) {
      thumbnail = image.scaled(cell, cell, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      .convertToFormat(QImage::Format_RGB32);
    }
  }
  return thumbnail;
}

void BgBtn::Draw(QImage& picture) const {
  picture.fill(kFill);
  const BgBtnGeometry geometry = ComputeBgBtnGeometry(picture.size(), count_, first_);
  QPainter painter(&picture);
  for (int slot = 0; slot < geometry.visible; ++slot) {
    const int number = first_ + slot;
    const QRect square = geometry.Square(slot);
    if (table_ != nullptr && number >= 0 && number < table_->Count()) {
      const QImage& thumbnail = Thumbnail(number, geometry.cell);
      if (!thumbnail.isNull()) painter.drawImage(square.topLeft(), thumbnail);
    }
    if (number == selected_) {
      painter.drawImage(square.right() + 1 - kCheckMarkSize, square.bottom() + 1 - kCheckMarkSize,
                        CheckMarkPicture());
    }
    const QRect frame = square.adjusted(-1, -1, 1, 1);
    FrameRect3d(painter, frame, Qt::black, number == hover_ ? Qt::black : Qt::white);
  }
}

void BgBtn::paintEvent(QPaintEvent* event) {
  OwnerDrawnControl::paintEvent(event);
  if (!drawn_) {
    drawn_ = true;
    if (active_) timer_.start();
  }
}

void BgBtn::Redraw() {
  TAVOLO_CHECK_AS("RedrawWindow()", RedrawNow(*this));
}

void BgBtn::OnHoverTimer() {
  const BgBtnHit hit = BgBtnHitTest(Geometry(), size(), mapFromGlobal(QCursor::pos()));
  int hover = hover_;
  if (!hit.inside) {
    hover = -1;
  } else if (active_) {
    hover = hit.Found() ? hit.Item(first_) : -1;
  }
  if (hover == hover_) return;
  hover_ = hover;
  Redraw();
}

void BgBtn::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const BgBtnGeometry geometry = Geometry();
  const BgBtnHit hit = BgBtnHitTest(geometry, size(), event->position().toPoint());
  if (hit.inside) {
    const int item = hit.Item(first_);
    if (hit.Found() && item >= first_ && item < first_ + geometry.visible && item < count_) {
      selected_ = item;
      focusItem_ = item;
      Q_EMIT backgroundPicked(item);
    }
    Redraw();
  }
  Q_EMIT clicked();
}

int BgBtn::FocusItem() const {
  const int visible = Visible();
  if (visible <= 0) return -1;
  const auto shown = [&](int item) { return item >= first_ && item < first_ + visible; };
  if (shown(focusItem_)) return focusItem_;
  return shown(selected_) ? selected_ : first_;
}

QRect BgBtn::FocusMarkRect() const {
  const int item = FocusItem();
  if (item < 0) return OwnerDrawnControl::FocusMarkRect();
  return Geometry().Square(item - first_).adjusted(3, 3, -3, -3);
}

void BgBtn::Pick(int item) {
  selected_ = item;
  Q_EMIT backgroundPicked(item);
  Redraw();
  Q_EMIT clicked();
}

void BgBtn::keyPressEvent(QKeyEvent* event) {
  const int item = FocusItem();
  if (item >= 0 && IsPressKey(*event)) {
    Pick(item);
    return;
  }
  int step = 0;
  switch (event->key()) {
    case Qt::Key_Left:
      step = -1;
      break;
    case Qt::Key_Right:
      step = 1;
      break;
    case Qt::Key_Up:
      step = -kBgBtnColumns;
      break;
    case Qt::Key_Down:
      step = kBgBtnColumns;
      break;
    default:
      OwnerDrawnControl::keyPressEvent(event);
      return;
  }
  if (item < 0) return;
  focusItem_ = std::clamp(item + step, first_, first_ + Visible() - 1);
  update();
}

}  // namespace tavolo
