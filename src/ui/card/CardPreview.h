// The card preview in the middle of the main window. It draws the card document's live state,
// scaled by an integer divisor and centred on a grainy backdrop, and fulfils the pending print
// image or clipboard request with the document's renderer. The card, its caches and every rule
// of editing belong to the document; this control keeps only the screen work.
#pragma once

#include <QImage>
#include <QWidget>

#include "core/card/CardDocument.h"
#include "core/imaging/RasterImage.h"
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

  // The next paint renders the print image (1062 × 615, tagged with the card's dpi) instead of
  // drawing on the screen; the flag is cleared when it is done.
  void RequestPrintImage();
  // The same at once, without a paint, even while painting is suspended.
  const RasterImage& RenderPrintImageNow();
  bool PrintImagePending() const { return printRequest_; }
  const RasterImage& PrintImage() const { return printImage_; }
  void ClearPrintImage();

  // The next paint puts the full-size card on the clipboard; the flag stays set while there is no
  // clipboard to put it on.
  void RequestClipboardCopy();
  bool ClipboardCopyPending() const { return clipboardRequest_; }

  // While suspended, paints leave the picture on screen as it was.
  void SuspendPainting() { suspended_ = true; }
  void ResumePainting() { suspended_ = false; }
  bool PaintingSuspended() const { return suspended_; }

  // Set by every paint that was not suspended.
  bool Painted() const { return painted_; }
  void ClearPainted() { painted_ = false; }

  // The backdrop for the control's current size; called on every resize.
  void RebuildBackdrop();
  const QImage& Backdrop() const { return backdrop_; }

  // The owner-draw handler: composes the control's picture for `item` off-screen (backdrop strips
  // around the card, then the card, or the pending request instead) and copies it to `dc`.
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
  // Renders the request that is pending, if any; false when the screen is to be drawn.
  bool FulfilRequest();
  bool CopyToClipboard();

  CardDocument& document_;

  RasterImage printImage_;
  bool clipboardRequest_ = false;
  bool printRequest_ = false;
  bool suspended_ = false;
  bool painted_ = true;

  QImage backdrop_;
  QImage picture_;  // what the control shows, composed off-screen
  CardPreviewGeometry geometry_;
  int cardWidth_ = static_cast<int>(kDefaultCardWidth);
  int cardHeight_ = static_cast<int>(kDefaultCardHeight);
};

}  // namespace tavolo
