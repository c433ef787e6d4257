// Slow work done off the user-interface thread, its result handed back to the thread that started
// it: the one way the windows read at start-up and write exports while they stay responsive. The
// work must not touch widgets; what it needs it takes by value or from objects that outlive it.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>

namespace tavolo {

template <typename Result>
class BackgroundWork {
 public:
  BackgroundWork() = default;
  // Waits for work still running; its result is then not handed back.
  ~BackgroundWork() { Wait(); }
  BackgroundWork(const BackgroundWork&) = delete;
  BackgroundWork& operator=(const BackgroundWork&) = delete;

  // Runs `work` on a worker thread and gives its result to `done` on this thread, from the event
  // loop. Called once per object.
  void Start(std::function<Result()> work, std::function<void(Result)> done) {
    // The result travels beside the future rather than in it, so that it is moved, never copied.
    auto result = std::make_shared<std::optional<Result>>();
    QObject::connect(&watcher_, &QFutureWatcherBase::finished, &watcher_,
                     [result, done = std::move(done)] { done(std::move(**result)); });
    auto promise = std::make_shared<QPromise<void>>();
    watcher_.setFuture(promise->future());
    promise->start();
    QThreadPool::globalInstance()->start([promise, result, work = std::move(work)] {
      result->emplace(work());
      promise->finish();
    });
  }

  bool IsRunning() const { return watcher_.isRunning(); }
  // Blocks until the work has ended; `done` still comes from the event loop.
  void Wait() { watcher_.waitForFinished(); }

 private:
  QFutureWatcher<void> watcher_;
};

}  // namespace tavolo
