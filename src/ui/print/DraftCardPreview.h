// The print dialog's "Draft Card preview": the print image stretched over the whole control in a
// 3-D frame, black at the top and left, white at the bottom and right. It draws nothing but the
// dialog's background until the dialog has finished opening.
#pragma once

#include <QImage>

#include "ui/controls/OwnerDrawnControl.h"

namespace tavolo {

class DraftCardPreview : public OwnerDrawnControl {
  Q_OBJECT

 public:
  explicit DraftCardPreview(QWidget* parent = nullptr);

  // The card to show; an implicitly shared copy of the print image.
  void SetImage(const QImage& image) { image_ = image; }
  // The drawing switch.
  void SetReady(bool ready) { ready_ = ready; }

 protected:
  void Draw(QImage& picture) const override;

 private:
  QImage image_;
  bool ready_ = false;
};

}  // namespace tavolo
