// The main window's Merge command: picks a CSV or vCard file, lets the user check which column
// fills which field, then browses the records on the card and prints or exports them all.
#pragma once

class QWidget;

namespace tavolo {

class CardDocument;
class PrinterChoice;
class Prompts;

// Merges into a copy of the document's card: the document is not changed.
void RunMergeCommand(QWidget* owner, CardDocument& document, PrinterChoice& printer,
                     Prompts& prompts);

}  // namespace tavolo
