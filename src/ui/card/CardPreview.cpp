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
  // A click gives the keys to the selection.
  setFocusPolicy(Qt::ClickFocus);
}

void CardPreview::Redraw() {
  repaint();
}

void CardPreview::RebuildBackdrop() {
  const qreal ratio = devicePixelRatioF();
  backdrop_ = MakePreviewBackdrop(QSizeF(size() * ratio).toSize());
  backdrop_.setDevicePixelRatio(ratio);
}

void CardPreview::SetZoom(int zoomPercent) {
  if (zoomPercent == zoom_) return;
  zoom_ = zoomPercent;
  update();
}

void CardPreview::ZoomIn() {
  ZoomTowards(true);
}

void CardPreview::ZoomOut() {
  ZoomTowards(false);
}

void CardPreview::ZoomTowards(bool in) {
  const CardPreviewGeometry now =
      PreviewGeometryFor(rect(), CardPixels(document_.Live().cardWidth),
                         CardPixels(document_.Live().cardHeight), zoom_, devicePixelRatioF());
  if (const std::optional<int> next = NextZoom(now.scale, in)) SetZoom(*next);
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
  const qreal ratio = devicePixelRatioF();
  cardWidth_ = CardPixels(document_.Live().cardWidth);
  cardHeight_ = CardPixels(document_.Live().cardHeight);
  geometry_ = PreviewGeometryFor(frame, cardWidth_, cardHeight_, zoom_, ratio);

  const QSize deviceSize = QSizeF(frame.size() * ratio).toSize();
  if (backdrop_.size() != deviceSize || backdrop_.devicePixelRatio() != ratio) RebuildBackdrop();
  if (picture_.size() != deviceSize || picture_.devicePixelRatio() != ratio) {
    // A fresh picture starts as the backdrop, so that a card that cannot be drawn leaves no
    // undrawn pixels where it goes.
    picture_ = backdrop_.isNull() ? QImage(deviceSize, QImage::Format_RGB32) : backdrop_.copy();
    if (backdrop_.isNull()) picture_.fill(Qt::white);
    picture_.setDevicePixelRatio(ratio);
  }

  QPainter picturePainter;
  if (!TAVOLO_CHECK_AS("mdc.CreateCompatibleDC(&dc)", picturePainter.begin(&picture_))) return;
  picturePainter.setCompositionMode(QPainter::CompositionMode_Source);
  if (!backdrop_.isNull()) picturePainter.drawImage(0, 0, backdrop_);

  const QRect card = geometry_.card;
  if (!card.isEmpty() && geometry_.dx > 0 && geometry_.dy > 0) {
    QImage drawn = CardPicture();
    const QSize shown = QSizeF(card.size() * ratio).toSize();
    if (!drawn.isNull() && drawn.size() != shown) {
      drawn = drawn.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    drawn.setDevicePixelRatio(ratio);
    if (!drawn.isNull()) picturePainter.drawImage(card.topLeft(), drawn);
  }
  picturePainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  DrawSelection(picturePainter);
  DrawGuides(picturePainter);
  picturePainter.end();

  dc.drawImage(item.topLeft(), picture_);
}

QRect CardPreview::CardOnScreen() const {
  const QRect card = geometry_.card;
  return QRect(mapToGlobal(card.topLeft()), card.size());
}

}  // namespace tavolo
