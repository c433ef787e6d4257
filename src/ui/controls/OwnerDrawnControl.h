// Base of the owner-drawn controls: the picture is composed off-screen at the control's size and
// copied to the screen in one step, with no background erase, so drags and hovers never flicker.
// A control that takes keyboard input is reached with Tab and shows a dotted focus mark.
#pragma once

#include <QImage>
#include <QWidget>

#include "ui/controls/AccessibleCells.h"

class QKeyEvent;

namespace tavolo {

class OwnerDrawnControl : public QWidget, public AccessibleCells {
  Q_OBJECT

 public:
  // The control's picture at its current size in device pixels (its devicePixelRatio set), exactly
  // as the next paint shows it (the focus mark included); a null image when it paints nothing.
  QImage Picture() const;

 Q_SIGNALS:
  // The command message to the owner.
  void clicked();

 protected:
  // A transparent control lets its parent show through wherever it draws nothing.
  enum class Background { Opaque, Transparent };

  explicit OwnerDrawnControl(QWidget* parent, Background background = Background::Opaque);

  // Draws the whole picture; `picture` has the control's size (LogicalSize; its pixels are device
  // pixels) and is not cleared beforehand unless the control is transparent.
  virtual void Draw(QImage& picture) const = 0;
  // A control may decline to paint at all (its parent then shows through).
  virtual bool IsPainted() const { return true; }
  // Opaque controls suppress the background erase; the others let the parent show through.
  void SetOpaque(bool opaque);

  // Tab reaches the control (a mouse click leaves the focus where it was, so that typing goes
  // on in the editor the user was in).
  void AcceptKeyboardFocus();
  // Where the focus mark goes: the whole control, two pixels in, unless a control says otherwise.
  virtual QRect FocusMarkRect() const;
  // Space, Enter and Return press a focused button; auto-repeats do not count.
  static bool IsPressKey(const QKeyEvent& event);

  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  Background background_;
};

}  // namespace tavolo
