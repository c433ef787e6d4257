// The application's push button: a pill face that lights up under the mouse, with a caption or
// a single symbol. It notifies its owner when a press is released inside it, or when Space or
// Enter is released while it has the keyboard focus.
#pragma once

#include <QString>

#include "ui/controls/OwnerDrawnControl.h"

namespace tavolo {

// The symbols the paging buttons carry: a left and a right arrow.
inline constexpr unsigned char kSymbolArrowLeft = 231;
inline constexpr unsigned char kSymbolArrowRight = 232;

class PillButton : public OwnerDrawnControl {
  Q_OBJECT

 public:
  explicit PillButton(QWidget* parent = nullptr);

  void SetText(const QString& text);
  const QString& Text() const { return text_; }
  // An inactive button looks dimmed and never notifies.
  void SetActive(bool active);
  bool IsActive() const { return active_; }
  // A symbol replaces the caption; 0 means none.
  void SetSymbol(unsigned char symbol);
  unsigned char Symbol() const { return symbol_; }

  bool IsHovered() const { return hover_; }
  bool IsPressed() const { return pressed_; }

 protected:
  QAccessible::Role AccessibleRole() const override { return QAccessible::PushButton; }
  QString AccessibleText() const override { return text_; }
  void Draw(QImage& picture) const override;
  bool IsPainted() const override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  QRect FocusMarkRect() const override;

 private:
  void DrawFace(QImage& picture) const;
  void DrawCaption(QImage& picture) const;
  void LeaveButton();

  QString text_;
  unsigned char symbol_ = 0;
  bool hover_ = false;
  bool pressed_ = false;
  bool active_ = true;
};

}  // namespace tavolo
