#!/usr/bin/env bash
# Start-up of the real program, as the user waits for it: from launching tavolo to its main
# window being mapped on screen, under Xvfb with openbox at 1280 × 800. Runs it RUNS times (default
# 5) and prints each time and the median. Usage: bench/startup_time.sh [BIN_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
bin=$(cd "${1:-build/bin}" && pwd)
runs=${2:-5}
source tests/e2e/x11_session.sh

x11_start 1280 800
times=()
for ((run = 1; run <= runs; run++)); do
  start=$(date +%s%N)
  "$bin/tavolo" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name '^Tavolo$' >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || x11_fail "tavolo ended before showing its window"
    sleep 0.005
  done
  ms=$((($(date +%s%N) - start) / 1000000))
  times+=("$ms")
  echo "run $run: ${ms} ms"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
echo "median: ${median} ms (launch to main window shown)"
