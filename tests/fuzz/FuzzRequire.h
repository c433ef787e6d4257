// A promise a fuzz target makes of what it reads: broken, it stops the run where libFuzzer shows
// it.
#pragma once

inline void Require(bool condition) {
  if (!condition) __builtin_trap();
}
