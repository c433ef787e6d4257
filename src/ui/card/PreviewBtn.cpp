#include "ui/card/PreviewBtn.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include "core/base/CheckedCall.h"
#include "ui/card/PreviewBackdrop.h"

namespace tavolo {

PreviewBtn::PreviewBtn(CardDocument& document, QWidget* parent)
    : QWidget(parent), document_(document) {
  // Every pixel is painted from the off-screen picture, so no erase is needed.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewBtn::Redraw() {
  repaint();
}

void PreviewBtn::RebuildBackdrop() {
  backdrop_ = MakePreviewBackdrop(size());
}

void PreviewBtn::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  RebuildBackdrop();
}

void PreviewBtn::paintEvent(QPaintEvent*) {
  QPainter dc(this);
  Paint(dc, rect());
}

void PreviewBtn::Paint(QPainter& dc, const QRect& item) {
  if (item.isEmpty()) return;
  const QRect frame(QPoint(0, 0), item.size());
  cardWidth_ = CardPixels(document_.Live().cardWidth);
  cardHeight_ = CardPixels(document_.Live().cardHeight);
  geometry_ = PreviewGeometryFor(frame, cardWidth_, cardHeight_);

  if (backdrop_.size() != frame.size()) RebuildBackdrop();
  if (picture_.size() != frame.size()) {
    // A fresh picture starts as the backdrop, so that a card that cannot be drawn leaves no
    // undrawn pixels where it goes.
    picture_ = backdrop_.isNull() ? QImage(frame.size(), QImage::Format_RGB32) : backdrop_.copy();
    if (backdrop_.isNull()) picture_.fill(Qt::white);
  }

  QPainter mdc;
  if (!TAVOLO_CHECK_AS("mdc.CreateCompatibleDC(&dc)", mdc.begin(&picture_))) return;
  mdc.setCompositionMode(QPainter::CompositionMode_Source);
  const QRect card = geometry_.card;
  if (!backdrop_.isNull()) CopyBackdropStrips(mdc, frame, card);

  if (!card.isEmpty()) {
    const QImage drawn = document_.Render(geometry_.ndiv, geometry_.dx, geometry_.dy);
    if (!drawn.isNull()) mdc.drawImage(card.topLeft(), drawn);
  }
  mdc.end();

  dc.drawImage(item.topLeft(), picture_);
}

void PreviewBtn::CopyBackdropStrips(QPainter& mdc, const QRect& frame, const QRect& card) {
  if (card.isEmpty()) {
    mdc.drawImage(0, 0, backdrop_);
    return;
  }
  const int w = frame.width();
  const int h = frame.height();
  const int cardRight = card.left() + card.width();
  const int cardBottom = card.top() + card.height();
  const QRect strips[] = {
      QRect(0, 0, w, card.top()),
      QRect(0, card.top(), card.left(), card.height()),
      QRect(cardRight, card.top(), w - cardRight, card.height()),
      QRect(0, cardBottom, w, h - cardBottom),
  };
  for (const QRect& strip : strips) {
    const QRect inside = strip.intersected(frame);
    if (!inside.isEmpty()) mdc.drawImage(inside.topLeft(), backdrop_, inside);
  }
}

}  // namespace tavolo
