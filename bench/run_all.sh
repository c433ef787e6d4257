#!/usr/bin/env bash
# Every speed and memory goal of the program in one table: each figure's min and median over RUNS
# runs (default 5) against its goal. Measure a Release build:
#
#   cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release && cmake --build build-release
#   bench/run_all.sh [BUILD_DIR] [RUNS]                     defaults: build-release, 5
#
# In-process figures come from the Google Benchmark programs (processor time of one iteration,
# each repetition a run); whole-process figures from /usr/bin/time (user + system time and the
# peak resident set); the window figures from bench/startup_time.sh under Xvfb; the codec ratio
# from bench/compare_tools.sh. Set SKIP_WINDOW=1 or SKIP_CODECS=1 to leave those parts out.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
runs=${2:-5}
bin=$build/bin
for program in bench_render bench_objects bench_snap tavolo-cli; do
  [ -x "$bin/$program" ] || { echo "no $bin/$program: build it first" >&2; exit 1; }
done
[ -x /usr/bin/time ] || { echo "/usr/bin/time is missing (apt-get install time)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rows=()

# row FIGURE GOAL UNIT VALUES...: one line of the table, the goal met when the median is within it.
row() {
  local figure=$1 goal=$2 unit=$3
  shift 3
  rows+=("$(printf '%s\n' "$@" | sort -g | awk -v f="$figure" -v g="$goal" -v u="$unit" '
    { v[NR] = $1 }
    END {
      median = v[int((NR + 1) / 2)]
      printf "%-46s %10.3g %10.3g %8s %-3s %s\n", f, v[1], median, "<= " g, u,
             (median <= g ? "met" : "NOT MET")
    }')")
}

# bench_times PROGRAM FILTER FIELD: the FIELD (cpu_time or real_time) of each repetition, in ms.
bench_times() {
  "$bin/$1" --benchmark_filter="$2" --benchmark_repetitions="$runs" \
    --benchmark_report_aggregates_only=false --benchmark_format=json 2>/dev/null |
    python3 -c '
import json, sys
scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}
for b in json.load(sys.stdin)["benchmarks"]:
    if b.get("run_type") == "iteration":
        print(b[sys.argv[1]] * scale[b["time_unit"]])' "$3"
}

# bench_counter PROGRAM FILTER COUNTER: the COUNTER of each repetition, as it is.
bench_counter() {
  "$bin/$1" --benchmark_filter="$2" --benchmark_repetitions="$runs" \
    --benchmark_report_aggregates_only=false --benchmark_format=json 2>/dev/null |
    python3 -c '
import json, sys
for b in json.load(sys.stdin)["benchmarks"]:
    if b.get("run_type") == "iteration":
        print(b[sys.argv[1]])' "$3"
}

row "full render, cached background" 1.0 ms $(bench_times bench_render 'BM_RenderFullCached$' cpu_time)
row "preview render (divisor 3)" 0.2 ms $(bench_times bench_render 'BM_RenderPreviewDivisor3$' cpu_time)
row "preview render while typing (divisor 3)" 0.2 ms \
  $(bench_times bench_render 'BM_RenderPreviewWhileTyping$' cpu_time)
row "uncached render + tint, noisy background" 8 ms \
  $(bench_times bench_render 'BM_RenderFullUncachedWithTint$' cpu_time)
row "full render, 200 placed objects, cached" 5 ms \
  $(bench_times bench_objects 'BM_RenderObjectsFullCached/200$' cpu_time)
row "drag step of a placed object (divisor 3)" 1 ms \
  $(bench_times bench_objects 'BM_DragObjectStepPreview/10$' cpu_time)
row "snap of a drag step among 200 objects" 0.05 ms \
  $(bench_times bench_snap 'BM_SnapMoveStep$' cpu_time)
row "heap allocations of a snapped drag step" 0 count \
  $(bench_counter bench_snap 'BM_SnapMoveStep$' allocations)
row "GIF export" 30 ms $(bench_times bench_render 'BM_Export/format:2$' cpu_time)
row "PNG export (CPU)" 25 ms $(bench_times bench_render 'BM_Export/format:4$' cpu_time)

# whole COMMAND...: "CPU seconds, peak MB" of each of RUNS runs, one line each, after a warm-up.
whole() {
  "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
  for ((i = 0; i < runs; i++)); do
    /usr/bin/time -f '%U %S %M' -o "$work/time" "$@" >/dev/null 2>&1
    awk '{ printf "%.3f %.1f\n", $1 + $2, $3 / 1024 }' "$work/time"
  done
}
card=$bin/samples/bakery.tvc
whole "$bin/tavolo-cli" render "$card" -o "$work/card.png" >"$work/render"
row "tavolo-cli render of a card: CPU" 0.12 s $(cut -d' ' -f1 "$work/render")
row "tavolo-cli render of a card: peak" 60 MB $(cut -d' ' -f2 "$work/render")
whole "$bin/tavolo-cli" print "$card" -o "$work/sheets.pdf" --sheets 100 >"$work/print"
row "tavolo-cli print, 100 sheets: CPU" 0.25 s $(cut -d' ' -f1 "$work/print")
row "tavolo-cli print, 100 sheets: peak" 80 MB $(cut -d' ' -f2 "$work/print")

if [ -z "${SKIP_WINDOW:-}" ]; then
  bench/startup_time.sh "$bin" "$runs" | tee "$work/startup" >&2
  # "…: min A unit, median B unit" lines; every run's figure is in the per-run lines.
  runs_of() { grep "^tavolo with a card, run" "$work/startup" | sed -E "s/.*$1 ([0-9]+) .*/\\1/"; }
  row "tavolo CARD.tvc to first window" 0.3 s $(runs_of "first window" | awk '{ print $1 / 1000 }')
  row "tavolo CARD.tvc to usable window" 0.6 s $(runs_of "usable" | awk '{ print $1 / 1000 }')
  row "GUI resident once usable" 90 MB $(runs_of "resident" | awk '{ print $1 }')
fi

if [ -z "${SKIP_CODECS:-}" ]; then
  bench/compare_tools.sh "$build" "$runs" | tee "$work/codecs" >&2
  worst=$(sed -nE 's/^worst: ([0-9.]+).*/\1/p' "$work/codecs")
  row "worst codec vs faster of ImageMagick/vips" 0.9 ratio "${worst:-99}"
fi

echo
printf '%-46s %10s %10s %8s %-3s %s\n' figure min median goal "" verdict
printf '%s\n' "${rows[@]}"
