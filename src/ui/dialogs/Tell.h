// The dialogs' message box: the caption "Tavolo", the text, an OK button.
#pragma once

#include <QString>

class QWidget;

namespace tavolo {

void Tell(QWidget* parent, const QString& text);

}  // namespace tavolo
