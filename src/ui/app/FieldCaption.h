// The caption above a text box's editor: "Field n" on a blue band and a "Text Options" box that
// lights up under the mouse. Pressing it (or Space or Enter with the keyboard focus) asks the
// owner for the box's Text Options; while that dialog is open the caption blinks. The band turns
// red while a line of the box is too wide for it.
#pragma once

#include <QTimer>

#include "ui/controls/OwnerDrawnControl.h"

namespace tavolo {

class FieldCaption : public OwnerDrawnControl {
  Q_OBJECT

 public:
  static constexpr int kBlinkMilliseconds = 500;

  explicit FieldCaption(QWidget* parent = nullptr);

  void SetCaption(const QString& caption);
  const QString& Caption() const { return caption_; }

  // Highlighted, the caption blinks between white and light grey every 500 ms. Clearing the
  // highlight also puts the blink phase back and the hover off.
  void SetHighlighted(bool highlighted);
  bool IsHighlighted() const { return highlighted_; }
  int BlinkPhase() const { return blinkPhase_; }
  bool IsHovered() const { return hovered_; }

  // Marked, the band is red: the box holds a line too wide for it.
  void SetMarked(bool marked);
  bool IsMarked() const { return marked_; }

 protected:
  QAccessible::Role AccessibleRole() const override { return QAccessible::Button; }
  // "Field 2 caption".
  QString AccessibleText() const override;
  void Draw(QImage& picture) const override;
  QRect FocusMarkRect() const override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void SetHovered(bool hovered);
  void Blink();
  // The "Text Options" box: from the middle to the right edge, 3 pixels below the top.
  QRect OptionsBox() const;

  QString caption_;
  bool hovered_ = false;
  bool highlighted_ = false;
  bool marked_ = false;
  int blinkPhase_ = 0;
  QTimer blink_;
};

}  // namespace tavolo
