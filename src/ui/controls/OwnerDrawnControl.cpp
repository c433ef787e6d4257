#include "ui/controls/OwnerDrawnControl.h"

#include <QKeyEvent>
#include <QPainter>

#include "ui/controls/ControlPainting.h"

namespace tavolo {

namespace {

constexpr int kFocusMarkInset = 2;

}  // namespace

OwnerDrawnControl::OwnerDrawnControl(QWidget* parent, Background background)
    : QWidget(parent), background_(background) {
  SetOpaque(background_ == Background::Opaque);
}

void OwnerDrawnControl::SetOpaque(bool opaque) {
  setAttribute(Qt::WA_OpaquePaintEvent, opaque);
}

void OwnerDrawnControl::AcceptKeyboardFocus() {
  setFocusPolicy(Qt::TabFocus);
}

QRect OwnerDrawnControl::FocusMarkRect() const {
  return rect().adjusted(kFocusMarkInset, kFocusMarkInset, -kFocusMarkInset, -kFocusMarkInset);
}

bool OwnerDrawnControl::IsPressKey(const QKeyEvent& event) {
  if (event.isAutoRepeat()) return false;
  const int key = event.key();
  return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

QImage OwnerDrawnControl::Picture() const {
  if (!IsPainted()) return {};
  const bool opaque = background_ == Background::Opaque;
  QImage picture =
      DevicePicture(size(), devicePixelRatioF(),
                    opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
  if (picture.isNull()) return picture;
  if (!opaque) picture.fill(Qt::transparent);
  Draw(picture);
  if (hasFocus()) DrawFocusMark(picture, FocusMarkRect());
  return picture;
}

void OwnerDrawnControl::paintEvent(QPaintEvent*) {
  const QImage picture = Picture();
  if (picture.isNull()) return;
  QPainter painter(this);
  painter.drawImage(0, 0, picture);
}

void OwnerDrawnControl::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void OwnerDrawnControl::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

}  // namespace tavolo
