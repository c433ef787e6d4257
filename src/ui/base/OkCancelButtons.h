// The OK and Cancel buttons of the option dialogs, made alike: OK is the default button, so Enter
// presses it; Cancel, like Escape, rejects. Each button's object name is its id.
#pragma once

#include <QString>

class QBoxLayout;
class QDialog;

namespace tavolo {

// Adds OK (with the dialog's own text and id) and Cancel (id 2) at the end of `row`.
void AddOkCancel(QDialog& dialog, QBoxLayout& row, const QString& okText = QStringLiteral("OK"),
                 int okId = 1);

}  // namespace tavolo
