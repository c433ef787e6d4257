#include "ui/print/PrintCommands.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "core/base/CheckedCall.h"
#include "core/card/CardDocument.h"
#include "ui/base/Prompts.h"
#include "ui/print/PrintDialog.h"
#include "ui/print/PrinterChoice.h"

namespace tavolo {

namespace {

// Beside the project, named after it; in the home folder for a card never saved.
QString PdfSuggestion(const std::filesystem::path& project) {
  if (project.empty()) return DefaultPdfFileName();
  std::filesystem::path pdf = project;
  pdf.replace_extension(".pdf");
  return QString::fromStdString(pdf.string());
}

}  // namespace

void RunPrintCommand(QWidget* owner, CardDocument& document, PrinterChoice& printer,
                     Prompts& prompts) {
  const int dpi = document.Live().dpi;
  if (dpi <= 0) {
    prompts.Tell(owner,
                 QStringLiteral("The card's resolution is %1 dpi. Set a resolution above 0 in "
                                "the card's properties before printing.")
                     .arg(dpi),
                 QMessageBox::Warning);
    return;
  }
  RasterImage printImage = document.RenderPrintImage();
  // After Retry there is no card to print.
  if (!TAVOLO_CHECK_AS("m_prv.prntim.IsValid()", printImage.IsValid())) return;
  PrintDialog dialog(&printImage, dpi, printer, prompts, owner);
  dialog.SetPdfFileSuggestion(PdfSuggestion(document.FilePath()));
  prompts.Run(dialog);
}

void RunPrintSetup(QWidget* owner, PrinterChoice& printer, Prompts& prompts) {
  QPrinter setup(QPrinter::HighResolution);
  printer.SetUp(setup);
  QPrintDialog dialog(&setup, owner);
  dialog.setWindowTitle(QStringLiteral("Print Setup"));
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  // Setting up prints nothing: the button that closes the dialog says so.
  if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
    for (QAbstractButton* button : buttons->buttons()) {
      if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole) {
        button->setText(QStringLiteral("OK"));
      }
    }
  }
  if (prompts.Run(dialog) == QDialog::Accepted) printer.Take(setup);
}

}  // namespace tavolo
