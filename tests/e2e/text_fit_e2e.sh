#!/usr/bin/env bash
# The real tavolo under Xvfb with openbox: a card from a file that does not say whether its boxes
# shrink to fit (a shipped template copied as a project) is opened from the command line; a long
# run of letters typed into the first field makes its line too wide, and the field's caption must
# turn red on the screen. Text Options for that box, "Shrink to fit" on (Alt+H), Close; the caption
# must be blue again. Ctrl+S writes the open file and the program closes without a question.
# tavolo-cli info must show the box shrinking and the typed line; tavolo-cli render of the saved
# card must leave the card's margins exactly as they are on the template's card: the long line
# stays inside its box.
# Usage: text_fit_e2e.sh BIN_DIR (the folder of tavolo and tavolo-cli).
set -euo pipefail
source "$(dirname "$0")/x11_session.sh"
x11_begin "${1:-}" convert import python3
export TAVOLO_HOME="$bin"
card="$X11_DIR/old card.tvc"
template="$bin/tmpl/Dentist.tvt"  # its first box: left-aligned, no frame
[ -f "$template" ] || x11_fail "the shipped template $template is missing"
cp "$template" "$card"
typed=WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW

# The number of screen pixels of the field panel's upper part (the right 250 pixels of the main
# window, its first 200 rows) in the caption band's colour: marked red or plain blue.
band_pixels() {
  local colour=$1
  import -window root "$X11_DIR/screen.png"
  convert "$X11_DIR/screen.png" -crop "250x200+$((X + WIDTH - 250))+$Y" +repage \
    -format %c histogram:info: | awk -F: -v c="#$colour" 'index($0, c) { n += $1 } END { print n + 0 }'
}
red=C82828
blue=527588

# wait_band SECONDS WHAT COLOUR CONDITION: until the count n of band_pixels COLOUR meets CONDITION
# (shell arithmetic on n).
wait_band() {
  local deadline=$((SECONDS + $1)) n
  while :; do
    n=$(band_pixels "$3")
    if (($4)); then return 0; fi
    [ "$SECONDS" -lt "$deadline" ] || x11_fail "timed out after ${1}s waiting for $2 ($n pixels)"
    sleep 0.1
  done
}

x11_run "$bin" "$card"
x11_main_window "old card.tvc — Tavolo"
wait_band 20 "the field captions to show" $blue "n > 500"
wait_band 0 "no caption to be marked before anything is typed" $red "n == 0"

xdotool mousemove --window "$MAIN" $((WIDTH - 125)) 120 click 1
xdotool key ctrl+End
xdotool type --delay 5 "$typed"
wait_band 20 "the first caption to turn red" $red "n > 500"
cp "$X11_DIR/screen.png" "$X11_DIR/marked.png"

# The caption's "Text Options" box: the right half of the red band.
read -r caption_y < <(convert "$X11_DIR/marked.png" -crop "1x200+$((X + WIDTH - 60))+$Y" +repage \
  txt:- | grep -i "#$red" | head -n 1 | sed 's/^0,\([0-9]*\):.*/\1/')
[ -n "$caption_y" ] || x11_fail "the red caption's Text Options box was not found"
xdotool mousemove $((X + WIDTH - 60)) $((Y + caption_y + 2)) click 1
x11_dialog "Text Options" >/dev/null
# The mnemonic clicks the check box a moment later, as a click would; the card shows the change
# while the dialog is open, and only then may Return close it.
xdotool key alt+h
wait_band 20 "Shrink to fit to unmark the caption" $red "n == 0"
xdotool key Return
x11_closed "Text Options"
wait_band 20 "the caption to be blue again" $blue "n > 500"

# The save replaces the file: another inode.
before=$(stat -c %i "$card")
xdotool key ctrl+s
x11_until 20 "Ctrl+S to write $card" bash -c "[ \"\$(stat -c %i '$card')\" != $before ]"
x11_quit

x11_card_info "$bin" "$card"
grep -q "Brightsmile Dental$typed" <<<"$INFO" || x11_fail "the saved card lacks the typed line: $INFO"
grep -Eq '"shrinkToFit": \[true, false, false, false, false\]' <<<"$INFO" ||
  x11_fail "the saved card's first box does not shrink to fit: $INFO"

"$bin/tavolo-cli" render "$template" -o "$X11_DIR/template.png" >/dev/null
"$bin/tavolo-cli" render "$card" -o "$X11_DIR/saved.png" >/dev/null
x11_rgb "$X11_DIR/template.png" "$X11_DIR/saved.png"
python3 - "$X11_DIR/template.rgb" "$X11_DIR/saved.rgb" "$RGB_WIDTH" <<'EOF' || x11_fail "the long line reaches into the card's margin"
import sys

template, saved = (open(path, "rb").read() for path in sys.argv[1:3])
w = int(sys.argv[3])
h = len(template) // (3 * w)
margin = 50
differ = sum(1 for y in range(h) for x in list(range(margin)) + list(range(w - margin, w))
             if template[3 * (y * w + x):3 * (y * w + x) + 3] != saved[3 * (y * w + x):3 * (y * w + x) + 3])
print(f"{differ} pixels of the margins differ from the template's card")
sys.exit(1 if differ else 0)
EOF
echo "PASS: the too-wide line marked its caption; shrunk to fit, it stays inside its box in the saved card"
