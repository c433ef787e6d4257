#include "ui/app/MergeExportJob.h"

#include <cerrno>
#include <system_error>

#include <QTimer>

#include "core/formats/ImageExport.h"
#include "core/merge/MergedCard.h"

namespace tavolo {

MergeExportJob::MergeExportJob(CardRenderer& renderer, const CardState& card,
                               const MergeRecords& records, Options options, QObject* parent)
    : QObject(parent),
      renderer_(renderer),
      card_(card),
      records_(records),
      options_(std::move(options)),
      names_(options_.pattern) {}

MergeExportJob::~MergeExportJob() = default;

void MergeExportJob::Start() {
  QTimer::singleShot(0, this, &MergeExportJob::Step);
}

void MergeExportJob::Step() {
  retired_.reset();
  if (finished_ || writing_) return;
  if (cancelled_ || done_ >= records_.Count()) {
    Finish();
    return;
  }
  const MergeRecord record = records_.At(done_);
  const std::filesystem::path file = names_.Next(record.details);
  std::error_code error;
  if (options_.existing == ExistingMergeFiles::kSkip &&
      std::filesystem::exists(std::filesystem::symlink_status(file, error))) {
    Written(Failure{{}, EEXIST});
    return;
  }
  const CardState card = MergedCard(card_, record.details);
  Outcome<QImage> image = RenderCardForExport(renderer_, card);
  if (!image) {
    result_ = Failure{image.Message()};
    Finish();
    return;
  }
  const ExistingFile existing = options_.existing == ExistingMergeFiles::kReplace
                                    ? ExistingFile::kReplace
                                    : ExistingFile::kKeep;
  writing_ = std::make_unique<BackgroundWork<Outcome<>>>();
  writing_->Start(
      [image = std::move(image).Value(), file, format = options_.format, quality = options_.quality,
       dpi = card.dpi, existing]() mutable {
        MakeFolderOf(file);
        return WriteExportImage(std::move(image), file, format, quality, dpi,
                                ExportReporting::kResultOnly, existing);
      },
      [this](Outcome<> saved) {
        retired_ = std::move(writing_);
        Written(saved);
      });
}

void MergeExportJob::Written(const Outcome<>& saved) {
  ++done_;
  if (saved) {
    ++written_;
  } else if (!(saved.Error() == EEXIST && options_.existing == ExistingMergeFiles::kSkip)) {
    result_ = Failure{saved.Message(), saved.Error()};
    Finish();
    return;
  }
  Q_EMIT progressed(done_, records_.Count());
  QTimer::singleShot(0, this, &MergeExportJob::Step);
}

void MergeExportJob::Finish() {
  if (finished_) return;
  finished_ = true;
  if (result_) result_ = written_;
  Q_EMIT finished();
}

}  // namespace tavolo
