#!/usr/bin/env bash
# Times Tavolo's image conversions against ImageMagick (`convert`) and libvips (`vips`) on the same
# files in the same run, and prints our time divided by theirs per format.
#
#   bench/compare_tools.sh [BUILD_DIR] [REPETITIONS]      defaults: build, 9
#
# Method. ImageMagick draws one card-like 1062 x 615 picture, 8 bits a channel (gradient, a noisy
# photo, flat panels, text) and writes it once in each format; that file is the shared input. For each format
# every tool then converts that same file to a new file of the same format, so one run holds one
# decode and one encode of the format: `tavolo-cli convert`, `convert IN OUT` and `vips copy IN OUT`.
# vips has no BMP, TGA or PCX codec of its own and handles them with the ImageMagick library inside
# it (`vips magicksave` for TGA and PCX): those rows measure that route. An extra row, png>gif,
# converts the 24-bit PNG to GIF, the path that an export takes: every tool has to find a palette
# there, whereas a GIF-to-GIF copy lets the others keep the palette they read while Tavolo always
# quantizes.
#
# Each command is run REPETITIONS times; the median wall time and the mean processor time are kept. Starting a process costs
# more than converting a small picture (vips and ImageMagick load dozens of libraries), so each tool's
# start-up is measured too, as the median time to convert a 1 x 1 PNG into a PNG, and two ratios are
# printed: raw (whole commands) and corrected (start-up subtracted from both sides). The corrected
# ratio compares the codec work; the raw one is what a user of each command line would see. Wall
# time and processor time (user + system) are both reported: on a busy machine wall time also
# holds the time spent waiting for a core, and processor time is the steadier of the two.
# vips's start-up (around 100 ms, varying by tens of milliseconds) is larger than its work on a
# card, so its corrected ratio swings from run to run. The goal figure therefore takes the codec
# work as the difference between converting the same card drawn three times larger (nine times
# the pixels) and the card: start-up and every other fixed cost fall out exactly, and the
# difference is large enough to measure.
# ImageMagick and vips are held to one thread, as Tavolo uses one, so the ratios compare work per
# core; set COMPARE_THREADS to change that. Quality 90 for JPEG everywhere; TIFF with LZW; PNG at
# each tool's default compression.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
reps=${2:-9}
ours=$build/bin/tavolo-cli
if [ ! -x "$ours" ]; then
  echo "no $ours: build the project first (scripts/build.sh)" >&2
  exit 1
fi

# The real ImageMagick, not a wrapper that may stand in front of it on the PATH.
magick=$(command -v magick || true)
[ -n "$magick" ] || magick=/usr/bin/convert
if [ ! -x "$magick" ] || ! command -v vips >/dev/null; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends imagemagick libvips-tools
fi

threads=${COMPARE_THREADS:-1}
export MAGICK_THREAD_LIMIT=$threads OMP_NUM_THREADS=$threads VIPS_CONCURRENCY=$threads

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The shared input: a card at 300 dpi.
font=(-font DejaVu-Sans)
grep -q 'Font: DejaVu-Sans$' <<<"$("$magick" -list font 2>/dev/null)" || font=()
# draw_card SCALE FILE: the card, SCALE times as wide and high.
draw_card() {
  local k=$1
  "$magick" -size $((1062 * k))x$((615 * k)) gradient:'#1d3557-#5a8fa8' \
    \( -seed 42 -size $((360 * k))x$((495 * k)) plasma:'#e09070-#705040' -attenuate 0.6 \
    +noise Gaussian \) -geometry +$((40 * k))+$((60 * k)) -composite \
    -fill '#e63946' -draw "rectangle $((440 * k)),$((60 * k)) $((1020 * k)),$((140 * k))" \
    -fill '#fafaf5' -draw "rectangle $((440 * k)),$((170 * k)) $((1020 * k)),$((555 * k))" \
    "${font[@]}" -fill '#f1faee' -pointsize $((48 * k)) \
    -annotate +$((460 * k))+$((118 * k)) 'Alexandra Example' \
    -fill '#1e1e2d' -pointsize $((22 * k)) \
    -annotate +$((460 * k))+$((220 * k)) 'Head of Printing and Paper Goods' \
    -annotate +$((460 * k))+$((270 * k)) 'Tavolo Cards Ltd, 12 Sample Street' \
    -annotate +$((460 * k))+$((320 * k)) 'Phone +00 123 456 789 / Fax +00 123 456 780' \
    -annotate +$((460 * k))+$((370 * k)) 'alexandra@example.com   www.example.com' \
    -pointsize $((14 * k)) \
    -annotate +$((460 * k))+$((420 * k)) 'Business cards, letterheads, envelopes and folded leaflets' \
    -annotate +$((460 * k))+$((450 * k)) 'Opening hours: Monday to Friday, 9 to 17' \
    -type TrueColor -depth 8 -density 300 -units PixelsPerInch "$2"
}
draw_card 1 "$work/card.png"
draw_card 3 "$work/large.png"
"$magick" -size 1x1 xc:'#336699' -type TrueColor "$work/tiny.png"

formats=(bmp gif jpeg png tiff tga pcx)
declare -A ext=([bmp]=bmp [gif]=gif [jpeg]=jpg [png]=png [tiff]=tif [tga]=tga [pcx]=pcx)
declare -A magick_opts=([jpeg]="-quality 90" [tiff]="-compress LZW")
for f in "${formats[@]}"; do
  for size in card large; do
    # shellcheck disable=SC2086  # the options are words
    "$magick" "$work/$size.png" ${magick_opts[$f]:-} -depth 8 "$work/$size-in.${ext[$f]}"
  done
done
# ImageMagick keeps 16 bits a channel for what it draws unless told otherwise; the others would
# then read and write twice the data Tavolo does.
for f in png tiff; do
  depth=$(identify -format '%z' "$work/card-in.${ext[$f]}")
  [ "$depth" = 8 ] || { echo "the shared $f input has $depth bits a channel, not 8" >&2; exit 1; }
done

# Runs a command REPETITIONS times and prints the median wall time and the mean processor time
# (user + system; the kernel counts it in ticks, so only a mean is fair) in milliseconds, or
# "n/a n/a" when it fails.
measure() {
  local walls=() cpus=() line i
  local TIMEFORMAT='%3R %3U %3S'
  for ((i = 0; i < reps; i++)); do
    line=$({ time "$@" >/dev/null 2>&1; } 2>&1) || {
      echo n/a n/a
      return
    }
    read -r real user sys <<<"$line"
    walls+=("$real")
    cpus+=("$(awk -v u="$user" -v s="$sys" 'BEGIN { print u + s }')")
  done
  echo "$(median "${walls[@]}") $(mean "${cpus[@]}")"
}
mean() {
  printf '%s\n' "$@" | awk '{ sum += $1 } END { printf "%.1f", sum / NR * 1000 }'
}
median() {
  printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { printf "%.1f", v[int((NR + 1) / 2)] * 1000 }'
}

run_ours() { "$ours" convert "$1" "$2" ${3:+--quality "$3"}; }
run_magick() {
  local opts=()
  [ -n "${3:-}" ] && opts+=(-quality "$3")
  [ "${2##*.}" = tif ] && opts+=(-compress LZW)
  "$magick" "$1" "${opts[@]}" "$2"
}
run_vips() {
  case "${2##*.}" in
    tga) vips magicksave "$1" "$2" --format TGA ;;
    pcx) vips magicksave "$1" "$2" --format PCX ;;
    jpg) vips copy "$1" "$2[Q=${3:-90}]" ;;
    tif) vips copy "$1" "$2[compression=lzw]" ;;
    *) vips copy "$1" "$2" ;;
  esac
}

ratio() {
  awk -v a="$1" -v b="$2" -v sa="${3:-0}" -v sb="${4:-0}" 'BEGIN {
    if (a == "n/a" || b == "n/a" || b - sb <= 0) { print "n/a"; exit }
    printf "%.2f", (a - sa) / (b - sb) }'
}

# shellcheck disable=SC2034  # read through the name reference in table
declare -A wall cpu
for tool in ours magick vips; do
  read -r "wall[start_$tool]" "cpu[start_$tool]" \
    <<<"$(measure "run_$tool" "$work/tiny.png" "$work/tiny_out_$tool.png")"
done
rows=("${formats[@]}" png2gif)
# The card's figures go to wall and cpu; the large card's processor time to large.
declare -A large
for f in "${rows[@]}"; do
  quality=""
  [ "$f" = jpeg ] && quality=90
  for size in card large; do
    if [ "$f" = png2gif ]; then
      in=$work/$size.png out=gif
    else
      in=$work/$size-in.${ext[$f]} out=${ext[$f]}
    fi
    for tool in ours magick vips; do
      read -r wall_ms cpu_ms <<<"$(measure "run_$tool" "$in" "$work/out_$tool.$out" "$quality")"
      if [ "$size" = card ]; then
        wall[${f}_$tool]=$wall_ms cpu[${f}_$tool]=$cpu_ms
      else
        large[${f}_$tool]=$cpu_ms
      fi
    done
  done
done

table() {
  local -n t=$1
  echo "$2 (ms); start-up, a 1 x 1 PNG to PNG: ours ${t[start_ours]}, magick ${t[start_magick]}, vips ${t[start_vips]}"
  printf '%-8s %8s %8s %8s | %11s %9s | %9s %9s\n' format ours magick vips \
    'ours/magick' corrected 'ours/vips' corrected
  local f label
  for f in "${rows[@]}"; do
    label=$f
    [ "$f" = png2gif ] && label="png>gif"
    printf '%-8s %8s %8s %8s | %11s %9s | %9s %9s\n' "$label" \
      "${t[${f}_ours]}" "${t[${f}_magick]}" "${t[${f}_vips]}" \
      "$(ratio "${t[${f}_ours]}" "${t[${f}_magick]}")" \
      "$(ratio "${t[${f}_ours]}" "${t[${f}_magick]}" "${t[start_ours]}" "${t[start_magick]}")" \
      "$(ratio "${t[${f}_ours]}" "${t[${f}_vips]}")" \
      "$(ratio "${t[${f}_ours]}" "${t[${f}_vips]}" "${t[start_ours]}" "${t[start_vips]}")"
  done
}

echo "Tavolo $(git rev-parse --short HEAD 2>/dev/null || echo '?') against $("$magick" -version | head -n 1 | cut -d' ' -f2-3) and $(vips --version)"
echo "1062 x 615 card, median of $reps runs, $threads thread(s) for ImageMagick and vips"
echo
table wall "Wall time"
echo
table cpu "Processor time, user + system"

# The goal figure: codec work (the large card's processor time less the card's) against the
# faster of the two other tools, per format.
echo
echo "Codec work: processor time of the 3x card less the card's (ms), and ours against the faster"
printf '%-8s %8s %8s %8s | %s\n' format ours magick vips 'ours/faster'
worst=0 worst_format=none
for f in "${rows[@]}"; do
  for tool in ours magick vips; do
    declare "work_$tool=$(awk -v l="${large[${f}_$tool]}" -v c="${cpu[${f}_$tool]}" 'BEGIN {
      if (l == "n/a" || c == "n/a") print "n/a"; else printf "%.1f", l - c }')"
  done
  # shellcheck disable=SC2154  # declared just above
  r=$(awk -v o="$work_ours" -v m="$work_magick" -v v="$work_vips" 'BEGIN {
    if (m == "n/a" || (v != "n/a" && v + 0 < m + 0)) m = v
    if (o == "n/a" || m == "n/a" || m <= 0) print "n/a"; else printf "%.2f", o / m }')
  printf '%-8s %8s %8s %8s | %s\n' "$f" "$work_ours" "$work_magick" "$work_vips" "$r"
  if [ "$r" != n/a ] && awk -v r="$r" -v w="$worst" 'BEGIN { exit !(r > w) }'; then
    worst=$r worst_format=$f
  fi
done
echo "worst: $worst ($worst_format)"
