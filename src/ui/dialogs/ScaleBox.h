// The scale box of the photo and logo dialogs: a percentage typed in digits, with up and down
// arrows (and the arrow keys) that step it within 1 to 1000. Typing is free, so that a value the
// dialog refuses on OK can still be typed and be told about.
#pragma once

#include <QAbstractSpinBox>

namespace tavolo {

class ScaleBox : public QAbstractSpinBox {
  Q_OBJECT

 public:
  explicit ScaleBox(QWidget* parent = nullptr);

  // The typed number (0 when the box is empty).
  int Percent() const;
  // Shows a number without notifying.
  void ShowPercent(int percent);

  void stepBy(int steps) override;

 Q_SIGNALS:
  // The text changed, by typing or by the arrows.
  void percentEdited(int percent);

 protected:
  QValidator::State validate(QString& input, int& pos) const override;
  StepEnabled stepEnabled() const override;
};

}  // namespace tavolo
