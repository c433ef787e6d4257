#!/usr/bin/env bash
# Takes the README's screenshots of the real program under Xvfb with openbox. First a first run
# as a new user meets it: the loading window, the template library's first page and a later one
# with a template chosen and the fields typed, the main window on that template and the About box.
# Then the main window with the sample card at 1280 × 800 (maximised), the Text Options and
# Background Options dialogs, the help window, and the main window at its minimum size of
# 750 × 500. The help pages' pictures in data/help/images are made from the same shots.
# Usage: scripts/screenshots.sh [BIN_DIR] (default build/bin); the pictures go to docs/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=$(cd "${1:-build/bin}" && pwd)
out=$(pwd)/docs/screenshots
help=$(pwd)/data/help/images
source tests/e2e/x11_session.sh
x11_require import identify convert xwininfo

# Waits for the window's picture to stop changing (the first paints and the hover timers).
settle() {
  local before="" now
  for _ in $(seq 1 40); do
    now=$(import -window "$1" rgb:- 2>/dev/null | md5sum)
    [ "$now" = "$before" ] && return 0
    before=$now
    sleep 0.1
  done
}

# shot WINDOW NAME: the window as it stands into docs/screenshots/NAME.png.
shot() {
  settle "$1"
  import -window "$1" "$out/$2.png"
}

# help_picture SHOT NAME WIDTH [CROP]: the screenshot, cut to CROP (an ImageMagick geometry) and
# scaled down to WIDTH pixels, as the help pages' picture NAME.
help_picture() {
  local crop=()
  if [ -n "${4:-}" ]; then crop=(-crop "$4" +repage); fi
  convert "$out/$1.png" "${crop[@]}" -filter Lanczos -resize "${3}x>" "$help/$2.png"
}

# wait_gone TITLE: until no window of that title is shown.
wait_gone() {
  x11_until 5 "the window \"$1\" to close" bash -c "! xdotool search --onlyvisible --name '^$1\$'"
}

mkdir -p "$out" "$help"
x11_start 1280 800

# --- The first run ------------------------------------------------------------------------
"$bin/tavolo" >"$X11_DIR/first-run.log" 2>&1 &
first=$!
X11_PIDS+=("$first")
loading=$(x11_window "Loading... Please Wait" 15)
xdotool mousemove 1270 790
shot "$loading" loading-window
library=$(x11_window "Template Library" 20)
shot "$library" template-library
# Two pages on, the third template chosen and the fields typed.
xdotool mousemove --window "$library" 255 476 click 1
xdotool mousemove --window "$library" 255 476 click 1
xdotool mousemove --window "$library" 143 333 click 1
xdotool mousemove --window "$library" 647 45 click 1
for value in "Nordlys Studio" "Ada Kvist" "Photographer" "Havnegade 7" "" "Aarhus" "8000" \
  "ada@nordlys.example" "www.nordlys.example" "+45 55 55 12 34"; do
  if [ -n "$value" ]; then xdotool type --delay 5 "$value"; fi
  xdotool key Tab
done
xdotool mousemove 1270 790
shot "$library" template-library-later-page
xdotool mousemove --window "$library" 656 476 click 1
main=$(x11_window Tavolo 15)
x11_until 5 "the main window to be maximised" bash -c \
  "eval \"\$(xdotool getwindowgeometry --shell $main)\"; [ \"\$WIDTH\" -ge 1200 ]"
xdotool mousemove 1200 40
shot "$main" main-window-from-template

xdotool key alt+h Down Return
about=$(x11_window "About Tavolo..." 10)
shot "$about" about-box
xdotool mousemove --window "$about" 600 450 click 1
wait_gone "About Tavolo..."
xdotool key alt+F4
x11_window Tavolo 10 "$main" >/dev/null
xdotool key n
x11_gone "$first" 10

help_picture template-library-later-page template-library 600
help_picture main-window-from-template main-window 640
height=$(identify -format %h "$out/main-window-from-template.png")
help_picture main-window-from-template layouts 640 "1280x110+0+$((height - 110))"

# --- The sample card ----------------------------------------------------------------------
"$bin/tavolo" "$bin/samples/bakery.tvc" >"$X11_DIR/tavolo.log" 2>&1 &
X11_PIDS+=($!)
main=$(x11_window Tavolo 15)
x11_until 5 "the main window to be maximised" bash -c \
  "eval \"\$(xdotool getwindowgeometry --shell $main)\"; [ \"\$WIDTH\" -ge 1200 ]"

# Moves the pointer off every control, so that nothing shows its hover look.
xdotool mousemove 1200 40
shot "$main" main-window-1280x800

xdotool key alt+w Return
dialog=$(x11_window "Text Options" 10)
shot "$dialog" text-options
xdotool key Escape
wait_gone "Text Options"

xdotool key alt+w Up Return
dialog=$(x11_window "Background Options" 10)
shot "$dialog" background-options
xdotool key Escape
wait_gone "Background Options"
help_picture text-options text-options 480
help_picture background-options background-options 480

# The help window reads the pictures from the program's copy of the pages: bring it up to date.
mkdir -p "$bin/help/images"
cp "$help"/*.png "$bin/help/images/"
xdotool key F1
helpwindow=$(x11_window "Tavolo Help" 10)
# The second entry of the contents: starting from a template.
xdotool mousemove --window "$helpwindow" 60 52 click 1
xdotool key Down
xdotool mousemove 1270 790
shot "$helpwindow" help-window
xdotool key Escape
wait_gone "Tavolo Help"

# Out of the maximised state (a double click on the title bar, which lies above the window's
# top), then down to the minimum size.
top=$(xwininfo -id "$main" | sed -n 's/.*Absolute upper-left Y: *//p')
xdotool mousemove 640 $((top / 2)) click --repeat 2 --delay 80 1
xdotool windowsize "$main" 750 500
x11_until 5 "the window to reach 750 × 500" bash -c \
  "eval \"\$(xdotool getwindowgeometry --shell $main)\"; [ \"\$WIDTH\" = 750 ] && [ \"\$HEIGHT\" = 500 ]"
xdotool mousemove 1200 40
shot "$main" main-window-750x500
echo "Screenshots written to $out, help pictures to $help"
