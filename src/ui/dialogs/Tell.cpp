#include "ui/dialogs/Tell.h"

#include <QMessageBox>

namespace tavolo {

void Tell(QWidget* parent, const QString& text) {
  QMessageBox::warning(parent, QStringLiteral("Tavolo"), text);
}

}  // namespace tavolo
