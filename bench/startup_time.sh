#!/usr/bin/env bash
# Start-up of the real program, as the user waits for it, under Xvfb with openbox at 1280 × 800:
#  - from launching tavolo to the template library on screen, with TAVOLO_NO_SPLASH_WAIT=1 (the
#    loading window then turns into the library as soon as the backgrounds and the templates are
#    read; the target is 1 s or less);
#  - from launching tavolo with a card to its main window on screen.
# Runs each RUNS times (default 5), prints every time, the median and the CPU time the program
# used (user + system, all its threads), which the load of a shared machine does not inflate.
# Usage: bench/startup_time.sh [BIN_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
bin=$(cd "${1:-build/bin}" && pwd)
runs=${2:-5}
source tests/e2e/x11_session.sh

x11_start 1280 800

# measure WHAT TITLE COMMAND...: launch COMMAND until a window titled TITLE is shown, RUNS times.
measure() {
  local what=$1 title=$2
  shift 2
  local times=() cpu=() run start pid ms
  for ((run = 1; run <= runs; run++)); do
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1; do
      kill -0 "$pid" 2>/dev/null || x11_fail "tavolo ended before showing \"$title\""
      sleep 0.005
    done
    ms=$((($(date +%s%N) - start) / 1000000))
    # Clock ticks of the process and its finished threads, user and system (fields 14 to 17).
    ticks=$(awk '{print $14 + $15 + $16 + $17}' "/proc/$pid/stat")
    times+=("$ms")
    cpu+=("$((ticks * 1000 / $(getconf CLK_TCK)))")
    echo "$what, run $run: ${ms} ms (CPU ${cpu[-1]} ms)"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
  done
  local middle=$(((runs + 1) / 2))
  echo "$what, median: $(printf '%s\n' "${times[@]}" | sort -n | sed -n "${middle}p") ms" \
    "(CPU $(printf '%s\n' "${cpu[@]}" | sort -n | sed -n "${middle}p") ms)"
}

measure "launch to the template library" "Template Library" \
  env TAVOLO_NO_SPLASH_WAIT=1 "$bin/tavolo"
measure "launch with a card to the main window" "Tavolo" "$bin/tavolo" "$bin/samples/bakery.tvc"
