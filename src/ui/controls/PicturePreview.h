// The draft card preview of the photo and logo dialogs: the card picture stretched over the
// control with the dialog's photo or logo on top (blended with its alpha), where the user drags it
// into place (or moves it with the arrow keys). The trimmed and turned picture is kept between
// paints.
#pragma once

#include <optional>

#include <QImage>
#include <QPointF>

#include "core/card/PlacedPicture.h"
#include "core/imaging/RasterImage.h"
#include "ui/controls/OwnerDrawnControl.h"
#include "ui/controls/PicturePreviewGeometry.h"

namespace tavolo {

class PicturePreview : public OwnerDrawnControl {
  Q_OBJECT

 public:
  // Shows a picture of `kind`.
  explicit PicturePreview(PictureKind kind, QWidget* parent = nullptr);

  // Nothing is drawn until the dialog is ready and the card picture has a size.
  void SetReady(bool ready);
  // The card as drawn without the object being placed, and the card's size in card pixels (the
  // picture may be drawn smaller), in which the placements are given.
  void SetCardPicture(QImage picture, QSizeF cardSize);

  // The picture being placed; an empty image means none.
  void SetImage(RasterImage image);
  bool HasPicture() const { return image_.IsValid(); }

  // The dialog's working placement. Changing the trims or the angle makes a new drawn picture.
  void SetPicture(const PlacedPicture& picture);
  const PlacedPicture& Picture() const { return picture_; }

  // Where the picture is drawn on the control now (empty when absent).
  PreviewScale Scale() const;
  PixelRect PictureRect() const;
  bool IsDragging() const { return grab_.has_value(); }

 Q_SIGNALS:
  // The user moved the picture by dragging it or with the keyboard.
  void moved();

 protected:
  void Draw(QImage& picture) const override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool GrabsAt(QPoint point) const;
  // The trimmed and turned picture, made at the next paint after a change.
  const QImage& DrawnPicture() const;
  void MoveBy(QPointF controlPixels);

  bool ready_ = false;
  QImage cardPicture_;
  QSizeF cardSize_;
  RasterImage image_;
  PlacedPicture picture_;

  // Where the press took hold, from the picture's centre, while dragging.
  std::optional<QPointF> grab_;

  mutable QImage drawn_;
  mutable QSize trimmedSize_;  // the drawn picture's size before its turn
};

}  // namespace tavolo
