// Deterministic noise for the background generator: a lattice hash, value noise, fractal sums and a
// small random sequence. Everything is seeded explicitly so every build draws the same pictures.
#pragma once

#include <cstdint>

namespace tavolo::bggen {

// These three run for every pixel of every background, so they live here to be inlined.

inline uint32_t HashPoint(int32_t x, int32_t y, uint32_t seed) {
  uint32_t h = seed * 0x9E3779B9u + 0x7F4A7C15u;
  h ^= static_cast<uint32_t>(x) * 0x85EBCA6Bu;
  h = (h << 13) | (h >> 19);
  h ^= static_cast<uint32_t>(y) * 0xC2B2AE35u;
  h *= 0x27D4EB2Fu;
  h ^= h >> 15;
  h *= 0x85EBCA6Bu;
  h ^= h >> 13;
  h *= 0xC2B2AE35u;
  h ^= h >> 16;
  return h;
}

// The hash of a lattice point scaled to 0..1.
inline float HashUnit(int32_t x, int32_t y, uint32_t seed) {
  return static_cast<float>(HashPoint(x, y, seed) >> 8) * (1.0f / 16777216.0f);
}

// Smooth value noise on 0..1 with one lattice cell per unit.
inline float ValueNoise(float x, float y, uint32_t seed) {
  // Floor by truncation: std::floor is a library call on the baseline instruction set.
  auto ix = static_cast<int32_t>(x);
  auto iy = static_cast<int32_t>(y);
  ix -= x < static_cast<float>(ix) ? 1 : 0;
  iy -= y < static_cast<float>(iy) ? 1 : 0;
  const float tx = x - static_cast<float>(ix);
  const float ty = y - static_cast<float>(iy);
  // Quintic fade: no visible creases along the lattice lines.
  const float u = tx * tx * tx * (tx * (tx * 6.0f - 15.0f) + 10.0f);
  const float v = ty * ty * ty * (ty * (ty * 6.0f - 15.0f) + 10.0f);
  const float a = HashUnit(ix, iy, seed);
  const float b = HashUnit(ix + 1, iy, seed);
  const float c = HashUnit(ix, iy + 1, seed);
  const float d = HashUnit(ix + 1, iy + 1, seed);
  const float top = a + (b - a) * u;
  const float bottom = c + (d - c) * u;
  return top + (bottom - top) * v;
}

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
