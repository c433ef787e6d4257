// The main window as the user meets it, at 1280 × 800 on the shipped backgrounds: one keystroke
// in a field editor to the repainted preview, one step of a tint slider's drag to the repainted
// preview, start-up (reading the background library, building the window) to the window shown
// and painted, and opening a project whose SVG logo would keep the painter busy for a minute to
// the window painted again. Every event the step causes is processed before the clock stops. The
// user's folders are a private temporary one.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>

#include "BenchCards.h"
#include "core/base/ProgramFolder.h"
#include "core/formats/ProjectFile.h"
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
    // A library that does not load shows in the window benchmarks as empty backgrounds.
    static_cast<void>(ReadBGFileIn(t, bench::BinFolder()));
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
  for (auto _ : state) {
    auto table = std::make_unique<BackgroundTable>();
    const BackgroundLoading loaded = ReadBGFileIn(*table, bench::BinFolder());
    if (!loaded.Ok()) {
      state.SkipWithError(loaded.Message().c_str());
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

// One path of 20,000 segments from corner to corner under a wide stroke: a minute of the raster
// painter's time at the logo's size, had its cost not been counted first.
void BM_OpenProjectWithCostlySvgLogoToPainted(benchmark::State& state) {
  const auto window = ShownWindow(ShippedBackgrounds());
  if (!window || ShippedBackgrounds().Count() == 0) {
    state.SkipWithError("no window or no shipped backgrounds");
    return;
  }
  const std::filesystem::path photos = CustomPhotosFolder().user;
  std::error_code ec;
  std::filesystem::create_directories(photos, ec);
  std::string path = "M0 0";
  uint32_t seed = 1;
  for (int i = 0; i < 20000; ++i) {
    seed = seed * 1664525u + 1013904223u;
    path += " L" + std::to_string(seed >> 25) + " " + std::to_string((seed >> 18) % 100);
  }
  std::ofstream(photos / "costly.svg")
      << R"(<svg xmlns="http://www.w3.org/2000/svg" width="100" height="100">)"
      << R"(<path fill="none" stroke="#000" stroke-width="30" d=")" << path << R"("/></svg>)";
  CardState card = bench::BenchCard();
  card.logo.name = QStringLiteral("costly.svg");
  card.logo.width = card.logo.height = 300;
  card.logo.x = 531;
  card.logo.y = 307;
  const std::filesystem::path project = photos.parent_path() / "costly.tvc";
  if (!WriteProject(project, card, ShippedBackgrounds()).Ok()) {
    state.SkipWithError("the project could not be written");
    return;
  }
  for (auto _ : state) {
    // As a window that has not drawn the logo yet.
    state.PauseTiming();
    window->Document().Renderer().ReloadPictures();
    state.ResumeTiming();
    if (!window->OpenProject(project)) {
      state.SkipWithError("the project did not open");
      return;
    }
    window->repaint();
    QCoreApplication::processEvents();
  }
  state.counters["logoRefused"] =
      window->Document().Renderer().LoadError(PictureKind::kLogo).empty() ? 0 : 1;
}
BENCHMARK(BM_OpenProjectWithCostlySvgLogoToPainted)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // The user's folders: a temporary one, which the benchmarks may write into.
  std::string home = (std::filesystem::temp_directory_path() / "tavolo-bench-XXXXXX").string();
  if (::mkdtemp(home.data()) == nullptr) return 1;
  ::setenv("XDG_DATA_HOME", home.c_str(), 1);
  const int status = tavolo::bench::RunWithApplication<QApplication>(argc, argv);
  std::error_code ignored;
  std::filesystem::remove_all(home, ignored);
  return status;
}
