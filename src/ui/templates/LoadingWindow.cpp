#include "ui/templates/LoadingWindow.h"

#include <QKeyEvent>
#include <QPainter>
#include <chrono>

#include "core/base/ProgramFolder.h"
#include "core/base/Translation.h"
#include "core/base/WindowColour.h"
#include "core/card/BackgroundTable.h"
#include "ui/base/Prompts.h"

namespace tavolo {

namespace {

constexpr int kFirstPaintWaitMilliseconds = 250;

qint64 SteadyMilliseconds() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

bool LoadingWaitWanted() {
  return qgetenv("TAVOLO_NO_SPLASH_WAIT") != "1";
}

LoadingWindow::LoadingWindow(BackgroundTable& backgrounds, Prompts& prompts, QWidget* parent,
                             Clock clock)
    : QDialog(parent),
      backgrounds_(backgrounds),
      prompts_(prompts),
      clock_(clock ? std::move(clock) : Clock(SteadyMilliseconds)),
      waitOut_(LoadingWaitWanted()) {
  setFixedSize(kClientSize);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setWindowTitle(Tr("Loading... Please Wait"));
  loadingPicture_ = QImage(QStringLiteral(":/loading.png"));
  timer_.setInterval(kTickMilliseconds);
  connect(&timer_, &QTimer::timeout, this, &LoadingWindow::OnTick);
}

LoadingWindow::~LoadingWindow() = default;

void LoadingWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (timer_.isActive() || readingStarted_) return;
  startTime_ = clock_();
  timer_.start();
  // The reading starts once the picture is up; should no paint come, it starts all the same.
  QTimer::singleShot(kFirstPaintWaitMilliseconds, this, &LoadingWindow::StartReading);
}

void LoadingWindow::StartReading() {
  if (readingStarted_) return;
  readingStarted_ = true;
  reading_ = true;
  // Determined here, where a failed check can be reported.
  DataFolders();
  reader_.Start(
      [this] {
        // Braces run in order: the templates look their backgrounds up in the table just read.
        return Reading{ReadBGFile(backgrounds_), Templates().Reload(backgrounds_)};
      },
      [this](const Reading& reading) { FinishReading(reading); });
}

void LoadingWindow::FinishReading(const Reading& reading) {
  if (!reading.backgrounds) Tell({reading.backgrounds.Message()});
  Tell(reading.templates.Messages());
  reading_ = false;
  if (closeWhenRead_) {
    timer_.stop();
    QDialog::reject();
    return;
  }
  OnTick();
}

void LoadingWindow::Tell(const std::vector<std::string>& messages) {
  for (const std::string& message : messages) {
    prompts_.Tell(isVisible() ? this : parentWidget(), QString::fromStdString(message),
                  QMessageBox::Warning);
  }
}

void LoadingWindow::OnTick() {
  if (IsReading() || !timer_.isActive()) return;
  if (waitOut_ && !dismissed_ && clock_() - startTime_ <= kLoadingMinimumMilliseconds) return;
  timer_.stop();
  accept();
}

void LoadingWindow::reject() {
  if (IsReading()) {
    closeWhenRead_ = true;
    return;
  }
  timer_.stop();
  QDialog::reject();
}

void LoadingWindow::mousePressEvent(QMouseEvent*) {
  dismissed_ = true;
  OnTick();
}

void LoadingWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    QDialog::keyPressEvent(event);
    return;
  }
  dismissed_ = true;
  OnTick();
}

void LoadingWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(kWindowColour));
  painter.drawImage(0, 0, loadingPicture_);
  if (!readingStarted_) QTimer::singleShot(0, this, &LoadingWindow::StartReading);
}

}  // namespace tavolo
