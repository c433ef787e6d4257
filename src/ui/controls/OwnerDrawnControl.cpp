#include "ui/controls/OwnerDrawnControl.h"

#include <QPainter>

namespace tavolo {

OwnerDrawnControl::OwnerDrawnControl(QWidget* parent, Background background)
    : QWidget(parent), background_(background) {
  SetOpaque(background_ == Background::Opaque);
}

void OwnerDrawnControl::SetOpaque(bool opaque) {
  setAttribute(Qt::WA_OpaquePaintEvent, opaque);
}

QImage OwnerDrawnControl::Picture() const {
  if (!IsPainted()) return {};
  const bool opaque = background_ == Background::Opaque;
  QImage picture(size(), opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
  if (picture.isNull()) return picture;
  if (!opaque) picture.fill(Qt::transparent);
  Draw(picture);
  return picture;
}

void OwnerDrawnControl::paintEvent(QPaintEvent*) {
  const QImage picture = Picture();
  if (picture.isNull()) return;
  QPainter painter(this);
  painter.drawImage(0, 0, picture);
}

}  // namespace tavolo
