#include "ui/controls/CheckMark.h"

#include <QPainter>
#include <QPainterPath>

namespace tavolo {

namespace {

QImage DrawCheckMark() {
  QImage picture(kCheckMarkSize, kCheckMarkSize, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  // The disc sits in the lower right of the square, where it covers the thumbnail's corner.
  const QRectF disc(22.5, 22.5, 35, 35);
  painter.setPen(QPen(QColor(20, 70, 30, 200), 1.5));
  painter.setBrush(QColor(46, 160, 67));
  painter.drawEllipse(disc);
  QPainterPath tick;
  tick.moveTo(31, 40.5);
  tick.lineTo(37.5, 47);
  tick.lineTo(49.5, 32.5);
  painter.setPen(QPen(Qt::white, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(tick);
  return picture;
}

}  // namespace

const QImage& CheckMarkPicture() {
  static const QImage picture = DrawCheckMark();
  return picture;
}

}  // namespace tavolo
