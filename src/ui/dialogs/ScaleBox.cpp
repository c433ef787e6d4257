#include "ui/dialogs/ScaleBox.h"

#include <algorithm>

#include <QLineEdit>
#include <QSignalBlocker>

namespace tavolo {

namespace {

// More digits than any percentage the dialogs take, so that a number never overflows.
constexpr int kMaxDigits = 6;

}  // namespace

ScaleBox::ScaleBox(QWidget* parent) : QAbstractSpinBox(parent) {
  setAccelerated(true);
  setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
  setKeyboardTracking(true);
  lineEdit()->setMaxLength(kMaxDigits);
  connect(lineEdit(), &QLineEdit::textEdited, this, [this] { Q_EMIT percentEdited(Percent()); });
}

int ScaleBox::Percent() const {
  return text().toInt();
}

void ScaleBox::ShowPercent(int percent) {
  const QSignalBlocker blocker(lineEdit());
  lineEdit()->setText(QString::number(std::min(percent, maximum_)));
}

void ScaleBox::stepBy(int steps) {
  const int stepped = std::clamp(Percent() + steps, kScaleStepRange.low, Highest());
  lineEdit()->setText(QString::number(stepped));
  Q_EMIT percentEdited(stepped);
}

QValidator::State ScaleBox::validate(QString& input, int& pos) const {
  const bool digits =
      std::all_of(input.begin(), input.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
  if (!digits) return QValidator::Invalid;
  if (input.toInt() > maximum_) {
    input = QString::number(maximum_);
    pos = static_cast<int>(input.size());
  }
  return QValidator::Acceptable;
}

int ScaleBox::Highest() const {
  return std::min(kScaleStepRange.high, maximum_);
}

QAbstractSpinBox::StepEnabled ScaleBox::stepEnabled() const {
  if (!isEnabled()) return StepNone;
  StepEnabled enabled = StepNone;
  if (Percent() < Highest()) enabled |= StepUpEnabled;
  if (Percent() > kScaleStepRange.low) enabled |= StepDownEnabled;
  return enabled;
}

}  // namespace tavolo
