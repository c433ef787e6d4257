#!/usr/bin/env bash
# Fuzzes the image decoders, the project reader, the background library file and cards of hostile
# values: builds the libFuzzer targets into build-fuzz with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) and runs each one for SECONDS_PER_TARGET (default 60), one after
# another so that a single core is used.
#
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]     targets: bmp gif jpeg png ico tiff tga
#                                                         pcx wbmp detect read_project
#                                                         background_library card_values
#                                                         page_layout template_table csv vcard svg
#                                                         sheet_products ods xlsx (default: all)
#
# Each run starts from the seed corpus in tests/fuzz/corpus/<target>/ when there is one (detection
# starts from all the image ones) and keeps what it learns in build-fuzz/corpus/<target>/. An input that crashes, hangs or
# runs out of memory is copied into tests/data/crashers/<format>/, where the normal test suite
# replays it; the run then goes on for the rest of its time. A summary of executions and findings
# per target is printed at the end and kept in build-fuzz/fuzz-summary.txt.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(bmp gif jpeg png ico tiff tga pcx wbmp detect read_project
  background_library card_values page_layout template_table csv vcard svg sheet_products ods xlsx)

# The fuzzing toolchain is not part of the normal install: fetch it only when fuzzing.
bash scripts/install-deps.sh
missing=()
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

build="build-fuzz"
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" \
  -DTAVOLO_FUZZ=ON -DTAVOLO_TESTS=OFF -DTAVOLO_BENCH=OFF >/dev/null
cmake --build "$build" --parallel 2 --target "${targets[@]/#/fuzz_}"

# Undefined behaviour must stop the run so that libFuzzer keeps the input.
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1

summary=$build/fuzz-summary.txt
printf '%-18s %12s %8s %9s\n' target executions findings corpus >"$summary"
for name in "${targets[@]}"; do
  corpus=$build/corpus/$name
  artifacts=$build/artifacts/$name
  logs=$build/logs
  mkdir -p "$corpus" "$artifacts" "$logs"
  seeds=()
  if [ "$name" = detect ]; then
    seeds=(tests/fuzz/corpus/*/)
  elif [ -d "tests/fuzz/corpus/$name" ]; then
    seeds=("tests/fuzz/corpus/$name")
  fi

  # A spreadsheet is read within a memory ceiling: an input that takes more is a finding.
  rss=3072
  case $name in ods | xlsx) rss=1024 ;; esac
  # A finding stops libFuzzer; start it again for the time that is left.
  executions=0
  deadline=$((SECONDS + seconds))
  round=0
  while [ $((left = deadline - SECONDS)) -gt 0 ] && [ $round -lt 20 ]; do
    round=$((round + 1))
    log=$logs/$name.$round.log
    status=0
    "$build/bin/fuzz_$name" "$corpus" "${seeds[@]}" -max_total_time="$left" -timeout=10 \
      -rss_limit_mb="$rss" -max_len=16384 -print_final_stats=1 \
      -artifact_prefix="$artifacts/" >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    if [ -z "$runs" ]; then
      # A crash skips the final statistics; the last progress line still counts the runs.
      runs=$(grep -oE '^#[0-9]+' "$log" | tail -n 1 | tr -d '#' || true)
    fi
    executions=$((executions + ${runs:-0}))
    [ "$status" -eq 0 ] && break
    echo "fuzz_$name: finding in round $round, see $log"
  done

  found=0
  for artifact in "$artifacts"/crash-* "$artifacts"/timeout-* "$artifacts"/oom-* \
    "$artifacts"/leak-*; do
    [ -e "$artifact" ] || continue
    mkdir -p "tests/data/crashers/$name"
    cp -n "$artifact" "tests/data/crashers/$name/"
    found=$((found + 1))
  done
  printf '%-18s %12s %8s %9s\n' "$name" "$executions" "$found" \
    "$(find "$corpus" -type f | wc -l)" >>"$summary"
done

cat "$summary"
