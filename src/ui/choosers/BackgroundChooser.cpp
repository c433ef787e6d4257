#include "ui/choosers/BackgroundChooser.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "core/base/CheckedCall.h"
#include "core/base/Translation.h"
#include "core/base/WindowColour.h"
#include "core/card/BackgroundTable.h"
#include "core/pictures/ImageBridge.h"
#include "core/render/BackgroundProcessing.h"
#include "ui/controls/CheckMark.h"
#include "ui/controls/ControlPainting.h"

namespace tavolo {

BackgroundChooser::BackgroundChooser(QWidget* parent) : OwnerDrawnControl(parent) {
  AcceptKeyboardFocus();
  timer_.setInterval(kHoverMilliseconds);
  connect(&timer_, &QTimer::timeout, this, &BackgroundChooser::OnHoverTimer);
}

void BackgroundChooser::SetBackgrounds(const BackgroundTable* table) {
  table_ = table;
  thumbnails_.clear();
  tickedThumbnail_ = QImage();
  count_ = table_ != nullptr ? table_->Count() : 0;
  update();
}

void BackgroundChooser::SetCount(int count) {
  count_ = count;
  update();
}

void BackgroundChooser::SetFirst(int first) {
  first_ = first;
  update();
}

void BackgroundChooser::SetSelected(int number) {
  selected_ = number;
  tickedThumbnail_ = QImage();
  update();
}

void BackgroundChooser::SetSelectedLook(const CardState& live) {
  selectedLook_ = live;
  tickedThumbnail_ = QImage();
  update();
}

int BackgroundChooser::AccessibleCellCount() const {
  if (table_ == nullptr) return 0;
  return std::clamp(table_->Count() - first_, 0, Geometry().visible);
}

QString BackgroundChooser::AccessibleCellName(int cell) const {
  const int number = first_ + cell;
  if (table_ == nullptr || number < 0 || number >= table_->Count()) return {};
  // The 20 name bytes, zero-padded.
  const BackgroundName& bytes = table_->Record(number).name;
  const auto end = std::find(bytes.begin(), bytes.end(), uint8_t{0});
  const QString name = QString::fromUtf8(reinterpret_cast<const char*>(bytes.data()),
                                         static_cast<qsizetype>(end - bytes.begin()));
  return Tr("Background %1: %2").arg(number + 1).arg(name);
}

QRect BackgroundChooser::AccessibleCellRect(int cell) const {
  return Geometry().Square(cell);
}

bool BackgroundChooser::IsAccessibleCellSelected(int cell) const {
  return first_ + cell == selected_;
}

BackgroundChooserGeometry BackgroundChooser::Geometry() const {
  return ComputeBackgroundChooserGeometry(size(), count_, first_);
}

int BackgroundChooser::Visible() const {
  return Geometry().visible;
}

bool BackgroundChooser::CanPageForward() const {
  return first_ + Visible() < count_;
}

void BackgroundChooser::PageForward() {
  if (!CanPageForward()) return;
  step_ = Visible();
  SetFirst(first_ + step_);
}

bool BackgroundChooser::CanPageBack() const {
  return first_ - step_ >= 0 && step_ >= 0;
}

void BackgroundChooser::PageBack() {
  if (CanPageBack()) SetFirst(first_ - step_);
}

void BackgroundChooser::SetActive(bool active) {
  active_ = active;
  if (!active_) {
    timer_.stop();
  } else if (drawn_) {
    timer_.start();
  }
}

const QImage& BackgroundChooser::Thumbnail(int number, int cell, qreal ratio) const {
  // Thumbnails are made at the screen's density from the full picture, never enlarged.
  cell = qRound(cell * ratio);
  if (cell != thumbnailCell_) {
    thumbnails_.clear();
    tickedThumbnail_ = QImage();
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
      thumbnail.setDevicePixelRatio(ratio);
    }
  }
  return thumbnail;
}

void BackgroundChooser::Draw(QImage& picture) const {
  picture.fill(QColor(kWindowColour));
  const BackgroundChooserGeometry geometry =
      ComputeBackgroundChooserGeometry(LogicalSize(picture), count_, first_);
  QPainter painter(&picture);
  for (int slot = 0; slot < geometry.visible; ++slot) {
    const int number = first_ + slot;
    const QRect square = geometry.Square(slot);
    if (table_ != nullptr && number >= 0 && number < table_->Count()) {
      const QImage& thumbnail = Thumbnail(number, geometry.cell, picture.devicePixelRatio());
      const bool asOnCard = number == selected_ && selectedLook_ && !thumbnail.isNull();
      if (asOnCard) {
        if (tickedThumbnail_.isNull()) {
          tickedThumbnail_ = TintedLikeCard(thumbnail, *selectedLook_);
          tickedThumbnail_.setDevicePixelRatio(thumbnail.devicePixelRatio());
        }
        painter.drawImage(square.topLeft(), tickedThumbnail_);
      } else if (!thumbnail.isNull()) {
        painter.drawImage(square.topLeft(), thumbnail);
      }
    }
    if (number == selected_) {
      painter.drawImage(square.right() + 1 - kCheckMarkSize, square.bottom() + 1 - kCheckMarkSize,
                        CheckMarkPicture());
    }
    const QRect frame = square.adjusted(-1, -1, 1, 1);
    FrameRect3d(painter, frame, Qt::black, number == hover_ ? Qt::black : Qt::white);
  }
}

void BackgroundChooser::paintEvent(QPaintEvent* event) {
  OwnerDrawnControl::paintEvent(event);
  if (!drawn_) {
    drawn_ = true;
    if (active_) timer_.start();
  }
}

void BackgroundChooser::Redraw() {
  TAVOLO_CHECK_AS("RedrawWindow()", RedrawNow(*this));
}

void BackgroundChooser::OnHoverTimer() {
  const BackgroundChooserHit hit =
      BackgroundChooserHitTest(Geometry(), size(), mapFromGlobal(QCursor::pos()));
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

void BackgroundChooser::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const BackgroundChooserGeometry geometry = Geometry();
  const BackgroundChooserHit hit =
      BackgroundChooserHitTest(geometry, size(), event->position().toPoint());
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

int BackgroundChooser::FocusItem() const {
  const int visible = Visible();
  if (visible <= 0) return -1;
  const auto shown = [&](int item) { return item >= first_ && item < first_ + visible; };
  if (shown(focusItem_)) return focusItem_;
  return shown(selected_) ? selected_ : first_;
}

QRect BackgroundChooser::FocusMarkRect() const {
  const int item = FocusItem();
  if (item < 0) return OwnerDrawnControl::FocusMarkRect();
  return Geometry().Square(item - first_).adjusted(3, 3, -3, -3);
}

void BackgroundChooser::Pick(int item) {
  selected_ = item;
  Q_EMIT backgroundPicked(item);
  Redraw();
  Q_EMIT clicked();
}

void BackgroundChooser::keyPressEvent(QKeyEvent* event) {
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
      step = -kBackgroundChooserColumns;
      break;
    case Qt::Key_Down:
      step = kBackgroundChooserColumns;
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
