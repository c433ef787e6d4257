// The main window's Merge command: picks a data file (CSV, vCard, .ods or .xlsx), reads it off
// the user-interface thread with progress and Cancel, then opens the merge dialog, where the
// columns are matched to the card's fields and the records browsed, printed and exported.
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
