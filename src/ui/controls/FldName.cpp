#include "ui/controls/FldName.h"

#include <QMouseEvent>
#include <QPainter>

namespace tavolo {

FldName::FldName(QWidget* parent) : OwnerDrawnControl(parent, Background::Transparent) {}

void FldName::SetText(const QString& text) {
  text_ = text;
  update();
}

void FldName::Draw(QImage& picture) const {
  QPainter painter(&picture);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(12);
  font.setWeight(QFont::Normal);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(picture.rect(), Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine, text_);
}

void FldName::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    event->accept();
    return;
  }
  OwnerDrawnControl::mousePressEvent(event);
}

}  // namespace tavolo
