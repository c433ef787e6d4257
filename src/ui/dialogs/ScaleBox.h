// The scale box of the photo and logo dialogs: a percentage typed in digits, with up and down
// arrows (and the arrow keys) that step it within 1 to 1000. A number typed above the box's
// maximum becomes the maximum at once, so the card never draws a size the dialog refuses.
#pragma once

#include <QAbstractSpinBox>

#include "core/editing/PhotoFit.h"

namespace tavolo {

class ScaleBox : public QAbstractSpinBox {
  Q_OBJECT

 public:
  explicit ScaleBox(QWidget* parent = nullptr);

  // The typed number (0 when the box is empty).
  int Percent() const;
  // Shows a number (the maximum for a larger one) without notifying.
  void ShowPercent(int percent);
  // The largest percentage that may be typed or stepped to.
  void SetMaximum(int percent) { maximum_ = percent; }

  void stepBy(int steps) override;

 Q_SIGNALS:
  // The text changed, by typing or by the arrows.
  void percentEdited(int percent);

 protected:
  QValidator::State validate(QString& input, int& pos) const override;
  StepEnabled stepEnabled() const override;

 private:
  int Highest() const;

  int maximum_ = kScaleStepRange.high;
};

}  // namespace tavolo
