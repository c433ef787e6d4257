#include "ui/app/AppIcon.h"

#include <QImage>
#include <QPainter>

namespace tavolo {

QImage DrawAppIcon(int size) {
  QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 32.0, size / 32.0);
  // A card in the proportions of the real one, with a blue band and three lines of text.
  const QRectF card(2, 7, 28, 18);
  painter.setPen(QPen(QColor(77, 133, 177), 1));
  painter.setBrush(QColor(250, 250, 252));
  painter.drawRoundedRect(card, 2, 2);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(110, 156, 182));
  painter.drawRect(QRectF(2.5, 7.5, 27, 5));
  painter.setBrush(QColor(60, 60, 70));
  painter.drawRect(QRectF(6, 15, 14, 2));
  painter.drawRect(QRectF(6, 19, 10, 1.5));
  painter.drawRect(QRectF(6, 22, 12, 1.5));
  return icon;
}

QIcon AppIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64}) icon.addPixmap(QPixmap::fromImage(DrawAppIcon(size)));
  return icon;
}

}  // namespace tavolo
