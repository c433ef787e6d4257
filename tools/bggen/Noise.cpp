#include "Noise.h"

#include <cmath>

namespace tavolo::bggen {

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
