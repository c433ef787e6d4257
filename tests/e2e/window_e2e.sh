#!/usr/bin/env bash
# The real tavolo under Xvfb with openbox, driven as a user would with the keyboard and the mouse
# (xdotool): close the template library with Escape, switch to layout 3 with Alt+3, type into the
# first field editor, drag the hue slider, undo once (the drag), save with Ctrl+S to a path, close
# and answer No to the question.
# Then tavolo-cli info on the saved file must show the typed text, layout 3 and no tint.
# Usage: window_e2e.sh BIN_DIR (the folder of tavolo and tavolo-cli).
set -euo pipefail
bin=$(cd "${1:?usage: window_e2e.sh BIN_DIR}" && pwd)
source "$(dirname "$0")/x11_session.sh"

x11_start 1280 800
saved="$X11_DIR/saved card.tvc"
typed="Ada Lovelace"

TAVOLO_NO_SPLASH_WAIT=1 "$bin/tavolo" >"$X11_DIR/tavolo.log" 2>&1 &
tavolo=$!
X11_PIDS+=("$tavolo")
# The template library comes first; Escape closes it with no template chosen: the blank card.
library=$(x11_window "Template Library" 20)
x11_until 5 "the library to have the focus" bash -c "[ \"\$(xdotool getwindowfocus)\" = $library ]"
xdotool key Escape
main=$(x11_window Tavolo 15)
x11_until 5 "the main window to have the focus" bash -c "[ \"\$(xdotool getwindowfocus)\" = $main ]"
x11_until 5 "the main window to be maximised" bash -c \
  "eval \"\$(xdotool getwindowgeometry --shell $main)\"; [ \"\$WIDTH\" -ge 1200 ]"
x11_geometry "$main"

xdotool key alt+3
# The first editor of the field panel (the right 250 pixels), below its caption.
xdotool mousemove --window "$main" $((WIDTH - 125)) 120 click 1
xdotool key ctrl+End Return
xdotool type --delay 20 "$typed"
# The hue slider lies 305 pixels from the left, 5 to 30 pixels below the menu bar.
xdotool mousemove --window "$main" 330 40 mousedown 1
for x in 360 400 440 480; do xdotool mousemove --window "$main" "$x" 40; done
xdotool mouseup 1
xdotool key ctrl+z

xdotool key ctrl+s
dialog=$(x11_window "Save Project" 10)
xdotool type --delay 10 "$saved"
xdotool key Return
x11_until 10 "the card to be saved to $saved" test -s "$saved"
x11_until 5 "the save dialog to close" bash -c "! xdotool search --onlyvisible --name '^Save Project\$'"

xdotool key alt+F4
x11_window Tavolo 10 "$main" >/dev/null
xdotool key n
x11_gone "$tavolo" 10

info=$("$bin/tavolo-cli" info "$saved") || x11_fail "tavolo-cli info refused $saved: $info"
grep -q "\"$typed\"" <<<"$info" || x11_fail "the saved card lacks \"$typed\": $info"
grep -Eq '"lnmb": *2\b' <<<"$info" || x11_fail "the saved card is not layout 3: $info"
grep -Eq '"hueShift": *0(\.0+)?\b' <<<"$info" || x11_fail "the undone drag is still in the card: $info"
echo "PASS: typed text, layout 3 and the undone drag are in the saved card"
