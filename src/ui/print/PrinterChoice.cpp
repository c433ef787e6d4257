#include "ui/print/PrinterChoice.h"

#include "core/base/Translation.h"

#include <QDir>
#include <QPageLayout>
#include <QPrinterInfo>

namespace tavolo {

namespace {

QPrinterInfo InstalledPrinter(const QString& name) {
  return name.isEmpty() ? QPrinterInfo() : QPrinterInfo::printerInfo(name);
}

}  // namespace

QString DefaultPdfFileName() {
  return QDir::home().filePath(QStringLiteral("cards.pdf"));
}

QString PrinterChoice::PrinterName() const {
  if (pdfChosen_) return {};
  // A printer removed since Print Setup gives way to the default one.
  if (!InstalledPrinter(chosenPrinter_).isNull()) return chosenPrinter_;
  const QPrinterInfo system = QPrinterInfo::defaultPrinter();
  if (!system.isNull()) return system.printerName();
  const QStringList installed = QPrinterInfo::availablePrinterNames();
  return installed.isEmpty() ? QString() : installed.first();
}

QString PrinterChoice::Description() const {
  const QString name = PrinterName();
  if (name.isEmpty()) return Tr("PDF file");
  const QString description = InstalledPrinter(name).description();
  return description.isEmpty() ? name : description;
}

std::vector<Paper> PrinterChoice::Papers() const {
  const QString name = PrinterName();
  if (name.isEmpty()) return PaperCatalogue();
  return PapersFromPageSizes(InstalledPrinter(name).supportedPageSizes());
}

QPageSize PrinterChoice::CurrentPageSize() const {
  if (pageSize_ && pageSize_->isValid()) return *pageSize_;
  const QString name = PrinterName();
  if (name.isEmpty()) return PaperCatalogue().front().pageSize;
  return InstalledPrinter(name).defaultPageSize();
}

void PrinterChoice::SetUp(QPrinter& printer) const {
  const QString name = PrinterName();
  if (name.isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfFile_.isEmpty() ? DefaultPdfFileName() : pdfFile_);
  } else {
    printer.setPrinterName(name);
  }
  printer.setPageSize(CurrentPageSize());
  printer.setColorMode(colorMode_);
  printer.setDuplex(duplex_);
}

void PrinterChoice::Take(const QPrinter& printer) {
  pdfChosen_ = printer.outputFormat() == QPrinter::PdfFormat;
  if (pdfChosen_) {
    pdfFile_ = printer.outputFileName();
  } else {
    chosenPrinter_ = printer.printerName();
  }
  pageSize_ = printer.pageLayout().pageSize();
  colorMode_ = printer.colorMode();
  duplex_ = printer.duplex();
}

void PrinterChoice::ConfigureJob(QPrinter& printer) const {
  printer.setPrinterName(PrinterName());
  printer.setCreator(QStringLiteral("Tavolo"));
  printer.setColorMode(colorMode_);
  printer.setDuplex(duplex_);
  printer.setCopyCount(1);
}

}  // namespace tavolo
