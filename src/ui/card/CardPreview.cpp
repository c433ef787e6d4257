#include "ui/card/CardPreview.h"

#include <QClipboard>
#include <QGuiApplication>
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
}

void CardPreview::Redraw() {
  repaint();
}

void CardPreview::RequestPrintImage() {
  printRequest_ = true;
  Redraw();
}

const RasterImage& CardPreview::RenderPrintImageNow() {
  printRequest_ = true;
  FulfilRequest();
  return printImage_;
}

void CardPreview::ClearPrintImage() {
  printImage_ = RasterImage();
}

void CardPreview::RequestClipboardCopy() {
  clipboardRequest_ = true;
  Redraw();
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
  if (suspended_) {
    // The picture on screen stays as it was, even where the window system asks for it again.
    if (!picture_.isNull()) dc.drawImage(0, 0, picture_);
    return;
  }
  Paint(dc, rect());
}

void CardPreview::Paint(QPainter& dc, const QRect& item) {
  if (suspended_ || item.isEmpty()) return;
  const QRect frame(QPoint(0, 0), item.size());
  cardWidth_ = CardPixels(document_.Live().cardWidth);
  cardHeight_ = CardPixels(document_.Live().cardHeight);
  geometry_ = PreviewGeometryFor(frame, cardWidth_, cardHeight_);

  if (backdrop_.size() != frame.size()) RebuildBackdrop();
  if (picture_.size() != frame.size()) {
    // A fresh picture starts as the backdrop, so that a request fulfilled by this paint leaves
    // no undrawn pixels where the card goes.
    picture_ = backdrop_.isNull() ? QImage(frame.size(), QImage::Format_RGB32) : backdrop_.copy();
    if (backdrop_.isNull()) picture_.fill(Qt::white);
  }

  QPainter picturePainter;
  if (!TAVOLO_CHECK_AS("mdc.CreateCompatibleDC(&dc)", picturePainter.begin(&picture_))) return;
  picturePainter.setCompositionMode(QPainter::CompositionMode_Source);
  const QRect card = geometry_.card;
  if (!backdrop_.isNull()) CopyBackdropStrips(picturePainter, frame, card);

  if (FulfilRequest()) {
    // The card is shown by the next paint; a request still pending waits for the next redraw.
    if (!printRequest_ && !clipboardRequest_) update();
  } else if (!card.isEmpty()) {
    const QImage drawn = document_.Render(geometry_.divisor, geometry_.dx, geometry_.dy);
    if (!drawn.isNull()) picturePainter.drawImage(card.topLeft(), drawn);
  }
  picturePainter.end();

  dc.drawImage(item.topLeft(), picture_);
  painted_ = true;
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

bool CardPreview::FulfilRequest() {
  if (printRequest_) {
    printImage_ = document_.RenderPrintImage();
    // A rendering that failed has been reported; asking again would only report it again.
    printRequest_ = false;
    return true;
  }
  if (clipboardRequest_) {
    if (CopyToClipboard()) clipboardRequest_ = false;
    return true;
  }
  return false;
}

bool CardPreview::CopyToClipboard() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return false;
  // A rendering that failed has been reported; asking again would only report it again.
  const QImage card = document_.RenderClipboardImage();
  if (!card.isNull()) clipboard->setImage(card);
  return true;
}

}  // namespace tavolo
