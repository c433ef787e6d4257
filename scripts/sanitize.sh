#!/usr/bin/env bash
# Builds the whole project with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan and
# runs every test there. Slower than the normal build; run it before trusting changes to code that
# reads files. Extra arguments go to ctest (for example -R test_imaging).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAVOLO_SANITIZE=ON -DTAVOLO_BENCH=OFF "${launcher[@]}"
cmake --build build-asan --parallel 2
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
ctest --test-dir build-asan --output-on-failure --parallel 2 --timeout 1200 "$@"
