// Slow work of the engine run off the user-interface thread while the window waits for it: a
// progress dialog (shown only when the work takes longer than a moment) says how far it is, and
// its Cancel asks the work to stop. The window stays painted and answers Escape throughout.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include <QEventLoop>
#include <QString>
#include <QTimer>

#include "ui/base/BackgroundWork.h"

class QProgressDialog;
class QWidget;

namespace tavolo {

// What the work is told to report through: `done` of `total`; false once the user cancelled.
using WorkProgress = std::function<bool(uint64_t done, uint64_t total)>;

class WorkProgressDialog {
 public:
  static constexpr int kShowAfterMs = 400;

  WorkProgressDialog(QWidget* owner, const QString& label);
  ~WorkProgressDialog();
  WorkProgressDialog(const WorkProgressDialog&) = delete;
  WorkProgressDialog& operator=(const WorkProgressDialog&) = delete;

  // Safe to call from the worker thread.
  const WorkProgress& Progress() const { return progress_; }
  bool Cancelled() const { return cancelled_; }
  void Cancel() { cancelled_ = true; }
  // Shows `label` from now on.
  void SetLabel(const QString& label);

 private:
  void Update();

  std::unique_ptr<QProgressDialog> dialog_;
  QTimer timer_;
  std::atomic<uint64_t> done_{0};
  std::atomic<uint64_t> total_{0};
  std::atomic<bool> cancelled_{false};
  WorkProgress progress_;
};

// Runs `work` on a worker thread with a progress dialog labelled `label`, and answers its result
// once it has ended; the events of the window are handled meanwhile. The work learns of Cancel
// through the progress it is handed.
template <typename Result>
Result RunWithProgress(QWidget* owner, const QString& label,
                       std::function<Result(const WorkProgress&)> work) {
  WorkProgressDialog progress(owner, label);
  std::optional<Result> result;
  QEventLoop loop;
  BackgroundWork<Result> background;
  background.Start([&progress, work = std::move(work)] { return work(progress.Progress()); },
                   [&result, &loop](Result done) {
                     result.emplace(std::move(done));
                     loop.quit();
                   });
  loop.exec();
  return std::move(*result);
}

}  // namespace tavolo
