#!/usr/bin/env bash
# Placing things freely, in the real tavolo under Xvfb with openbox, driven with the mouse and the
# keyboard (xdotool) as a user does. On a card made from the Accountant template: a green logo
# inserted through "Edit" → "Insert Logo...", a text box through "Insert" → "Text Box" dragged up
# and left, the logo made larger by its bottom-right handle, a rectangle through "Insert" →
# "Rectangle", and Ctrl+S. tavolo-cli info must find the new geometry in the file; Ctrl+Z then
# undoes one step at a time (each written with Ctrl+S and read back). The saved card, opened
# again and exported, draws as tavolo-cli renders it.
# Usage: free_layout_e2e.sh BIN_DIR (the folder of tavolo and tavolo-cli).
set -euo pipefail
source "$(dirname "$0")/x11_session.sh"
x11_begin "${1:-}" convert import compare python3
x11_program_folder "$bin"
card="$X11_DIR/free card.tvc"
logo="$X11_DIR/green.png"
cp "$bin/tmpl/Accountant.tvt" "$card"
convert -size 120x120 xc:'#00a000' "$logo"

# save: Ctrl+S, waiting for the card's file to be written anew.
save() {
  local before
  before=$(stat -c %i "$card")
  xdotool key ctrl+s
  x11_until 20 "Ctrl+S to write the card" bash -c "[ \"\$(stat -c %i '$card')\" != $before ]"
}

# check CARD CONDITION: the Python CONDITION holds of CARD's objects as tavolo-cli info lists them
# (`objects`: kind → the first object of that kind; `near(a, b, within)`).
check() {
  x11_card_info "$bin" "$1"
  python3 -c '
import json, sys
objects = {}
for item in json.load(sys.stdin)["objects"]:
    objects.setdefault(item["kind"], item)
near = lambda a, b, within=1: abs(a - b) <= within
try:
    holds = eval("(" + sys.argv[1] + ")")
except KeyError:
    holds = False
if not holds:
    sys.exit(f"FAIL: {sys.argv[1]}: {json.dumps(objects)}")
' "$2" <<<"$INFO" || x11_fail "$1 does not hold: $2"
}

# find_logo: sets LOGO to the screen box of the logo's green, "left top right bottom".
find_logo() {
  x11_settle "$MAIN"
  import -window root "$X11_DIR/screen.png"
  x11_rgb "$X11_DIR/screen.png"
  LOGO=$(python3 -c '
import sys
image, width = open(sys.argv[1], "rb").read(), int(sys.argv[2])
found = [i // 3 for i in range(0, len(image) - 2, 3)
         if image[i] < 12 and 148 <= image[i + 1] <= 172 and image[i + 2] < 12]
if not found:
    sys.exit("FAIL: the green of the logo is not on the screen")
xs, ys = [i % width for i in found], [i // width for i in found]
print(min(xs), min(ys), max(xs) + 1, max(ys) + 1)
' "$X11_DIR/screen.rgb" "$RGB_WIDTH") || x11_fail "the logo is not shown on the card"
}

# drag FROM_X FROM_Y TO_X TO_Y: the left button pressed, moved there in steps, released.
drag() {
  xdotool mousemove "$1" "$2" mousedown 1
  for step in 1 2 3 4 5 6 7 8; do
    xdotool mousemove $(($1 + ($3 - $1) * step / 8)) $(($2 + ($4 - $2) * step / 8))
    sleep 0.05
  done
  xdotool mouseup 1
  sleep 0.2
}

x11_run "$bin" "$card"
x11_main_window "free card\.tvc .*Tavolo"
# "Edit" → "Insert Logo..." as in logo_alpha_e2e.sh.
x11_load_picture "alt+e Up Up Up Up Up Up Up Up Up Return" Logo "$logo" \
  "$PROGRAM/customphotos/green.png"
find_logo
read -r left top right bottom <<<"$LOGO"
# The logo stands 120 card pixels wide on the card's centre: that gives the card's scale.
centre_x=$(((left + right) / 2))
centre_y=$(((top + bottom) / 2))
on_screen() { python3 -c "print(round($1 * ($right - $left) / 120))"; }

# A new text box lands on the card's centre, over the logo: dragged 300 card pixels left and
# 150 up.
xdotool key alt+i t
sleep 0.3
drag "$centre_x" "$centre_y" $((centre_x - $(on_screen 300))) $((centre_y - $(on_screen 150)))
# The logo, clicked, shows its handles: the bottom-right one dragged 60 card pixels out.
xdotool mousemove "$centre_x" "$centre_y" click 1
sleep 0.3
drag $((right - 1)) $((bottom - 1)) $((right - 1 + $(on_screen 60))) $((bottom - 1 + $(on_screen 60)))
xdotool key alt+i r
save
cp "$card" "$X11_DIR/saved.tvc"
moved='near(objects["text box"]["left"] + objects["text box"]["width"] / 2, 531 - 300, 12)
  and near(objects["text box"]["top"] + objects["text box"]["height"] / 2, 307.5 - 150, 12)'
check "$X11_DIR/saved.tvc" "$moved and near(objects[\"logo\"][\"width\"], 180, 12)
  and near(objects[\"logo\"][\"height\"], 180, 12) and \"rectangle\" in objects"

# Ctrl+Z undoes the rectangle, then the handle's resize, then the drag.
xdotool key ctrl+z
save
check "$card" "$moved and near(objects[\"logo\"][\"width\"], 180, 12) and \"rectangle\" not in objects"
xdotool key ctrl+z
save
check "$card" "$moved and near(objects[\"logo\"][\"width\"], 120)"
xdotool key ctrl+z
save
check "$card" 'near(objects["text box"]["left"] + objects["text box"]["width"] / 2, 531)
  and near(objects["text box"]["top"] + objects["text box"]["height"] / 2, 307.5)'
x11_quit

# The saved card opened again and exported draws as tavolo-cli renders it.
cp "$X11_DIR/saved.tvc" "$card"
x11_run "$bin" "$card"
x11_main_window "free card\.tvc .*Tavolo"
x11_export_card "$X11_DIR/exported"
x11_quit
"$bin/tavolo-cli" render "$card" -o "$X11_DIR/rendered.png" >/dev/null ||
  x11_fail "tavolo-cli render refused the saved card"
differing=$(compare -metric AE "$X11_DIR/exported.png" "$X11_DIR/rendered.png" null: 2>&1) ||
  x11_fail "the exported card differs from tavolo-cli's render in $differing pixels"
echo "PASS: a text box dragged, the logo resized by a handle, a rectangle inserted, each undone"
