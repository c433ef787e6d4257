// The draft card preview of the photo and logo dialogs: the card picture stretched over the
// control with the dialog's photo or logo on top, where the user drags the object into place (or
// moves it with the arrow keys). The trimmed photo and the turned logo are kept between paints.
#pragma once

#include <optional>

#include <QImage>
#include <QPointF>

#include "core/card/CardState.h"
#include "core/imaging/RasterImage.h"
#include "ui/controls/OwnerDrawnControl.h"
#include "ui/controls/PicturePreviewGeometry.h"

namespace tavolo {

class PicturePreview : public OwnerDrawnControl {
  Q_OBJECT

 public:
  explicit PicturePreview(QWidget* parent = nullptr);

  // Nothing is drawn until the dialog is ready and the card picture has a size.
  void SetReady(bool ready);
  // The card as drawn without the object being placed, and the card's size in card pixels (the
  // picture may be drawn smaller), in which the placements are given.
  void SetCardPicture(QImage picture, QSizeF cardSize);

  // The pictures being placed; an empty image means none.
  void SetPhotoImage(RasterImage image);
  void SetLogoImage(RasterImage image);
  bool HasPhoto() const { return photoImage_.IsValid(); }
  bool HasLogo() const { return logoImage_.IsValid(); }
  const RasterImage& PhotoImage() const { return photoImage_; }
  const RasterImage& LogoImage() const { return logoImage_; }

  // The dialog's working placements. Changing the trims makes a new trimmed photo; changing the
  // angle a new turned logo.
  void SetPhoto(const PhotoPlacement& photo);
  void SetLogo(const LogoPlacement& logo);
  const PhotoPlacement& Photo() const { return photo_; }
  const LogoPlacement& Logo() const { return logo_; }

  // Where the objects are drawn on the control now (empty when absent).
  PreviewScale Scale() const;
  PixelRect PhotoRect() const;
  PixelRect LogoRect() const;
  bool IsDragging() const { return dragging_; }

 Q_SIGNALS:
  // The user moved an object by dragging it or with the keyboard.
  void moved();

 protected:
  void Draw(QImage& picture) const override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Whether a press at `point` takes hold of the photo (its untrimmed extent) or the logo.
  bool GrabsPhotoAt(QPoint point) const;
  bool GrabsLogoAt(QPoint point) const;
  const QImage& TrimmedPhoto() const;
  const QImage& TurnedLogo() const;
  void MoveBy(QPointF controlPixels);

  bool ready_ = false;
  QImage cardPicture_;
  QSizeF cardSize_;
  RasterImage photoImage_;
  RasterImage logoImage_;
  PhotoPlacement photo_;
  LogoPlacement logo_;

  bool dragging_ = false;
  std::optional<QPointF> photoGrab_;
  std::optional<QPointF> logoGrab_;

  // Made at the next paint when empty.
  mutable QImage trimmedPhoto_;
  mutable QImage turnedLogo_;
};

}  // namespace tavolo
