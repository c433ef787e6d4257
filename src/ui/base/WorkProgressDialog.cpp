#include "ui/base/WorkProgressDialog.h"

#include <QProgressDialog>

#include "core/base/Translation.h"

namespace tavolo {

namespace {

constexpr int kUpdateMs = 100;
// The dialog's bar counts in thousandths of the work.
constexpr int kSteps = 1000;

}  // namespace

WorkProgressDialog::WorkProgressDialog(QWidget* owner, const QString& label)
    : dialog_(std::make_unique<QProgressDialog>(label, Tr("Cancel"), 0, kSteps, owner)) {
  progress_ = [this](uint64_t done, uint64_t total) {
    done_ = done;
    total_ = total;
    return !cancelled_;
  };
  dialog_->setWindowTitle(QStringLiteral("Tavolo"));
  dialog_->setWindowModality(Qt::WindowModal);
  dialog_->setAutoClose(false);
  dialog_->setAutoReset(false);
  dialog_->setMinimumDuration(kShowAfterMs);
  dialog_->setValue(0);
  QObject::connect(dialog_.get(), &QProgressDialog::canceled, [this] { cancelled_ = true; });
  QObject::connect(&timer_, &QTimer::timeout, [this] { Update(); });
  timer_.start(kUpdateMs);
}

WorkProgressDialog::~WorkProgressDialog() {
  timer_.stop();
  dialog_->close();
}

void WorkProgressDialog::SetLabel(const QString& label) {
  dialog_->setLabelText(label);
}

void WorkProgressDialog::Update() {
  const uint64_t total = total_;
  if (total == 0 || dialog_->wasCanceled()) return;
  dialog_->setValue(static_cast<int>(std::min<uint64_t>(done_, total) * kSteps / total));
}

}  // namespace tavolo
