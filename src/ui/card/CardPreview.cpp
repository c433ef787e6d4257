#include "ui/card/CardPreview.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include "core/base/CheckedCall.h"
#include "ui/card/PreviewBackdrop.h"

namespace tavolo {

CardPreview::CardPreview(CardDocument& document, QWidget* parent)
    : QWidget(parent), document_(document) {
  // Every pixel is painted from the off-screen picture, so no erase is needed.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  // A click gives the arrow keys to a selected picture; Tab passes the preview by.
  setFocusPolicy(Qt::ClickFocus);
}

void CardPreview::Redraw() {
  repaint();
}

void CardPreview::RebuildBackdrop() {
  backdrop_ = MakePreviewBackdrop(size());
}

void CardPreview::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  RebuildBackdrop();
}

void CardPreview::paintEvent(QPaintEvent*) {
  QPainter dc(this);
  Paint(dc, rect());
}

void CardPreview::Paint(QPainter& dc, const QRect& item) {
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

  QPainter picturePainter;
  if (!TAVOLO_CHECK_AS("mdc.CreateCompatibleDC(&dc)", picturePainter.begin(&picture_))) return;
  picturePainter.setCompositionMode(QPainter::CompositionMode_Source);
  const QRect card = geometry_.card;
  if (!backdrop_.isNull()) CopyBackdropStrips(picturePainter, frame, card);

  if (!card.isEmpty()) {
    const QImage drawn = document_.Render(geometry_.divisor, geometry_.dx, geometry_.dy);
    if (!drawn.isNull()) picturePainter.drawImage(card.topLeft(), drawn);
  }
  DrawOutline(picturePainter);
  picturePainter.end();

  dc.drawImage(item.topLeft(), picture_);
}

void CardPreview::CopyBackdropStrips(QPainter& picturePainter, const QRect& frame,
                                     const QRect& card) {
  if (card.isEmpty()) {
    picturePainter.drawImage(0, 0, backdrop_);
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
    if (!inside.isEmpty()) picturePainter.drawImage(inside.topLeft(), backdrop_, inside);
  }
}

}  // namespace tavolo
