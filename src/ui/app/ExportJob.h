// One Export Image in progress: the card is rendered on the user-interface thread (the renderer
// and its caches belong to the document there), then encoded and written on a worker thread
// while the window stays responsive. A busy cursor shows when the export takes longer than
// 100 ms. The file appears whole or not at all.
#pragma once

#include <filesystem>

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "core/document/CardDocument.h"
#include "core/formats/ImageExport.h"
#include "ui/base/BackgroundWork.h"

namespace tavolo {

class ExportJob : public QObject {
  Q_OBJECT

 public:
  static constexpr int kBusyCursorMs = 100;

  // Renders the document's live card at its full size and starts writing it to `file`.
  ExportJob(CardDocument& document, std::filesystem::path file, int format, int quality,
            QObject* parent = nullptr);
  ~ExportJob() override;

  bool IsFinished() const { return finished_; }
  // What the export came to; meaningful once finished.
  const Outcome<>& Result() const { return result_; }
  const std::filesystem::path& File() const { return file_; }

 Q_SIGNALS:
  void finished();

 private:
  void ShowBusy();
  void Finish(Outcome<> result);

  std::filesystem::path file_;
  Outcome<> result_;
  bool finished_ = false;
  bool busy_ = false;
  QElapsedTimer clock_;
  QTimer busyTimer_;
  BackgroundWork<Outcome<>> writing_;
};

}  // namespace tavolo
