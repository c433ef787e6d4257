// The main window's Print (57607) and Print Setup (57606) commands. The caller pauses the
// choosers around them; `prompts` runs the dialogs and asks the user.
#pragma once

class QWidget;

namespace tavolo {

class CardDocument;
class PrinterChoice;
class Prompts;

// Renders the card's print image once, runs the print dialog over `owner` on the current
// printer, and frees the image when the dialog closes.
void RunPrintCommand(QWidget* owner, CardDocument& document, PrinterChoice& printer,
                     Prompts& prompts);

// Qt's print dialog, titled "Print Setup": the printer and paper chosen there become the current
// printer of the next Print.
void RunPrintSetup(QWidget* owner, PrinterChoice& printer, Prompts& prompts);

}  // namespace tavolo
