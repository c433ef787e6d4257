// Snapping a dragged object among 200 others: the work of one mouse move while dragging or
// resizing, and how many heap allocations it makes (the goal is none), counted by a replaced
// operator new.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <vector>

#include "core/editing/SnapGuides.h"

namespace {

// Every allocation of the program goes through the operator new below.
std::atomic<int64_t> allocations{0};

}  // namespace

void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
  std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
  std::free(memory);
}

namespace {

using tavolo::CardRect;

constexpr float kCardWidth = 1050.0f, kCardHeight = 600.0f;
constexpr int kDpi = 300;
constexpr int kObjects = 200;
// Six screen pixels at the preview's divisor of 3.
constexpr float kThreshold = tavolo::kSnapReachScreenPixels * 3.0f;

// The allocations since `before`, per iteration.
void CountAllocations(benchmark::State& state, int64_t before) {
  state.counters["allocations"] = benchmark::Counter(
      static_cast<double>(allocations.load() - before), benchmark::Counter::kAvgIterations);
}

// 200 boxes of assorted sizes scattered over the card, the same on every run.
std::vector<CardRect> Scattered() {
  std::vector<CardRect> boxes;
  uint32_t seed = 12345;
  const auto next = [&seed](float range) {
    seed = seed * 1664525u + 1013904223u;
    return static_cast<float>(seed >> 8) / static_cast<float>(1u << 24) * range;
  };
  for (int i = 0; i < kObjects; ++i) {
    const float width = 10.0f + next(150.0f), height = 8.0f + next(80.0f);
    boxes.push_back({next(kCardWidth - width), next(kCardHeight - height), width, height});
  }
  return boxes;
}

// The pointer's path: a step of a few pixels per mouse move, across the card and back.
CardRect Step(int64_t i, float width, float height) {
  const float t = static_cast<float>(i % 4000);
  return {t < 2000 ? t * 0.47f : (4000 - t) * 0.47f, static_cast<float>(i % 1700) * 0.31f, width,
          height};
}

void BM_SnapMoveStep(benchmark::State& state) {
  tavolo::SnapCandidates lines;
  lines.Build(kCardWidth, kCardHeight, kDpi, Scattered());
  int64_t i = 0, guides = 0;
  const int64_t before = allocations.load();
  for (auto _ : state) {
    const tavolo::SnapResult result =
        tavolo::SnapMove(lines, Step(i++, 120.0f, 60.0f), kThreshold, tavolo::Snapping::kOn);
    guides += result.guideCount;
    benchmark::DoNotOptimize(result);
  }
  CountAllocations(state, before);
  state.counters["guides"] =
      benchmark::Counter(static_cast<double>(guides), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_SnapMoveStep);

void BM_SnapResizeStep(benchmark::State& state) {
  tavolo::SnapCandidates lines;
  lines.Build(kCardWidth, kCardHeight, kDpi, Scattered());
  const CardRect start{100.0f, 100.0f, 120.0f, 60.0f};
  int64_t i = 0;
  const int64_t before = allocations.load();
  for (auto _ : state) {
    const CardRect to = Step(i++, 0.0f, 0.0f);
    benchmark::DoNotOptimize(tavolo::SnapResize(lines, start, tavolo::ResizeHandle::kBottomRight,
                                                to.left, to.top, tavolo::Aspect::kKept, kThreshold,
                                                tavolo::Snapping::kOn));
  }
  CountAllocations(state, before);
}
BENCHMARK(BM_SnapResizeStep);

// Once a drag starts: the lines of the card and of the 200 others gathered and sorted, into new
// buffers (two allocations, which also shows that the count sees them).
void BM_SnapCandidatesBuild(benchmark::State& state) {
  const std::vector<CardRect> others = Scattered();
  const int64_t before = allocations.load();
  for (auto _ : state) {
    tavolo::SnapCandidates lines;
    lines.Build(kCardWidth, kCardHeight, kDpi, others);
    benchmark::DoNotOptimize(lines.Vertical().data());
  }
  CountAllocations(state, before);
}
BENCHMARK(BM_SnapCandidatesBuild);

}  // namespace
