#!/usr/bin/env bash
# The real tavolo under Xvfb with openbox: coming back to a saved card. At start-up the template
# library's "Open a Saved Card..." (Ctrl+O) opens a card file, whose name the main window's title
# then shows; at the next start the library's "Recent Cards" lists it and opens it again; and
# `tavolo CARD.tvc` opens it directly, without the library.
# Usage: coming_back_e2e.sh BIN_DIR (the folder of tavolo and tavolo-cli).
set -euo pipefail
source "$(dirname "$0")/x11_session.sh"
x11_begin "${1:-}"

sample=$(find "$bin/samples" -name '*.tvc' | sort | head -n 1)
[ -n "$sample" ] || x11_fail "no sample card in $bin/samples"
card="$X11_DIR/cards/Ada Kvist.tvc"
mkdir -p "$(dirname "$card")"
cp "$sample" "$card"
title='Ada Kvist\.tvc — Tavolo'

x11_run "$bin"
x11_dialog "Template Library" 30 >/dev/null
xdotool key ctrl+o
x11_dialog "Open a Saved Card" >/dev/null
xdotool key ctrl+a
xdotool type --delay 10 "$card"
xdotool key Return
x11_closed "Open a Saved Card"
x11_main_window "$title"
# Nothing changed: the program ends without a question.
x11_quit

x11_run "$bin"
library=$(x11_dialog "Template Library" 30)
# "Recent Cards" beside "Open a Saved Card...", then the first card of its menu.
xdotool mousemove --window "$library" 527 475 click 1
sleep 0.5
xdotool key Down Return
x11_main_window "$title"
x11_quit

x11_run "$bin" "$card"
x11_main_window "$title"
! xdotool search --onlyvisible --name '^Template Library$' >/dev/null ||
  x11_fail "the template library came up for a card named on the command line"
x11_quit
echo "PASS: the saved card opened from the library, from its recent cards and from the command line"
