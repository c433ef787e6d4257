// The printer the Print command prints on: the one chosen in Print Setup, else the system's
// default printer. With no printer installed it is the PDF printer, which writes the sheets to a
// PDF file, so printing always works. The main window owns one for the session; the choice is
// not kept between runs.
#pragma once

#include <optional>
#include <vector>

#include <QPageSize>
#include <QPrinter>
#include <QString>

#include "core/print/PaperCatalogue.h"

namespace tavolo {

// Where a PDF goes when nothing better is known: "cards.pdf" in the home folder.
QString DefaultPdfFileName();

class PrinterChoice {
 public:
  // The printer that Print uses now: the chosen one while it is installed, else the default
  // printer, else the first installed one; empty for the PDF printer.
  QString PrinterName() const;
  bool IsPdf() const { return PrinterName().isEmpty(); }
  // What the user knows the printer by: its description, or "PDF file".
  QString Description() const;

  // The printer's papers in its own order. The PDF printer offers Qt's standard page sizes, A4
  // or Letter first by the locale.
  std::vector<Paper> Papers() const;
  // Its current paper: the one chosen in Print Setup, else the printer's default (the first of
  // the PDF printer's papers).
  QPageSize CurrentPageSize() const;
  void SetPageSize(const QPageSize& pageSize) { pageSize_ = pageSize; }

  // The PDF file Print Setup named, offered when Print asks where to write; may be empty.
  const QString& PdfFileName() const { return pdfFile_; }

  // Prints to PDF files from now on, as choosing to print to a file in Print Setup does; the
  // tests print so, whatever printers the machine has.
  void ChoosePdf() { pdfChosen_ = true; }

  // Print Setup: `printer` shows the choice so far; Take keeps what the user chose in it.
  void SetUp(QPrinter& printer) const;
  void Take(const QPrinter& printer);

  // Colour or grey, as Print Setup chose; the PDF printer's sheets follow it too.
  QPrinter::ColorMode ColorMode() const { return colorMode_; }

  // A print job on a printer (not the PDF printer): the current printer with the colour and
  // duplex chosen in Print Setup, one copy.
  void ConfigureJob(QPrinter& printer) const;

 private:
  QString chosenPrinter_;   // empty: the default printer
  bool pdfChosen_ = false;  // Print Setup chose printing to a file
  std::optional<QPageSize> pageSize_;
  QPrinter::ColorMode colorMode_ = QPrinter::Color;
  QPrinter::DuplexMode duplex_ = QPrinter::DuplexNone;
  QString pdfFile_;
};

}  // namespace tavolo
