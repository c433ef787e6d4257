// The print dialog on a project's card, as the Print command opens it, without the main window:
// to look at it and to capture it for the documentation.
#pragma once

#include <QString>
#include <memory>

#include "core/card/CardDocument.h"
#include "core/imaging/RasterImage.h"
#include "core/library/BackgroundTable.h"
#include "ui/library/Print_PreviewDlg.h"
#include "ui/library/PrinterChoice.h"

namespace tavolo {

class PrintDialogShow {
 public:
  struct Request {
    QString project;  // a .tvc or .tvt file
    QString paper;    // the printer's current paper: a name or key ("A4"); empty: the default
    QString layout;   // a predefined page layout to choose; empty: none
  };

  // The dialog on the request's card, not yet shown; null with a message on standard error when
  // the project, the paper or the layout cannot be had. It lives as long as this object.
  Print_PreviewDlg* Open(const Request& request);

 private:
  BackgroundTable table_;
  PrinterChoice printer_;
  std::unique_ptr<CardDocument> document_;
  RasterImage printImage_;
  std::unique_ptr<Print_PreviewDlg> dialog_;
};

}  // namespace tavolo
