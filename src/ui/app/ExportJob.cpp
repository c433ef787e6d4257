#include "ui/app/ExportJob.h"

#include <QCursor>
#include <QGuiApplication>

namespace tavolo {

ExportJob::ExportJob(CardDocument& document, std::filesystem::path file, int format, int quality,
                     QObject* parent)
    : QObject(parent), file_(std::move(file)) {
  clock_.start();
  busyTimer_.setSingleShot(true);
  connect(&busyTimer_, &QTimer::timeout, this, &ExportJob::ShowBusy);

  Outcome<QImage> rendered = RenderCardForExport(document.Renderer(), document.Live());
  if (!rendered) {
    // Told once the caller listens, as every other end of the export is.
    QTimer::singleShot(0, this, [this, failure = Failure{rendered.Message()}] { Finish(failure); });
    return;
  }
  const int dpi = document.Live().dpi;
  const qint64 spent = clock_.elapsed();
  if (spent >= kBusyCursorMs) {
    ShowBusy();
  } else {
    busyTimer_.start(static_cast<int>(kBusyCursorMs - spent));
  }

  writing_.Start(
      // The card is handed on, not shared, so the writer can let it go once it is converted.
      [card = std::move(rendered).Value(), target = file_, format, quality, dpi]() mutable {
        return WriteExportImage(std::move(card), target, format, quality, dpi,
                                ExportReporting::kResultOnly);
      },
      [this](Outcome<> written) { Finish(std::move(written)); });
}

ExportJob::~ExportJob() {
  if (busy_) QGuiApplication::restoreOverrideCursor();
}

void ExportJob::ShowBusy() {
  if (busy_ || finished_) return;
  busy_ = true;
  QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
}

void ExportJob::Finish(Outcome<> result) {
  busyTimer_.stop();
  if (busy_) {
    busy_ = false;
    QGuiApplication::restoreOverrideCursor();
  }
  result_ = std::move(result);
  finished_ = true;
  Q_EMIT finished();
}

}  // namespace tavolo
