#include "ui/controls/FieldNameLabel.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/controls/ControlPainting.h"

namespace tavolo {

FieldNameLabel::FieldNameLabel(QWidget* parent)
    : OwnerDrawnControl(parent, Background::Transparent) {}

void FieldNameLabel::SetText(const QString& text) {
  text_ = text;
  update();
}

void FieldNameLabel::Draw(QImage& picture) const {
  QPainter painter(&picture);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(12);
  font.setWeight(QFont::Normal);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(LogicalRect(picture), Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine,
                   text_);
}

void FieldNameLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    event->accept();
    return;
  }
  OwnerDrawnControl::mousePressEvent(event);
}

}  // namespace tavolo
