# An X session for driving the real program as a user does: Xvfb with the openbox window manager,
# and helpers that wait for a window by its title with a timeout. Sourced by the end-to-end test
# and the screenshot script; every process it starts is ended by x11_stop (set as the EXIT trap).

source "$(dirname "${BASH_SOURCE[0]}")/../private_home.sh"

X11_PIDS=()
X11_DIR=""

x11_fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# x11_require TOOL...: exits with 77 (skipped) naming what is missing.
x11_require() {
  local missing=()
  for tool in "$@"; do command -v "$tool" >/dev/null || missing+=("$tool"); done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "SKIP: not installed: ${missing[*]} (scripts/install-deps.sh installs them)" >&2
    exit 77
  fi
}

# x11_start WIDTH HEIGHT: a fresh display of that size with openbox running, DISPLAY set, and a
# private home (private_home.sh): nothing of the user's settings or folders is read or written,
# and no printer is found.
x11_start() {
  x11_require Xvfb openbox xdotool
  X11_DIR=$(mktemp -d "${TMPDIR:-/tmp}/tavolo-x11-XXXXXX")
  trap x11_stop EXIT
  private_home "$X11_DIR/home"
  unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME
  Xvfb -displayfd 3 -screen 0 "${1}x${2}x24" -nolisten tcp 3>"$X11_DIR/display" \
    >"$X11_DIR/xvfb.log" 2>&1 &
  X11_PIDS+=($!)
  x11_until 30 "the X server to start" test -s "$X11_DIR/display"
  export DISPLAY=":$(cat "$X11_DIR/display")"
  openbox --sm-disable >"$X11_DIR/openbox.log" 2>&1 &
  X11_PIDS+=($!)
  x11_until 30 "the window manager to start" xdotool get_desktop
}

# x11_begin BIN_DIR [TOOL...]: how each end-to-end test starts: BIN set to the folder of tavolo
# and tavolo-cli, the TOOLs it needs besides the X ones (skipped without them), and a display of
# 1280 × 800.
x11_begin() {
  bin=$(cd "${1:?usage: $(basename "$0") BIN_DIR}" && pwd)
  shift
  x11_require "$@"
  x11_start 1280 800
}

# Ends what x11_start and the caller started, newest first: each is asked to end and, when it
# has not within five seconds, killed.
x11_stop() {
  local pid tries
  for ((i = ${#X11_PIDS[@]} - 1; i >= 0; i--)); do
    pid=${X11_PIDS[i]}
    kill "$pid" 2>/dev/null || continue
    for ((tries = 0; tries < 100; tries++)); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.05
    done
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  X11_PIDS=()
  if [ -n "$X11_DIR" ]; then rm -rf "$X11_DIR"; fi
  X11_DIR=""
}

# x11_until SECONDS WHAT COMMAND...: runs COMMAND every 50 ms until it succeeds; fails naming WHAT
# when SECONDS pass first.
x11_until() {
  local seconds=$1 what=$2
  shift 2
  local deadline=$((SECONDS + seconds))
  until "$@" >/dev/null 2>&1; do
    [ "$SECONDS" -lt "$deadline" ] || x11_fail "timed out after ${seconds}s waiting for $what"
    sleep 0.05
  done
}

# x11_window TITLE SECONDS [EXCEPT]: prints the id of a visible window titled exactly TITLE (other
# than the window EXCEPT) once there is one.
x11_window() {
  local title=$1 seconds=$2 except=${3:-}
  local deadline=$((SECONDS + seconds)) id
  while :; do
    for id in $(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null); do
      if [ "$id" != "$except" ]; then
        echo "$id"
        return 0
      fi
    done
    [ "$SECONDS" -lt "$deadline" ] || x11_fail "timed out after ${seconds}s waiting for the window \"$title\""
    sleep 0.05
  done
}

# x11_gone PID SECONDS: waits for the process to end.
x11_gone() {
  x11_until "$2" "process $1 to end" bash -c "! kill -0 $1"
}

# x11_geometry WINDOW: sets WIDTH and HEIGHT of the window.
x11_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
}

# x11_program_folder BIN: makes a program folder of the test's own its TAVOLO_HOME, with BIN's
# files linked in but an empty customphotos, so that photos and logos are copied there and not
# beside the build. Sets PROGRAM to it.
x11_program_folder() {
  PROGRAM="$X11_DIR/program"
  mkdir -p "$PROGRAM/customphotos"
  local item
  for item in "$1"/*; do
    [ "$(basename "$item")" = customphotos ] || ln -s "$item" "$PROGRAM/"
  done
  export TAVOLO_HOME="$PROGRAM"
}

# x11_focused WINDOW WHAT: waits until WINDOW (named WHAT in a failure) has the keyboard focus.
x11_focused() {
  x11_until 20 "$2 to have the focus" bash -c "[ \"\$(xdotool getwindowfocus)\" = $1 ]"
}

# x11_dialog TITLE [SECONDS]: waits for the window TITLE to be shown and to have the keyboard
# focus, so that the keys sent next reach it and not the window behind; prints its id.
x11_dialog() {
  local id
  id=$(x11_window "$1" "${2:-20}")
  x11_focused "$id" "the window \"$1\""
  echo "$id"
}

# x11_file_dialog TITLE PATH WRITTEN: answers the file dialog TITLE with PATH (in place of any
# name it suggests) and Enter, then waits for the file WRITTEN to be there and for the dialog to
# close.
x11_file_dialog() {
  x11_dialog "$1" >/dev/null
  xdotool key ctrl+a
  xdotool type --delay 10 "$2"
  xdotool key Return
  x11_until 20 "$3 to be written" test -s "$3"
  x11_closed "$1"
}

# x11_settle WINDOW: waits for the window's picture to stop changing (the first paints and the
# hover timers); needs ImageMagick's import.
x11_settle() {
  local before="" now
  for _ in $(seq 1 40); do
    now=$(import -window "$1" rgb:- 2>/dev/null | md5sum)
    [ "$now" = "$before" ] && return 0
    before=$now
    sleep 0.1
  done
}

# x11_run BIN [ARGUMENT...]: starts BIN/tavolo without the loading picture's five seconds, its
# output in the session's log; sets TAVOLO_PID.
x11_run() {
  local bin=$1
  shift
  TAVOLO_NO_SPLASH_WAIT=1 "$bin/tavolo" "$@" >>"$X11_DIR/tavolo.log" 2>&1 &
  TAVOLO_PID=$!
  X11_PIDS+=("$TAVOLO_PID")
}

# x11_quit: Alt+F4, and the program must end without asking anything.
x11_quit() {
  xdotool key alt+F4
  x11_gone "$TAVOLO_PID" 20
}

# x11_closed TITLE: waits for the window TITLE to close.
x11_closed() {
  x11_until 20 "\"$1\" to close" bash -c "! xdotool search --onlyvisible --name '^$1\$'"
}

# x11_main_window [TITLE]: waits for the main window (titled Tavolo unless TITLE, a pattern, says
# otherwise) to have the focus and to be maximised; sets MAIN, WIDTH and HEIGHT.
x11_main_window() {
  MAIN=$(x11_window "${1:-Tavolo}" 60)
  x11_focused "$MAIN" "the main window"
  x11_until 20 "the main window to be maximised" bash -c \
    "eval \"\$(xdotool getwindowgeometry --shell $MAIN)\"; [ \"\$WIDTH\" -ge 1200 ]"
  x11_geometry "$MAIN"
}

# x11_skip_library: closes the template library with Escape, no template chosen (the blank
# card), then waits for the main window as x11_main_window does.
x11_skip_library() {
  local library
  x11_dialog "Template Library" 30 >/dev/null
  xdotool key Escape
  x11_main_window
}

# x11_load_picture KEYS KIND PICTURE COPY: opens KIND Options (Photo or Logo) with KEYS, loads
# PICTURE through its "Load KIND" button (Alt and the kind's first letter) and open dialog, waits
# for the COPY in the photo folder, and says OK with Enter.
x11_load_picture() {
  local kind=$2 letter=${2,,}
  # shellcheck disable=SC2086 # KEYS are several keys
  xdotool key $1
  x11_dialog "$kind Options" >/dev/null
  xdotool key "alt+${letter:0:1}"
  x11_file_dialog "Load $kind" "$3" "$4"
  xdotool key Return
  x11_closed "$kind Options"
}

# x11_export_card NAME: "File" → "Export Image..." (the seventh entry), PNG as offered, NAME
# without its extension; waits for NAME.png.
x11_export_card() {
  xdotool key alt+f Down Down Down Down Down Down Return
  x11_dialog "Export Options" >/dev/null
  xdotool key Return
  x11_file_dialog "Export Image" "$1" "$1.png"
}

# x11_card_info BIN CARD [TEXT...]: sets INFO to what BIN/tavolo-cli info says of CARD, which
# must hold each TEXT as a string.
x11_card_info() {
  local bin=$1 card=$2 text
  shift 2
  INFO=$("$bin/tavolo-cli" info "$card") || x11_fail "tavolo-cli info refused $card: $INFO"
  for text in "$@"; do
    grep -q "\"$text\"" <<<"$INFO" || x11_fail "$card lacks \"$text\": $INFO"
  done
}

# x11_rgb PICTURE...: writes each picture's pixels beside it as raw 8-bit RGB (its name with .rgb
# for its extension) for the checks in Python; sets RGB_WIDTH to the last one's width.
x11_rgb() {
  local picture
  for picture in "$@"; do
    convert "$picture" -depth 8 "rgb:${picture%.*}.rgb"
    RGB_WIDTH=$(identify -format %w "$picture")
  done
}
