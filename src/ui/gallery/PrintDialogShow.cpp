#include "ui/gallery/PrintDialogShow.h"

#include <QCheckBox>
#include <QComboBox>
#include <cstdio>

#include "core/base/ProgramFolder.h"
#include "core/io/ProjectFile.h"
#include "core/library/BackgroundLibrary.h"

namespace tavolo {

namespace {

Print_PreviewDlg* Fail(const QString& message) {
  std::fprintf(stderr, "%s\n", qPrintable(message));
  return nullptr;
}

template <class Widget>
Widget* Control(QWidget& dialog, int id) {
  return dialog.findChild<Widget*>(QString::number(id));
}

}  // namespace

Print_PreviewDlg* PrintDialogShow::Open(const Request& request) {
  const BackgroundLoadResult library = ReadBGFile(table_);
  if (!library.Ok()) return Fail(QString::fromStdString(library.message));
  CardState card;
  const ReadProjectResult read =
      ReadProject(request.project.toStdString(), card, table_, ReadMode::kKeepOnFileError);
  if (!read.Ok()) {
    return Fail(request.project + QStringLiteral(": ") + ProjectResultMessage(read.result));
  }
  document_ = std::make_unique<CardDocument>(&table_, CustomPhotosFolder());
  document_->LoadProject(card, request.project.toStdString());
  if (!request.paper.isEmpty()) {
    const std::vector<Paper> papers = printer_.Papers();
    const int paper = FindPaper(papers, request.paper);
    if (paper < 0) return Fail(QStringLiteral("No paper is named ") + request.paper);
    printer_.SetPageSize(papers[static_cast<size_t>(paper)].pageSize);
  }
  printImage_ = document_->RenderPrintImage();
  dialog_ = std::make_unique<Print_PreviewDlg>(&printImage_, document_->Live().dpi, printer_);

  if (!request.layout.isEmpty()) {
    // As the user does it: turn the predefined layouts on and pick one.
    Control<QCheckBox>(*dialog_, Print_PreviewDlg::kUsePredefined)->click();
    auto* layouts = Control<QComboBox>(*dialog_, Print_PreviewDlg::kLayoutList);
    const int layout = layouts->findText(request.layout);
    if (layout < 0) return Fail(QStringLiteral("No page layout is named ") + request.layout);
    layouts->setCurrentIndex(layout);
    Q_EMIT layouts->activated(layout);
  }
  return dialog_.get();
}

}  // namespace tavolo
