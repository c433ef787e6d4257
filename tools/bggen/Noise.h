// Deterministic noise for the background generator: a lattice hash, value noise, fractal sums and a
// small random sequence. Everything is seeded explicitly so every build draws the same pictures.
#pragma once

#include <cstdint>

namespace tavolo::bggen {

uint32_t HashPoint(int32_t x, int32_t y, uint32_t seed);
// The hash of a lattice point scaled to 0..1.
float HashUnit(int32_t x, int32_t y, uint32_t seed);
// Smooth value noise on 0..1 with one lattice cell per unit.
float ValueNoise(float x, float y, uint32_t seed);
// Octaves of value noise, each at twice the frequency and `gain` times the weight of the one
// before, turned a little each time so the lattice never lines up; normalised to 0..1.
float Fbm(float x, float y, int octaves, uint32_t seed, float gain = 0.5f);

// splitmix64: for placing shapes.
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  uint32_t Next();
  // Uniform on [0, 1).
  float Unit();
  float Range(float lo, float hi) { return lo + (hi - lo) * Unit(); }
  int Below(int n) { return static_cast<int>(Next() % static_cast<uint32_t>(n)); }

 private:
  uint64_t state_;
};

}  // namespace tavolo::bggen
