// The card preview in the middle of the main window. It draws the card document's live state
// centred on a grainy backdrop, as large as fits (Zoom to Fit) or at a fixed zoom, at the screen's
// own resolution: the card is drawn at the divisor the geometry chooses and brought to the
// screen's pixels from there. The card, its caches and every rule of editing belong to the
// document; this control keeps only the screen work.
//
// The photo, the logo and the QR code can be moved on it: the one under the pointer is outlined
// with dashes and shows a move cursor; a drag moves it live and records one step when released; a
// click selects it, and then each arrow key moves it by one card pixel (Shift: ten), one step per
// key; Escape or a click beside them deselects.
#pragma once

#include <optional>

#include <QImage>
#include <QPointF>
#include <QWidget>

#include "core/document/CardDocument.h"
#include "ui/base/CardView.h"
#include "ui/card/CardPreviewGeometry.h"

class QPainter;

namespace tavolo {

class CardPreview : public QWidget, public CardView {
  Q_OBJECT

 public:
  // The document must outlive the control.
  explicit CardPreview(CardDocument& document, QWidget* parent = nullptr);

  CardDocument& Document() const override { return document_; }
  QRect CardOnScreen() const override;
  QScreen* ShownOn() const override { return screen(); }

  // Invalidate, erase and paint at once (nothing happens while the control is hidden).
  void Redraw();

  // The backdrop for the control's current size (in device pixels); called on every resize.
  void RebuildBackdrop();
  const QImage& Backdrop() const { return backdrop_; }

  // The owner-draw handler: composes the control's picture for `item` off-screen (backdrop strips
  // around the card, then the card) and copies it to `dc`.
  void Paint(QPainter& dc, const QRect& item);
  // kZoomToFit (the default) or one of kZoomSteps; a change repaints.
  int Zoom() const { return zoom_; }
  void SetZoom(int zoomPercent);
  // The next fixed zoom larger or smaller than the card's present scale, if there is one.
  void ZoomIn();
  void ZoomOut();

  // Where the last paint put the card, and the card's pixel size it used.
  const CardPreviewGeometry& Geometry() const { return geometry_; }
  int CardPixelWidth() const { return cardWidth_; }
  int CardPixelHeight() const { return cardHeight_; }

  // The object the pointer is over (outlined), and the one clicked (outlined, moved by the arrow
  // keys).
  std::optional<CardObject> HoveredObject() const { return hovered_; }
  std::optional<CardObject> SelectedObject() const { return selected_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ZoomTowards(bool in);
  void DrawOutline(QPainter& picturePainter) const;
  void Hover(std::optional<CardObject> object);
  // The live object's centre becomes `centre` (card pixels); `record` makes it one step.
  void PlaceObject(CardObject object, QPointF centre, bool record);

  struct Drag {
    CardObject object;
    QPoint from;      // where the button went down, control pixels
    QPointF centre;   // the object's centre then, card pixels
    bool moved = false;
  };

  CardDocument& document_;

  QImage backdrop_;
  QImage picture_;  // what the control shows, composed off-screen
  CardPreviewGeometry geometry_;
  int zoom_ = kZoomToFit;
  int cardWidth_ = static_cast<int>(kDefaultCardWidth);
  int cardHeight_ = static_cast<int>(kDefaultCardHeight);

  std::optional<CardObject> hovered_;
  std::optional<CardObject> selected_;
  std::optional<Drag> drag_;
};

}  // namespace tavolo
