#!/usr/bin/env bash
# Takes the README's screenshots of the real program under Xvfb with openbox: the main window
# with the sample card at 1280 × 800 (maximised) and at its minimum size of 750 × 500, the
# Text Options, Background Options, Photo Options, Logo Options, Color Options, Card properties
# and Export Options dialogs, and the print dialog on A4, on Letter and with a predefined Avery
# sheet. Usage: scripts/screenshots.sh [BIN_DIR] (default build/bin); the pictures go to
# docs/screenshots/, and those of the dialogs the help describes to data/help/images/ as well.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=$(cd "${1:-build/bin}" && pwd)
out=$(pwd)/docs/screenshots
source tests/e2e/x11_session.sh
x11_require import xwininfo

x11_start 1280 800
mkdir -p "$out"
# The PDF printer's papers start with A4, then Letter, in this locale.
export LC_ALL=C
"$bin/tavolo" "$bin/samples/bakery.tvc" >"$X11_DIR/tavolo.log" 2>&1 &
X11_PIDS+=($!)
main=$(x11_window Tavolo 15)
x11_until 5 "the main window to be maximised" bash -c \
  "eval \"\$(xdotool getwindowgeometry --shell $main)\"; [ \"\$WIDTH\" -ge 1200 ]"

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

# Moves the pointer off every control, so that nothing shows its hover look.
xdotool mousemove 1200 40
settle "$main"
import -window "$main" "$out/main-window-1280x800.png"

xdotool key alt+w Return
dialog=$(x11_window "Text Options" 10)
settle "$dialog"
import -window "$dialog" "$out/text-options.png"
xdotool key Escape
x11_until 5 "Text Options to close" bash -c "! xdotool search --onlyvisible --name '^Text Options\$'"

xdotool key alt+w Up Return
dialog=$(x11_window "Background Options" 10)
settle "$dialog"
import -window "$dialog" "$out/background-options.png"
xdotool key Escape
x11_until 5 "Background Options to close" bash -c \
  "! xdotool search --onlyvisible --name '^Background Options\$'"

# shoot TITLE NAME: the open dialog TITLE as NAME.png, for the README and the help; then Escape.
help_images=$(pwd)/data/help/images
mkdir -p "$help_images"
shoot() {
  local dialog
  dialog=$(x11_window "$1" 10)
  xdotool mousemove 1200 40
  settle "$dialog"
  import -window "$dialog" "$out/$2.png"
  cp "$out/$2.png" "$help_images/$2.png"
  xdotool key Escape
  x11_until 5 "$1 to close" bash -c "! xdotool search --onlyvisible --name '^$1\$'"
}

# The photo and the logo come from the shipped templates' pictures in the photo folder, which are
# used where they lie; Escape leaves the card as it was.
xdotool key ctrl+i
x11_window "Photo Options" 10 >/dev/null
xdotool key alt+p
x11_window "Load Photo" 10 >/dev/null
xdotool type --delay 5 "$bin/customphotos/photographer-photo.jpg"
xdotool key Return
x11_until 5 "the open dialog to close" bash -c "! xdotool search --onlyvisible --name '^Load Photo\$'"
shoot "Photo Options" photo-options

# "Edit" opens on Undo; Down passes over the commands that are off (Redo, the two deletes).
xdotool key alt+e Down Down Down Return
x11_window "Logo Options" 10 >/dev/null
xdotool key alt+l
x11_window "Load Logo" 10 >/dev/null
xdotool type --delay 5 "$bin/customphotos/bakery-logo.png"
xdotool key Return
x11_until 5 "the open dialog to close" bash -c "! xdotool search --onlyvisible --name '^Load Logo\$'"
shoot "Logo Options" logo-options

# Text Colors with a warm brown typed into R, G and B.
xdotool key alt+e Down Down Down Down Return
x11_window "Color Options: 'Text Colors'" 10 >/dev/null
for channel in "r 150" "g 90" "b 40"; do
  read -r key number <<<"$channel"
  xdotool key "alt+$key" ctrl+a
  xdotool type "$number"
done
sleep 0.3
shoot "Color Options: 'Text Colors'" color-options

# Card Properties (the last entry of "Edit"), the width shown in inches.
xdotool key alt+e Up Return
x11_window "Card properties" 10 >/dev/null
xdotool key Tab Up Up Up
shoot "Card properties" card-properties

xdotool key alt+f Down Down Down Down Down Return
shoot "Export Options" export-options

# The print dialog: A4 and Letter are the first two papers; the third predefined sheet (in the
# order of the file names) is Avery C32011.
xdotool key ctrl+p
dialog=$(x11_window "Print Preview" 10)
xdotool key alt+r Home
settle "$dialog"
import -window "$dialog" "$out/print-dialog-a4.png"
xdotool key Down
settle "$dialog"
import -window "$dialog" "$out/print-dialog-letter.png"
# The check box answers its shortcut with an animated click: the list is enabled after it.
xdotool key alt+u
sleep 0.5
xdotool key alt+a Home Down Down
settle "$dialog"
import -window "$dialog" "$out/print-dialog-avery.png"
xdotool key Escape
x11_until 5 "the print dialog to close" bash -c "! xdotool search --onlyvisible --name '^Print Preview\$'"

# Out of the maximised state (a double click on the title bar, which lies above the window's
# top), then down to the minimum size.
top=$(xwininfo -id "$main" | sed -n 's/.*Absolute upper-left Y: *//p')
xdotool mousemove 640 $((top / 2)) click --repeat 2 --delay 80 1
xdotool windowsize "$main" 750 500
x11_until 5 "the window to reach 750 × 500" bash -c \
  "eval \"\$(xdotool getwindowgeometry --shell $main)\"; [ \"\$WIDTH\" = 750 ] && [ \"\$HEIGHT\" = 500 ]"
xdotool mousemove 1200 40
settle "$main"
import -window "$main" "$out/main-window-750x500.png"
echo "Screenshots written to $out"
