// A cell of the template library: the template's preview picture centred on the library's
// colour, with the check mark in its lower right corner while it is the selected template. A
// click selects it; with the keyboard focus Space selects it and the arrow keys ask the library
// to move the selection to a neighbouring cell.
#pragma once

#include <QImage>

#include "ui/controls/OwnerDrawnControl.h"

namespace tavolo {

class TemplatePreviewCell : public OwnerDrawnControl {
  Q_OBJECT

 public:
  explicit TemplatePreviewCell(QWidget* parent = nullptr);

  // The picture is the table's (not owned); null draws an empty cell.
  void SetImage(const QImage* image);
  const QImage* Image() const { return image_; }
  void SetSelected(bool selected);
  bool IsSelected() const { return selected_; }

  // Where the picture is drawn in a cell of `cell` size: centred, the halves truncated.
  static QPoint ImageOrigin(QSize cell, QSize image);
  // Where the 60 × 60 check mark is drawn.
  static QPoint CheckMarkOrigin(QSize cell);

 Q_SIGNALS:
  // An arrow key: the step in cells (−1, +1 along the row, −2, +2 across the rows).
  void stepRequested(int step);

 protected:
  void Draw(QImage& picture) const override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  const QImage* image_ = nullptr;
  bool selected_ = false;
};

}  // namespace tavolo
