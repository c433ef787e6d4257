#!/usr/bin/env bash
# The real tavolo under Xvfb with openbox: nothing typed is closed unasked. Details typed in the
# template library: Escape asks, Cancel keeps the library, Discard closes it. The card made from
# the template is unsaved work (the title shows "*"): Alt+F4 asks, Cancel keeps the window, Save
# with a cancelled save dialog keeps it too; Escape in a field editor leaves the editor and asks
# nothing; Alt+F4 and Discard end the program, and no card is written.
# Usage: closing_e2e.sh BIN_DIR (the folder of tavolo and tavolo-cli).
set -euo pipefail
source "$(dirname "$0")/x11_session.sh"
x11_begin "${1:-}"

# question: waits for the question box (titled "Tavolo", the main window is "Tavolo*") to have
# the keyboard; sets QUESTION.
question() {
  QUESTION=$(x11_dialog Tavolo 20)
}
# still_open WHAT: after a moment, the program runs and no question is shown.
still_open() {
  sleep 1
  kill -0 "$TAVOLO_PID" 2>/dev/null || x11_fail "the program ended after $1"
  ! xdotool search --onlyvisible --name '^Tavolo$' >/dev/null || x11_fail "a question came after $1"
}

x11_run "$bin"
library=$(x11_dialog "Template Library" 30)
# The second template, then a detail typed in the first field.
xdotool mousemove --window "$library" 410 117 click 1
xdotool mousemove --window "$library" 647 45 click 1
xdotool type --delay 10 "Nordlys Studio"
xdotool key Escape
question
xdotool key Escape
x11_closed Tavolo
x11_focused "$library" "the template library after Cancel"
xdotool key Escape
question
xdotool key alt+d
x11_closed "Template Library"

# The card from the template, not yet in any file.
x11_main_window 'Tavolo\*'
xdotool key alt+F4
question
xdotool key Escape
x11_closed Tavolo
still_open "Cancel"

xdotool key alt+F4
question
xdotool key alt+s
x11_dialog "Save Project" >/dev/null
xdotool key Escape
x11_closed "Save Project"
still_open "a cancelled Save"

# Escape in the editor of the first box only leaves it.
x11_focused "$MAIN" "the main window"
xdotool type --delay 10 "Hello"
xdotool key Escape
still_open "Escape in an editor"

xdotool key alt+F4
question
xdotool key alt+d
x11_gone "$TAVOLO_PID" 20
written=$(find "$X11_DIR" -name '*.tvc' | head -n 1)
[ -z "$written" ] || x11_fail "Discard wrote $written"
echo "PASS: the typed details and the unsaved card were each closed only when the user said so"
