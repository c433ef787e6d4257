#!/usr/bin/env bash
# The real tavolo under Xvfb with openbox, driven as a user would (xdotool): close the template
# library with Escape, insert a photo with Ctrl+I, change the Name in Edit → Contact Details…,
# drag the photo on the card with the mouse, save with Ctrl+S to a path and close. tavolo-cli
# info on the saved file must show the new name in the contact details and in the box that holds
# it, and the photo moved by the drag.
# Usage: contact_drag_e2e.sh BIN_DIR (the folder of tavolo and tavolo-cli).
set -euo pipefail
bin=$(cd "${1:?usage: contact_drag_e2e.sh BIN_DIR}" && pwd)
source "$(dirname "$0")/x11_session.sh"
x11_require convert import python3

x11_start 1280 800
saved="$X11_DIR/moved.tvc"
name="Grace Hopper"
photo="$X11_DIR/red.png"
convert -size 200x120 xc:'#ff0000' "$photo"

x11_program_folder "$bin"

TAVOLO_NO_SPLASH_WAIT=1 "$bin/tavolo" >"$X11_DIR/tavolo.log" 2>&1 &
tavolo=$!
X11_PIDS+=("$tavolo")
library=$(x11_window "Template Library" 20)
x11_focused "$library" "the library"
xdotool key Escape
main=$(x11_window Tavolo 15)
x11_focused "$main" "the main window"
x11_until 5 "the main window to be maximised" bash -c \
  "eval \"\$(xdotool getwindowgeometry --shell $main)\"; [ \"\$WIDTH\" -ge 1200 ]"

# The photo, 200 × 120, goes to the card's centre (531, 307.5).
xdotool key ctrl+i
x11_window "Photo Options" 10 >/dev/null
xdotool key alt+p
x11_file_dialog "Load Photo" "$photo" "$PROGRAM/customphotos/red.png"
xdotool key Return
x11_until 5 "Photo Options to close" bash -c "! xdotool search --onlyvisible --name '^Photo Options\$'"

# Edit → Contact Details… (its mnemonic D); the Name is the second line.
xdotool key alt+e d
x11_window "Contact Details" 10 >/dev/null
xdotool key Tab ctrl+a
xdotool type --delay 20 "$name"
xdotool key Return
x11_until 5 "Contact Details to close" bash -c "! xdotool search --onlyvisible --name '^Contact Details\$'"

# Where the preview shows the red photo, from a picture of the screen with the pointer aside;
# only the preview's area counts (the hue strip above it holds pure red too).
xdotool mousemove 5 795
sleep 0.3
import -window root "$X11_DIR/screen.png"
read -r w h left top < <(convert "$X11_DIR/screen.png" -crop 720x600+305+80 +repage -fill black \
  +opaque '#ff0000' -trim -format '%w %h %X %Y\n' info: | tr -d '+')
left=$((left + 305))
top=$((top + 80))
[ "$w" -gt 20 ] || x11_fail "the photo is not on the screen (red area ${w}x${h})"
cx=$((left + w / 2))
cy=$((top + h / 2))
xdotool mousemove "$cx" "$cy" mousedown 1
for step in 1 2 3; do xdotool mousemove $((cx + 20 * step)) $((cy + 10 * step)); done
xdotool mouseup 1

xdotool key ctrl+s
x11_file_dialog "Save Project" "$saved" "$saved"
xdotool key alt+F4
x11_gone "$tavolo" 10

info=$("$bin/tavolo-cli" info "$saved") || x11_fail "tavolo-cli info refused $saved: $info"
check='
import json, sys
name, shown = sys.argv[1], int(sys.argv[2])
card = json.load(sys.stdin)
assert card["contact"]["name"] == name, card["contact"]
assert card["lines"][1][0] == name, card["lines"][1]
moved = (card["photo"]["x"] - 531, card["photo"]["y"] - 307.5)
# The 200-pixel photo shows `shown` pixels wide: a screen pixel is 200 / shown card pixels, and
# the measured width is good to a pixel.
for got, pixels in zip(moved, (60, 30)):
    low, high = pixels * 200 / (shown + 1), pixels * 200 / max(shown - 1, 1)
    assert low - 1 <= got <= high + 1, (moved, shown)
'
python3 -c "$check" "$name" "$w" <<<"$info" || x11_fail "the saved card is not as edited: $info"
echo "PASS: the new name is in the contact details and its box, the photo moved by the drag"
