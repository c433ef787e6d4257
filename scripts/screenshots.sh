#!/usr/bin/env bash
# Takes the README's screenshots of the real program under Xvfb with openbox. First a first run
# as a new user meets it: the loading window, the template library's first page and a later one
# with a template chosen and the fields typed, the main window on that template and the About box.
# Then the main window with the sample card at 1280 × 800 (maximised), the Text Options,
# Background Options, Photo Options, Logo Options, Contact Details, merge, QR Code, the logo
# outlined for a drag on the card, the layout chooser's "Custom" cell after a box of the layout was
# dragged, Color Options, Card properties and Export Options dialogs, the
# help window, the print dialog on A4, on Letter, with a predefined Avery sheet, for a print shop
# and with a sheet found by its part number, the main window at its minimum size of 750 × 500, a
# second one on a dark template with a transparent logo inserted, and a third on a template that
# places things freely, with one of them selected and then dragged along the guides. The help
# pages' pictures in data/help/images are made from the same shots.
# Usage: scripts/screenshots.sh [BIN_DIR] (default build/bin); the pictures go to docs/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=$(cd "${1:-build/bin}" && pwd)
out=$(pwd)/docs/screenshots
help=$(pwd)/data/help/images
source tests/e2e/x11_session.sh
x11_require import identify convert xwininfo

# shot WINDOW NAME: the window as it stands into docs/screenshots/NAME.png.
shot() {
  x11_settle "$1"
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
# The PDF printer's papers start with A4, then Letter, in this locale.
export LC_ALL=C

# --- The first run ------------------------------------------------------------------------
"$bin/tavolo" >"$X11_DIR/first-run.log" 2>&1 &
first=$!
X11_PIDS+=("$first")
loading=$(x11_window "Loading... Please Wait" 15)
xdotool mousemove 1270 790
shot "$loading" loading-window
library=$(x11_window "Template Library" 20)
shot "$library" template-library
# Two pages on, the second template (one that places things freely) chosen and the fields typed.
xdotool mousemove --window "$library" 255 476 click 1
xdotool mousemove --window "$library" 255 476 click 1
xdotool mousemove --window "$library" 410 117 click 1
xdotool mousemove --window "$library" 647 45 click 1
for value in "Nordlys Keramik" "Ada Kvist" "Potter" "Havnegade 7" "" "Aarhus" "8000" \
  "ada@nordlys.example" "www.nordlys.example" "+45 55 55 12 34"; do
  if [ -n "$value" ]; then xdotool type --delay 5 "$value"; fi
  xdotool key Tab
done
xdotool mousemove 1270 790
shot "$library" template-library-later-page
xdotool mousemove --window "$library" 656 476 click 1
# The card from the template is unsaved work: its title is marked.
main=$(x11_window 'Tavolo\*' 15)
x11_until 5 "the main window to be maximised" bash -c \
  "eval \"\$(xdotool getwindowgeometry --shell $main)\"; [ \"\$WIDTH\" -ge 1200 ]"
xdotool mousemove 1200 40
shot "$main" main-window-from-template

xdotool key alt+h Down Return
about=$(x11_window "About Tavolo..." 10)
shot "$about" about-box
xdotool mousemove --window "$about" 600 450 click 1
wait_gone "About Tavolo..."
# Closing asks first; the card is discarded.
xdotool key alt+F4
x11_dialog Tavolo 10 >/dev/null
xdotool key alt+d
x11_gone "$first" 10

help_picture template-library-later-page template-library 600
help_picture main-window-from-template main-window 640
height=$(identify -format %h "$out/main-window-from-template.png")
help_picture main-window-from-template layouts 640 "1280x110+0+$((height - 110))"

# --- The sample card ----------------------------------------------------------------------
"$bin/tavolo" "$bin/samples/bakery.tvc" >"$X11_DIR/tavolo.log" 2>&1 &
X11_PIDS+=($!)
main=$(x11_window "bakery.tvc .* Tavolo" 15)
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

# Background Options is the last entry before the six zoom entries.
xdotool key alt+w Up Up Up Up Up Up Up Return
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

# shoot TITLE NAME: the open dialog TITLE as NAME.png, for the README and the help; then Escape.
shoot() {
  local dialog
  dialog=$(x11_window "$1" 10)
  xdotool mousemove 1200 40
  shot "$dialog" "$2"
  cp "$out/$2.png" "$help/$2.png"
  xdotool key Escape
  wait_gone "$1"
}

# The photo and the logo come from the shipped templates' pictures in the photo folder, which are
# used where they lie; Escape leaves the card as it was.
xdotool key ctrl+i
x11_window "Photo Options" 10 >/dev/null
xdotool key alt+p
x11_window "Load Photo" 10 >/dev/null
xdotool type --delay 5 "$bin/customphotos/photographer-photo.jpg"
xdotool key Return
wait_gone "Load Photo"
shoot "Photo Options" photo-options

# "Edit" opens on Undo; Down passes over the commands that are off (Redo, the two deletes).
xdotool key alt+e Down Down Down Return
x11_window "Logo Options" 10 >/dev/null
xdotool key alt+l
x11_window "Load Logo" 10 >/dev/null
xdotool type --delay 5 "$bin/customphotos/bakery-logo.png"
xdotool key Return
wait_gone "Load Logo"
shoot "Logo Options" logo-options

# Contact Details (its mnemonic D in "Edit").
xdotool key alt+e d
shoot "Contact Details" contact-details

# File > Merge... on the German sample: its columns beside the first person's card.
xdotool key alt+f m
x11_window "Merge" 10 >/dev/null
xdotool type --delay 5 "$bin/samples/team-de.csv"
xdotool key Return
shoot "Merge: team-de.csv" merge-dialog

# Insert QR Code (four entries that are on below Undo), on the card's contact details; Escape
# leaves the card as it was.
xdotool key alt+e Down Down Down Down Return
shoot "QR Code" qr-code

# Text Colors with a warm brown typed into R, G and B (past "Insert QR Code...").
xdotool key alt+e Down Down Down Down Down Return
x11_window "Color Options: 'Text Colors'" 10 >/dev/null
for channel in "r 150" "g 90" "b 40"; do
  read -r key number <<<"$channel"
  xdotool key "alt+$key" ctrl+a
  xdotool type "$number"
done
sleep 0.3
shoot "Color Options: 'Text Colors'" color-options

# Card Properties (up from the top round past "Show Front", "Back side" and "Contact Details";
# a card without a back leaves "Show Back" off), in millimetres as it opens in this locale.
xdotool key alt+e Up Up Up Up Return
x11_window "Card properties" 10 >/dev/null
shoot "Card properties" card-properties

xdotool key alt+f Down Down Down Down Down Down Return
shoot "Export Options" export-options

# The print dialog: A4 and Letter are the first two papers; the fourth predefined sheet (in the
# order of the file names) is Avery C32011.
xdotool key ctrl+p
dialog=$(x11_window "Print Preview" 10)
xdotool key alt+r Home
shot "$dialog" print-dialog-a4
xdotool key Down
shot "$dialog" print-dialog-letter
# The check box answers its shortcut with an animated click: the list is enabled after it.
xdotool key alt+u
sleep 0.5
xdotool key alt+a Home Down Down Down
shot "$dialog" print-dialog-avery
# For a print shop: a bleed of 3 mm and crop marks.
xdotool key alt+b ctrl+a
xdotool type 3
xdotool key Tab alt+k
sleep 0.5
shot "$dialog" print-dialog-print-shop
# The sheet found by the part number on its box.
xdotool key alt+d
xdotool type --delay 20 5881
xdotool key Return
shot "$dialog" print-dialog-search
cp "$out"/print-dialog-{a4,avery,letter,print-shop,search}.png "$help/"
xdotool key Escape
wait_gone "Print Preview"

# The photo kept on the card, at its centre in the middle of the preview (300 pixels from the
# left, 250 from the right, 63 below the menu bar of about 25 pixels, below the Front/Back
# switch, 120 above the bottom), outlined under the pointer, and undone.
xdotool key ctrl+i
x11_window "Photo Options" 10 >/dev/null
xdotool key alt+p
x11_window "Load Photo" 10 >/dev/null
xdotool type --delay 5 "$bin/customphotos/photographer-photo.jpg"
xdotool key Return
wait_gone "Load Photo"
xdotool key Return
wait_gone "Photo Options"
x11_geometry "$main"
menu=25
xdotool mousemove --window "$main" $((300 + (WIDTH - 550) / 2)) $((menu + 63 + (HEIGHT - menu - 183) / 2))
shot "$main" drag-outline
convert "$out/drag-outline.png" -crop "$((WIDTH - 550))x$((HEIGHT - menu - 183))+300+$((menu + 63))" \
  +repage "$out/drag-outline.png"
cp "$out/drag-outline.png" "$help/drag-outline.png"
xdotool mousemove 1200 40 key ctrl+z

# The name and title (layout 1's second box, at about 390, 318 in the window) dragged down and
# to the right: the layout becomes "Custom", the chooser's eleventh cell, current and showing the
# box where it now stands. The last four cells of the chooser along the window's bottom are kept.
xdotool mousemove --window "$main" 390 318 mousedown 1
for step in 1 2 3 4 5 6 7 8; do
  xdotool mousemove --window "$main" $((390 + 25 * step)) $((318 + 12 * step))
done
xdotool mouseup 1 mousemove 1200 40
shot "$main" layout-chooser-custom
x11_geometry "$main"
convert "$out/layout-chooser-custom.png" -crop "$((WIDTH - WIDTH * 7 / 11))x110+$((WIDTH * 7 / 11))+$((HEIGHT - 110))" \
  +repage "$out/layout-chooser-custom.png"
xdotool key ctrl+z

# Out of the maximised state (a double click on the title bar, which lies above the window's
# top), then down to the minimum size.
top=$(xwininfo -id "$main" | sed -n 's/.*Absolute upper-left Y: *//p')
xdotool mousemove 640 $((top / 2)) click --repeat 2 --delay 80 1
xdotool windowsize "$main" 750 500
x11_until 5 "the window to reach 750 × 500" bash -c \
  "eval \"\$(xdotool getwindowgeometry --shell $main)\"; [ \"\$WIDTH\" = 750 ] && [ \"\$HEIGHT\" = 500 ]"
xdotool mousemove 1200 40
shot "$main" main-window-750x500

# A second window on a dark template, with a logo of clear and half transparent parts inserted.
dark="$X11_DIR/Wine Bar.tvc"
cp "$bin/tmpl/Wine Bar.tvt" "$dark"
logo="$X11_DIR/glow logo.png"
convert -size 240x240 xc:none -fill 'rgba(255,204,0,0.35)' -draw 'circle 120,120 120,6' \
  -fill '#ffcc00' -draw 'circle 120,120 120,44' "PNG32:$logo"
"$bin/tavolo" "$dark" >"$X11_DIR/dark.log" 2>&1 &
X11_PIDS+=($!)
second=$(x11_window "Wine Bar\.tvc .*Tavolo" 15)
# "Edit" → "Insert Logo...": up from the first entry round to the last that is on, "Show Front",
# then past "Back side", "Contact Details...", "Card Properties...", the three colour entries,
# "Insert QR Code..." and the disabled "Delete Logo".
xdotool key alt+e Up Up Up Up Up Up Up Up Up Return
x11_window "Logo Options" 10 >/dev/null
xdotool key alt+l
x11_window "Load Logo" 10 >/dev/null
xdotool type --delay 5 "$logo"
xdotool key Return
wait_gone "Load Logo"
xdotool key Return
wait_gone "Logo Options"
xdotool mousemove 1200 40
shot "$second" logo-alpha

# A third window on a template that places things freely: its list of services selected (Tab
# goes through the card's objects in drawing order: the band, then the text box), then held
# and drawn back onto the band's centre line and the card's, so that both guides show.
free="$X11_DIR/Physiotherapist.tvc"
cp "$bin/tmpl/Physiotherapist.tvt" "$free"
"$bin/tavolo" "$free" >"$X11_DIR/free.log" 2>&1 &
X11_PIDS+=($!)
third=$(x11_window "Physiotherapist\.tvc .*Tavolo" 15)
x11_until 5 "the main window to be maximised" bash -c \
  "eval \"\$(xdotool getwindowgeometry --shell $third)\"; [ \"\$WIDTH\" -ge 1200 ]"
x11_geometry "$third"
# The card view, as for the drag outline above; the card fills it less a margin of 20 pixels.
area=(300 $((menu + 63)) $((WIDTH - 550)) $((HEIGHT - menu - 183)))
# on_screen X Y: the point of the full-size card (1062 × 615 pixels) in the window.
on_screen() {
  awk -v x="$1" -v y="$2" -v l="${area[0]}" -v t="${area[1]}" -v w="${area[2]}" -v h="${area[3]}" \
    'BEGIN { s = (w - 20) / 1062; if ((h - 20) / 615 < s) s = (h - 20) / 615;
             printf "%d %d\n", l + w / 2 + (x - 531) * s, t + h / 2 + (y - 307.5) * s }'
}
# The card with a little of the view around it.
read -r left top < <(on_screen -16 -16)
read -r right bottom < <(on_screen 1078 631)
crop="$((right - left))x$((bottom - top))+$left+$top"
# A click on bare card gives it the keyboard focus.
read -r x y < <(on_screen 300 300)
xdotool mousemove --window "$third" "$x" "$y" click 1
xdotool key Tab Tab
xdotool mousemove 1200 40
shot "$third" free-selection
convert "$out/free-selection.png" -crop "$crop" +repage "$out/free-selection.png"
help_picture free-selection free-selection 600
read -r x y < <(on_screen 916 307)
xdotool mousemove --window "$third" "$x" "$y" mousedown 1
xdotool mousemove --window "$third" $((x - 40)) $((y + 30))
sleep 0.2
xdotool mousemove --window "$third" $((x + 3)) $((y - 2))
sleep 0.3
shot "$third" free-guides
xdotool mouseup 1
convert "$out/free-guides.png" -crop "$crop" +repage "$out/free-guides.png"
help_picture free-guides free-guides 600
echo "Screenshots written to $out, help pictures to $help"
