// A merge exported as one image per record while the window stays responsive: each card is drawn
// on the user-interface thread (the renderer and its caches belong there), then encoded and
// written on a worker thread while the next event is handled. Cancel stops it after the file
// being written, which appears whole; no file ever appears half written.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include <QObject>

#include "core/merge/MergeExport.h"
#include "core/merge/MergeRecords.h"
#include "core/merge/RecordFileNames.h"
#include "core/render/CardRenderer.h"
#include "ui/base/BackgroundWork.h"

namespace tavolo {

class MergeExportJob : public QObject {
  Q_OBJECT

 public:
  struct Options {
    std::string pattern;
    int format = 0;
    int quality = 0;
    ExistingMergeFiles existing = ExistingMergeFiles::kRefuse;
  };

  // `renderer`, `card` and `records` must outlive the job.
  MergeExportJob(CardRenderer& renderer, const CardState& card, const MergeRecords& records,
                 Options options, QObject* parent = nullptr);
  ~MergeExportJob() override;

  void Start();
  // Stops after the file being written; once finished, nothing.
  void Cancel() { cancelled_ = cancelled_ || !finished_; }

  bool IsFinished() const { return finished_; }
  bool WasCancelled() const { return cancelled_; }
  // How the export ended: the files written, or the first failure; meaningful once finished.
  const Outcome<size_t>& Result() const { return result_; }
  size_t Written() const { return written_; }
  // The records handled so far, written or passed over.
  size_t Done() const { return done_; }

 Q_SIGNALS:
  void progressed(size_t done, size_t total);
  void finished();

 private:
  void Step();
  void Written(const Outcome<>& saved);
  void Finish();

  CardRenderer& renderer_;
  const CardState& card_;
  const MergeRecords& records_;
  Options options_;
  RecordFileNames names_;
  std::unique_ptr<BackgroundWork<Outcome<>>> writing_;
  // The writer of the file before, let go once its own signal has returned.
  std::unique_ptr<BackgroundWork<Outcome<>>> retired_;
  size_t done_ = 0;
  size_t written_ = 0;
  bool cancelled_ = false;
  bool finished_ = false;
  Outcome<size_t> result_ = size_t{0};
};

}  // namespace tavolo
