#!/usr/bin/env bash
# Start-up of the real program, as the user waits for it, under Xvfb with openbox at 1280 × 800:
#  - from launching tavolo to the template library on screen, with TAVOLO_NO_SPLASH_WAIT=1 (the
#    loading window then turns into the library as soon as the backgrounds and the templates are
#    read; the target is 1 s or less);
#  - from launching tavolo with a card to its main window on screen ("first window"), and to the
#    moment it is usable: the window stands and the program has done its work, which is taken as
#    the last processor tick before it stays idle for IDLE_MS (default 300 ms);
#  - gLabels the same way, to its window, when it is installed.
# Runs each RUNS times (default 5), prints every time, then min and median, and the CPU time the
# program used (user + system, all its threads), which the load of a shared machine does not
# inflate. The resident memory once usable is printed too.
# Usage: bench/startup_time.sh [BIN_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
bin=$(cd "${1:-build/bin}" && pwd)
runs=${2:-5}
idle_ms=${IDLE_MS:-300}
source tests/e2e/x11_session.sh

x11_start 1280 800
tick_ms=$((1000 / $(getconf CLK_TCK)))

now_ms() { echo $(($(date +%s%N) / 1000000)); }
# Clock ticks of the process and its finished threads, user and system (fields 14 to 17).
ticks_of() { awk '{print $14 + $15 + $16 + $17}' "/proc/$1/stat" 2>/dev/null || echo -1; }

# summary WHAT UNIT VALUES...: min and median.
summary() {
  local what=$1 unit=$2
  shift 2
  local sorted middle
  sorted=$(printf '%s\n' "$@" | sort -n)
  middle=$((($# + 1) / 2))
  echo "$what: min $(sed -n 1p <<<"$sorted") $unit, median $(sed -n "${middle}p" <<<"$sorted") $unit"
}

# measure WHAT TITLE COMMAND...: launch COMMAND until a window titled TITLE (an extended regular
# expression) is shown and the program has gone idle, RUNS times.
measure() {
  local what=$1 title=$2
  shift 2
  local first=() usable=() cpu=() rss=() run start pid shown ready last_busy ticks seen
  for ((run = 1; run <= runs; run++)); do
    start=$(now_ms)
    "$@" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
      kill -0 "$pid" 2>/dev/null || x11_fail "$1 ended before showing \"$title\""
      sleep 0.005
    done
    shown=$(($(now_ms) - start))
    seen=$(ticks_of "$pid") last_busy=$(now_ms)
    while (($(now_ms) - last_busy < idle_ms)); do
      sleep 0.01
      ticks=$(ticks_of "$pid")
      if [ "$ticks" != "$seen" ]; then
        seen=$ticks last_busy=$(now_ms)
      fi
    done
    # The last tick was counted within one tick of the work's end.
    ready=$((last_busy - start))
    ((ready > shown)) || ready=$shown
    first+=("$shown")
    usable+=("$ready")
    cpu+=("$((seen * tick_ms))")
    rss+=("$(($(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status") / 1024))")
    echo "$what, run $run: first window ${shown} ms, usable ${ready} ms (CPU ${cpu[-1]} ms," \
      "resident ${rss[-1]} MB)"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
  done
  summary "$what, first window" ms "${first[@]}"
  summary "$what, usable" ms "${usable[@]}"
  summary "$what, CPU" ms "${cpu[@]}"
  summary "$what, resident when usable" MB "${rss[@]}"
}

measure "tavolo to the template library" "^Template Library\$" \
  env TAVOLO_NO_SPLASH_WAIT=1 "$bin/tavolo"
measure "tavolo with a card" "Tavolo\$" "$bin/tavolo" "$bin/samples/bakery.tvc"
if command -v glabels-3 >/dev/null; then
  measure "gLabels" "gLabels" glabels-3
elif command -v glabels-qt >/dev/null; then
  measure "gLabels" "gLabels" glabels-qt
else
  echo "gLabels is not installed: apt-get install glabels to measure it beside Tavolo"
fi
