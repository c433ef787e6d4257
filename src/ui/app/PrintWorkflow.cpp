#include "ui/app/PrintWorkflow.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "core/base/CheckedCall.h"
#include "core/base/ProgramFolder.h"
#include "core/base/Translation.h"
#include "core/card/CardFaces.h"
#include "core/document/CardDocument.h"
#include "core/pictures/ImageBridge.h"
#include "core/render/CardVectorPainter.h"
#include "ui/base/Prompts.h"
#include "ui/print/PrintDialog.h"
#include "ui/print/PrinterChoice.h"

namespace tavolo {

namespace {

// Named after the project ("cards.pdf" for a card never saved); in the PDFs' last folder, else
// beside the project, else where every dialog starts.
QString PdfSuggestion(const std::filesystem::path& project) {
  QString folder = LastFolder(FileKind::kPdf);
  if (folder.isEmpty()) {
    folder = project.empty() ? StartFolder(FileKind::kPdf)
                             : QString::fromStdString(project.parent_path().string());
  }
  const QString name =
      project.empty() ? QStringLiteral("cards") : QString::fromStdString(project.stem().string());
  return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

}  // namespace

void RunPrintCommand(QWidget* owner, CardDocument& document, PrinterChoice& printer,
                     Prompts& prompts) {
  // The dialog shows and prints the front, which the document's renderer then draws.
  document.ShowFace(CardFace::kFront);
  const int dpi = document.Live().dpi;
  if (dpi <= 0) {
    prompts.Tell(owner,
                 Tr("The card's resolution is %1 dpi. Set a resolution above 0 in "
                    "the card's properties before printing.")
                     .arg(dpi),
                 QMessageBox::Warning);
    return;
  }
  RasterImage printImage = document.RenderPrintImage();
  // After Retry there is no card to print.
  if (!TAVOLO_CHECK_AS("m_prv.prntim.IsValid()", printImage.IsValid())) return;
  // The back has a renderer of its own, so that its pictures never take the front's caches; it is
  // drawn at the front's size as it stands when asked (after "Use the sheet's card size" too).
  CardRenderer backRenderer(document.Backgrounds(), CustomPhotosFolder());
  PrintDialog dialog(&printImage, dpi, printer, prompts, owner);
  dialog.SetPdfFileSuggestion(PdfSuggestion(document.FilePath()));
  dialog.PaintCardsWith([&document](QPainter& painter, const QRectF& target, int, int, int,
                                    const CardPaintOptions& options) {
    PaintCard(document.Renderer(), painter, target, document.Live(), options);
  });
  // The card takes the sheet's size as Card Properties gives it a size: one step to undo.
  dialog.SetCard(document.Live(), [&document](const CardState& resized) {
    const CardDocument::ChangeScope scope(document);
    document.SetLive(resized);
    document.DropBackgroundCache();
    document.RecordEdit();
    return ToQImage(document.RenderPrintImage());
  });
  if (document.HasBack()) {
    dialog.PrintBacks(
        [&document, &backRenderer] {
          backRenderer.DropBackgroundCache();
          return ToQImage(backRenderer.RenderPrintImage(BackFaceOf(document.LiveCard())));
        },
        [&document, &backRenderer](QPainter& painter, const QRectF& target, int, int, int,
                                   const CardPaintOptions& options) {
          PaintCard(backRenderer, painter, target, BackFaceOf(document.LiveCard()), options);
        });
  }
  prompts.Run(dialog);
}

void RunPrintSetup(QWidget* owner, PrinterChoice& printer, Prompts& prompts) {
  QPrinter setup(QPrinter::HighResolution);
  printer.SetUp(setup);
  QPrintDialog dialog(&setup, owner);
  dialog.setWindowTitle(Tr("Print Setup"));
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  // Setting up prints nothing: the button that closes the dialog says so.
  if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
    for (QAbstractButton* button : buttons->buttons()) {
      if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole) {
        button->setText(Tr("OK"));
      }
    }
  }
  if (prompts.Run(dialog) == QDialog::Accepted) printer.Take(setup);
}

}  // namespace tavolo
