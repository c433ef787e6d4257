// Cards with many placed objects: a card of 200 shapes and text boxes drawn in full from its kept
// background, and one step of a drag at divisor 3, with the heap allocations each step makes:
// the whole preview drawn again for an object moved by a card pixel, and the drag's composite
// (its layers drawn once) laid together for an offset of a preview pixel more.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <new>

#include <QGuiApplication>

#include "BenchCards.h"
#include "core/card/BackgroundTable.h"
#include "core/render/CardRenderer.h"
#include "core/render/DragComposite.h"

namespace {

// Every allocation of the program, so that a step can say how many it made.
std::atomic<int64_t> allocations{0};

}  // namespace

void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using namespace tavolo;

// `count` objects over the bench card: rectangles (some rounded), ellipses, lines and text boxes
// in turn, spread over the card in a grid, every fourth turned.
CardState CardWithObjects(int count) {
  CardState card = bench::BenchCard();
  for (int i = 0; i < count; ++i) {
    const auto kind = std::array{ObjectKind::kRectangle, ObjectKind::kEllipse, ObjectKind::kLine,
                                 ObjectKind::kTextBox}[i % 4];
    PlacedObject object = NewObject(kind, card.cardWidth, card.cardHeight, 100 * (i % 5));
    object.left = static_cast<float>(i % 20) * 52.0f;
    object.top = static_cast<float>(i / 20) * 60.0f;
    object.width = 90.0f;
    object.height = kind == ObjectKind::kLine ? 0.0f : 50.0f;
    object.quarterTurns = i % 4 == 1 ? 1 : 0;
    if (auto* shape = std::get_if<ShapeSource>(&object.source)) {
      shape->fill = qRgb(40 * (i % 6), 200 - i % 100, 120);
      shape->cornerRadius = i % 8 == 0 ? 10.0f : 0.0f;
    } else if (auto* text = std::get_if<TextSource>(&object.source)) {
      text->lines = KeptLines(QStringList{QStringLiteral("Box %1").arg(i), "{Name}"});
      text->style.size = QStringLiteral("14");
    }
    card.objects.push_back(object);
  }
  return card;
}

struct Scene {
  BackgroundTable table;
  Scene() { table.Append({}, bench::NoisyBackground(), 0.0f); }
};

Scene& SharedScene() {
  static Scene scene;
  return scene;
}

void BM_RenderObjectsFullCached(benchmark::State& state) {
  CardRenderer renderer(&SharedScene().table, std::filesystem::temp_directory_path());
  const CardState card = CardWithObjects(static_cast<int>(state.range(0)));
  renderer.Render(card, 1, 1062, 615);
  for (auto _ : state) benchmark::DoNotOptimize(renderer.Render(card, 1, 1062, 615));
}
BENCHMARK(BM_RenderObjectsFullCached)->Arg(0)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_DragObjectStepPreview(benchmark::State& state) {
  CardRenderer renderer(&SharedScene().table, std::filesystem::temp_directory_path());
  CardState card = CardWithObjects(static_cast<int>(state.range(0)));
  renderer.Render(card, 3, 354, 205);
  PlacedObject& dragged = card.objects[card.objects.size() / 2];
  int64_t made = 0;
  for (auto _ : state) {
    const int64_t before = allocations.load(std::memory_order_relaxed);
    dragged.left += 1.0f;
    benchmark::DoNotOptimize(renderer.Render(card, 3, 354, 205));
    made += allocations.load(std::memory_order_relaxed) - before;
  }
  state.counters["allocationsPerStep"] =
      static_cast<double>(made) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_DragObjectStepPreview)->Arg(10)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_DragCompositeStep(benchmark::State& state) {
  CardRenderer renderer(&SharedScene().table, std::filesystem::temp_directory_path());
  const CardState card = CardWithObjects(static_cast<int>(state.range(0)));
  const int dragged = static_cast<int>(card.objects.size() / 2);
  DragComposite composite;
  composite.Start(renderer, card, 3, 354, 205,
                  [dragged](const FaceObject& item) { return item.added == dragged; });
  int shift = 0;
  int64_t made = 0;
  for (auto _ : state) {
    const int64_t before = allocations.load(std::memory_order_relaxed);
    shift = (shift + 1) % 100;
    benchmark::DoNotOptimize(composite.Compose(shift, shift / 3).constBits());
    made += allocations.load(std::memory_order_relaxed) - before;
  }
  state.counters["allocationsPerStep"] =
      static_cast<double>(made) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_DragCompositeStep)->Arg(10)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return tavolo::bench::RunWithApplication<QGuiApplication>(argc, argv);
}
