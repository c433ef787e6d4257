#!/usr/bin/env bash
# Pictures travel inside the card, and a font that is not installed stays in it: the real tavolo
# under Xvfb with openbox, driven with the keyboard (xdotool). Two cards made from a shipped
# template each get a logo through "Edit" → "Insert Logo...", both files named logo.png but
# different pictures, and are saved: the photo folder keeps both (the second under a new name)
# and each card holds its own bytes. The first card, copied to a fresh home whose photo folder
# holds the second logo under the first one's name, renders its own logo with tavolo-cli. A card
# whose first box names a face that is not installed opens with a message and that box's caption
# marked; Text Options → Close and Ctrl+S keep the face in the file.
# Usage: pictures_e2e.sh BIN_DIR (the folder of tavolo and tavolo-cli).
set -euo pipefail
source "$(dirname "$0")/x11_session.sh"
x11_begin "${1:-}" convert import python3 sha256sum
x11_program_folder "$bin"
mkdir -p "$X11_DIR/a" "$X11_DIR/b"
convert -size 120x120 xc:'#ff0000' "$X11_DIR/a/logo.png"
convert -size 120x120 xc:'#0000ff' "$X11_DIR/b/logo.png"

# with_logo CARD PICTURE COPY: CARD made from the Wine Bar template, PICTURE loaded as its logo
# (its working copy COPY in the photo folder), saved with Ctrl+S, the program closed.
with_logo() {
  local card=$1 before
  cp "$bin/tmpl/Wine Bar.tvt" "$card"
  x11_run "$bin" "$card"
  x11_main_window "$(basename "$card" .tvc)\.tvc .*Tavolo"
  # "Edit" → "Insert Logo..." as in logo_alpha_e2e.sh.
  x11_load_picture "alt+e Up Up Up Up Up Up Up Up Up Return" Logo "$2" "$3"
  before=$(stat -c %i "$card")
  xdotool key ctrl+s
  x11_until 20 "Ctrl+S to write $card" bash -c "[ \"\$(stat -c %i '$card')\" != $before ]"
  x11_quit
}
with_logo "$X11_DIR/first.tvc" "$X11_DIR/a/logo.png" "$PROGRAM/customphotos/logo.png"
with_logo "$X11_DIR/second.tvc" "$X11_DIR/b/logo.png" "$PROGRAM/customphotos/logo-2.png"
cmp -s "$PROGRAM/customphotos/logo.png" "$X11_DIR/a/logo.png" ||
  x11_fail "the second logo.png replaced the first card's working copy"
red=$(sha256sum "$X11_DIR/a/logo.png" | cut -d' ' -f1)
blue=$(sha256sum "$X11_DIR/b/logo.png" | cut -d' ' -f1)
x11_card_info "$bin" "$X11_DIR/first.tvc" "$red"
x11_card_info "$bin" "$X11_DIR/second.tvc" "$blue"

# A fresh home: no settings, and a photo folder whose logo.png is the other card's.
(
  private_home "$X11_DIR/fresh"
  mkdir -p "$X11_DIR/fresh/program/customphotos"
  for item in "$bin"/*; do
    [ "$(basename "$item")" = customphotos ] || ln -s "$item" "$X11_DIR/fresh/program/"
  done
  cp "$X11_DIR/b/logo.png" "$X11_DIR/fresh/program/customphotos/logo.png"
  cp "$X11_DIR/first.tvc" "$X11_DIR/fresh/sent.tvc"
  TAVOLO_HOME="$X11_DIR/fresh/program" "$bin/tavolo-cli" render --strict \
    "$X11_DIR/fresh/sent.tvc" -o "$X11_DIR/fresh/sent.png" >/dev/null
) || x11_fail "tavolo-cli render refused the card sent to a fresh home"
x11_rgb "$X11_DIR/fresh/sent.png"
python3 - "$X11_DIR/fresh/sent.rgb" "$RGB_WIDTH" <<'PY' || x11_fail "the sent card lost its logo"
import sys
image, width = open(sys.argv[1], "rb").read(), int(sys.argv[2])
# The logo, 120 x 120 at its own size, centred on the card (531, 307.5); text may cross it.
pixels = [image[3 * (y * width + x):3 * (y * width + x) + 3]
          for y in range(252, 362) for x in range(476, 586)]
red = sum(p == b"\xff\x00\x00" for p in pixels)
if red < len(pixels) // 2:
    sys.exit(f"FAIL: {red} of {len(pixels)} pixels of the logo are its red")
print(f"PASS: {red} of {len(pixels)} pixels of the logo are its red")
PY

# A face that is not installed: the template's "Linden Hill" renamed, same length.
card="$X11_DIR/font card.tvc"
python3 - "$bin/tmpl/Wine Bar.tvt" "$card" <<'PY'
import sys
data = open(sys.argv[1], "rb").read()
assert b"Linden Hill" in data
open(sys.argv[2], "wb").write(data.replace(b"Linden Hill", b"Zinden Hill"))
PY
x11_run "$bin" "$card"
# The card is read after the window stands (titled "Tavolo" until then): the message that names
# the face comes once the title names the card.
x11_window "font card\.tvc .*Tavolo" 60 >/dev/null
x11_dialog Tavolo >/dev/null
xdotool key Return
x11_main_window "font card\.tvc .*Tavolo"
# The first caption's band, marked red, and its "Text Options" box in the band's right half.
x11_settle "$MAIN"
import -window root "$X11_DIR/screen.png"
read -r caption_y < <(convert "$X11_DIR/screen.png" -crop "1x200+$((X + WIDTH - 60))+$Y" +repage \
  txt:- | grep -i "#C82828" | head -n 1 | sed 's/^0,\([0-9]*\):.*/\1/')
[ -n "$caption_y" ] || x11_fail "the caption of the box in a missing face is not marked"
xdotool mousemove $((X + WIDTH - 60)) $((Y + caption_y + 2)) click 1
x11_dialog "Text Options" >/dev/null
xdotool key Return
x11_closed "Text Options"
before=$(stat -c %i "$card")
xdotool key ctrl+s
x11_until 20 "Ctrl+S to write $card" bash -c "[ \"\$(stat -c %i '$card')\" != $before ]"
x11_quit
x11_card_info "$bin" "$card" "Zinden Hill"
echo "PASS: both logos kept apart, the sent card draws its own, the missing face survives"
