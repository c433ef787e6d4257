// The main window as the user meets it, at 1280 × 800 on the shipped backgrounds: one keystroke
// in a field editor to the repainted preview, one step of a tint slider's drag to the repainted
// preview, and start-up (reading the background library, building the window) to the window
// shown and painted. Every event the step causes is processed before the clock stops.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <memory>

#include "BenchCards.h"
#include "core/library/BackgroundLibrary.h"
#include "ui/app/FieldPanel.h"
#include "ui/app/MainWindow.h"
#include "ui/app/MainWindowPlacement.h"
#include "ui/card/CardPreview.h"

namespace {

using namespace tavolo;

constexpr QSize kScreen(1280, 800);

// The shipped library read as the program reads it, once for the benchmarks that need it.
BackgroundTable& ShippedBackgrounds() {
  static BackgroundTable table = [] {
    BackgroundTable t;
    ReadBGFileIn(t, bench::BinFolder());
    return t;
  }();
  return table;
}

// A started window, shown at the benchmark size with the default background.
std::unique_ptr<MainWindow> ShownWindow(BackgroundTable& table) {
  auto window = std::make_unique<MainWindow>(table);
  window->resize(kScreen);
  window->Start();
  window->show();
  if (!QTest::qWaitForWindowExposed(window.get())) return nullptr;
  QCoreApplication::processEvents();
  return window;
}

void BM_KeystrokeToRepaintedPreview(benchmark::State& state) {
  bench::EnsureApplication<QApplication>();
  const auto window = ShownWindow(ShippedBackgrounds());
  if (!window || ShippedBackgrounds().Count() == 0) {
    state.SkipWithError("no window or no shipped backgrounds");
    return;
  }
  QPlainTextEdit* editor = window->Fields().Editor(1);
  editor->setFocus();
  editor->moveCursor(QTextCursor::End);
  bool type = true;
  for (auto _ : state) {
    // A letter, then its removal: every iteration is one keystroke and the text stays short.
    QTest::keyClick(editor, type ? Qt::Key_A : Qt::Key_Backspace);
    QCoreApplication::processEvents();
    type = !type;
  }
  state.counters["ndiv"] = window->Preview().Geometry().divisor;
  state.counters["previewWidth"] = window->Preview().width();
}
BENCHMARK(BM_KeystrokeToRepaintedPreview)->Unit(benchmark::kMillisecond);

void BM_SliderDragStepToRepaintedPreview(benchmark::State& state) {
  bench::EnsureApplication<QApplication>();
  const auto window = ShownWindow(ShippedBackgrounds());
  if (!window || ShippedBackgrounds().Count() == 0) {
    state.SkipWithError("no window or no shipped backgrounds");
    return;
  }
  QWidget* hue = window->Control(kHueSlider);
  QTest::mousePress(hue, Qt::LeftButton, {}, QPoint(10, 10));
  const int range = hue->width() - 20;
  int step = 0;
  for (auto _ : state) {
    // Back and forth across the slider, a few pixels at a time, as a hand drags.
    const int x = 10 + (step * 7) % (2 * range);
    const QPointF at(x < range + 10 ? x : 2 * range + 20 - x, 10);
    QMouseEvent move(QEvent::MouseMove, at, hue->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(hue, &move);
    QCoreApplication::processEvents();
    ++step;
  }
  QTest::mouseRelease(hue, Qt::LeftButton, {}, QPoint(10, 10));
  state.counters["backgroundBuilds"] = window->Document().Renderer().GetStats().backgroundBuilds;
}
BENCHMARK(BM_SliderDragStepToRepaintedPreview)->Unit(benchmark::kMillisecond);

void BM_StartUpToMainWindowShown(benchmark::State& state) {
  bench::EnsureApplication<QApplication>();
  for (auto _ : state) {
    auto table = std::make_unique<BackgroundTable>();
    const BackgroundLoadResult loaded = ReadBGFileIn(*table, bench::BinFolder());
    if (!loaded.Ok()) {
      state.SkipWithError(loaded.message.c_str());
      return;
    }
    auto window = ShownWindow(*table);
    if (!window) {
      state.SkipWithError("the window was not shown");
      return;
    }
    // Closing down is not part of starting up.
    state.PauseTiming();
    window.reset();
    table.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartUpToMainWindowShown)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
