#!/usr/bin/env bash
# Takes the screenshots of the sample card at a screen scale of 1 and of 2 (a high-density
# screen: the controls and the card drawn at twice the pixels, nothing enlarged), and of the main
# window and the print dialog in German, under Xvfb with openbox.
# Usage: scripts/screenshots-scale-language.sh [BIN_DIR] (default build/bin); the pictures go to
# docs/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=$(cd "${1:-build/bin}" && pwd)
out=$(pwd)/docs/screenshots
source tests/e2e/x11_session.sh
x11_require import

# sample SCALE LANGUAGE NAME [PRINT_NAME]: the main window on the sample card at SCALE in
# LANGUAGE into NAME.png, and its print dialog into PRINT_NAME.png when asked.
sample() {
  QT_SCALE_FACTOR=$1 LANGUAGE=$2 LC_ALL=$2 "$bin/tavolo" "$bin/samples/bakery.tvc" \
    >"$X11_DIR/tavolo.log" 2>&1 &
  local pid=$!
  X11_PIDS+=("$pid")
  local main
  main=$(x11_window "bakery.tvc .* Tavolo" 15)
  xdotool mousemove 5 5
  x11_settle "$main"
  import -window "$main" "$out/$3.png"
  if [ -n "${4:-}" ]; then
    xdotool key ctrl+p
    local dialog
    dialog=$(x11_window "Druckvorschau" 10)
    x11_settle "$dialog"
    import -window "$dialog" "$out/$4.png"
    xdotool key Escape
  fi
  xdotool key alt+F4
  x11_gone "$pid" 10
}

mkdir -p "$out"
# The window opens maximised: the same 1280 × 800 control pixels at either scale.
x11_start 1280 800
sample 1 C main-window-scale-1
sample 1 de_DE.UTF-8 main-window-german print-dialog-german
x11_stop
x11_start 2560 1600
sample 2 C main-window-scale-2
