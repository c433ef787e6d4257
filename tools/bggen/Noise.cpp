#include "Noise.h"

#include <cmath>

namespace tavolo::bggen {

uint32_t HashPoint(int32_t x, int32_t y, uint32_t seed) {
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

float HashUnit(int32_t x, int32_t y, uint32_t seed) {
  return static_cast<float>(HashPoint(x, y, seed) >> 8) * (1.0f / 16777216.0f);
}

float ValueNoise(float x, float y, uint32_t seed) {
  const float fx = std::floor(x);
  const float fy = std::floor(y);
  const auto ix = static_cast<int32_t>(fx);
  const auto iy = static_cast<int32_t>(fy);
  const float tx = x - fx;
  const float ty = y - fy;
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

float Fbm(float x, float y, int octaves, uint32_t seed, float gain) {
  // Turning by about 37 degrees per octave hides the axis-aligned lattice of value noise.
  constexpr float kCos = 0.8f;
  constexpr float kSin = 0.6f;
  float sum = 0.0f;
  float weight = 1.0f;
  float total = 0.0f;
  for (int i = 0; i < octaves; ++i) {
    sum += weight * ValueNoise(x, y, seed + static_cast<uint32_t>(i) * 1013u);
    total += weight;
    weight *= gain;
    const float nx = (kCos * x - kSin * y) * 2.0f + 17.3f;
    const float ny = (kSin * x + kCos * y) * 2.0f - 9.1f;
    x = nx;
    y = ny;
  }
  return sum / total;
}

uint32_t Random::Next() {
  state_ += 0x9E3779B97F4A7C15ull;
  uint64_t z = state_;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
}

float Random::Unit() {
  return static_cast<float>(Next() >> 8) * (1.0f / 16777216.0f);
}

}  // namespace tavolo::bggen
