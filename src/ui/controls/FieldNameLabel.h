// A field label: black text at the bottom left over whatever lies behind it. It swallows a
// left press so that it never acts as a button.
#pragma once

#include <QString>

#include "ui/controls/OwnerDrawnControl.h"

namespace tavolo {

class FieldNameLabel : public OwnerDrawnControl {
  Q_OBJECT

 public:
  explicit FieldNameLabel(QWidget* parent = nullptr);

  void SetText(const QString& text);
  const QString& Text() const { return text_; }

 protected:
  QAccessible::Role AccessibleRole() const override { return QAccessible::StaticText; }
  QString AccessibleText() const override { return text_; }
  void Draw(QImage& picture) const override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QString text_;
};

}  // namespace tavolo
