// The loading window "Loading... Please Wait" at start-up: it shows the loading picture while
// the background library and every template are read on a worker thread (the window stays
// responsive), and closes as accepted once the reading is done and more than 5 seconds have
// passed since it opened; the caller then opens the template library. A click or a key other
// than Escape drops the rest of the 5 seconds. Closed by the user (close box or Escape) it waits
// for the reading and closes as rejected. TAVOLO_NO_SPLASH_WAIT=1 drops the 5 seconds.
#pragma once

#include <QDialog>
#include <QImage>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "core/library/BackgroundLibrary.h"
#include "core/library/TemplateTable.h"
#include "ui/base/BackgroundWork.h"

namespace tavolo {

class BackgroundTable;
class Prompts;

class LoadingWindow : public QDialog {
  Q_OBJECT

 public:
  static constexpr QSize kClientSize{751, 501};
  static constexpr int kTickMilliseconds = 30;
  static constexpr qint64 kLoadingMinimumMilliseconds = 5000;

  // Milliseconds of a steady clock; tests hand in one they move themselves.
  using Clock = std::function<qint64()>;

  // Fills `backgrounds` and the template table; every message goes through `prompts`. Both must
  // outlive the window.
  LoadingWindow(BackgroundTable& backgrounds, Prompts& prompts, QWidget* parent = nullptr,
                Clock clock = {});
  ~LoadingWindow() override;
  LoadingWindow(const LoadingWindow&) = delete;
  LoadingWindow& operator=(const LoadingWindow&) = delete;

  // The background library and the templates are still being read (or are yet to be).
  bool IsReading() const { return reading_ || !readingStarted_; }

 public Q_SLOTS:
  // The close box and Escape: the window closes as soon as the reading is done.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct Reading {
    BackgroundLoading backgrounds;
    TemplateReload templates;
  };

  void StartReading();
  void FinishReading(const Reading& reading);
  void Tell(const std::vector<std::string>& messages);
  void OnTick();

  BackgroundTable& backgrounds_;
  Prompts& prompts_;
  Clock clock_;
  bool waitOut_;
  bool readingStarted_ = false;
  bool reading_ = false;
  bool closeWhenRead_ = false;
  bool dismissed_ = false;
  QTimer timer_;
  qint64 startTime_ = 0;
  QImage loadingPicture_;
  // Last, so that it goes first: it waits for a reading still running.
  BackgroundWork<Reading> reader_;
};

// True unless the environment variable TAVOLO_NO_SPLASH_WAIT is "1".
bool LoadingWaitWanted();

}  // namespace tavolo
