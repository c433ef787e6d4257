// The card preview in the middle of the main window. It draws the card document's live state,
// scaled by an integer divisor and centred on a grainy backdrop. The card, its caches and every
// rule of editing belong to the document; this control keeps only the screen work.
#pragma once

#include <QImage>
#include <QWidget>

#include "core/card/CardDocument.h"
#include "ui/card/CardPreviewGeometry.h"

class QPainter;

namespace tavolo {

class CardPreview : public QWidget {
  Q_OBJECT

 public:
  // The document must outlive the control.
  explicit CardPreview(CardDocument& document, QWidget* parent = nullptr);

  CardDocument& Document() const { return document_; }

  // Invalidate, erase and paint at once (nothing happens while the control is hidden).
  void Redraw();

  // The backdrop for the control's current size; called on every resize.
  void RebuildBackdrop();
  const QImage& Backdrop() const { return backdrop_; }

  // The owner-draw handler: composes the control's picture for `item` off-screen (backdrop strips
  // around the card, then the card) and copies it to `dc`.
  void Paint(QPainter& dc, const QRect& item);
  // Where the last paint put the card, and the card's pixel size it used.
  const CardPreviewGeometry& Geometry() const { return geometry_; }
  int CardPixelWidth() const { return cardWidth_; }
  int CardPixelHeight() const { return cardHeight_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void CopyBackdropStrips(QPainter& picturePainter, const QRect& frame, const QRect& card);

  CardDocument& document_;

  QImage backdrop_;
  QImage picture_;  // what the control shows, composed off-screen
  CardPreviewGeometry geometry_;
  int cardWidth_ = static_cast<int>(kDefaultCardWidth);
  int cardHeight_ = static_cast<int>(kDefaultCardHeight);
};

}  // namespace tavolo
