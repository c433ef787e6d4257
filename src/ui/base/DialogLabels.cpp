#include "ui/base/DialogLabels.h"

#include <QColor>
#include <QLabel>
#include <QPalette>

namespace tavolo {

QString ControlName(int id) {
  return QString::number(id);
}

QLabel* MakeLabel(QWidget* parent, const QString& text, QWidget* buddy) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  return label;
}

QLabel* MakeWarningLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setWordWrap(true);
  QPalette warning = label->palette();
  warning.setColor(QPalette::WindowText, QColor(0xB0, 0x00, 0x20));
  label->setPalette(warning);
  return label;
}

}  // namespace tavolo
