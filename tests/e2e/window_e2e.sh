#!/usr/bin/env bash
# The real tavolo under Xvfb with openbox, driven as a user would with the keyboard and the mouse
# (xdotool): close the template library with Escape, correct the company name in layout 1, switch
# to layout 3 with Alt+3, insert a photo with Ctrl+I, export the card to PNG, change the Name in
# Edit → Contact Details…, drag the photo on the card with the mouse, type into the first field
# editor, drag the hue slider, undo once (the drag), press Ctrl+N and cancel the question it
# asks, save with Ctrl+S to a path (the title then names the file), type again and save with
# Ctrl+S without a dialog, print with Ctrl+P to the PDF printer (the session finds no printer),
# and close without a question. The exported file must hold the card with the photo at its
# centre, tavolo-cli info on the saved file must show the corrected name, both typed texts,
# layout 3, no tint, the new name in the contact details and in the box that holds it, and the
# photo moved by the drag, and the PDF must be one sheet of cards.
# Usage: window_e2e.sh BIN_DIR (the folder of tavolo and tavolo-cli).
set -euo pipefail
source "$(dirname "$0")/x11_session.sh"
x11_begin "${1:-}" convert import python3
saved="$X11_DIR/saved card.tvc"
typed="Ada Lovelace"
name="Grace Hopper"
photo="$X11_DIR/red photo.png"
exported="$X11_DIR/exported card"
convert -size 200x120 xc:'#ff0000' "$photo"

x11_program_folder "$bin"

x11_run "$bin"
x11_skip_library

# The first editor of the field panel (the right 250 pixels), below its caption: "Company Name"
# in layout 1 becomes "Company Firm", which layout 3 shows as well.
xdotool mousemove --window "$MAIN" $((WIDTH - 125)) 120 click 1
xdotool key ctrl+End BackSpace BackSpace BackSpace BackSpace
xdotool type --delay 20 "Firm"
xdotool key alt+3

x11_load_picture ctrl+i Photo "$photo" "$PROGRAM/customphotos/red photo.png"
x11_export_card "$exported"
size=$("$bin/tavolo-cli" identify "$exported.png") || x11_fail "tavolo-cli identify refused the export"
for want in "format: PNG" "width: 1062" "dpi: 300 x 300"; do
  grep -q "$want" <<<"$size" || x11_fail "the export is not a PNG of the card's width and dpi: $size"
done
# The photo, 200 × 120, lies at the card's centre (531, 307.5).
centre=$(convert "$exported.png" -format '%[pixel:p{445,255}] %[pixel:p{620,360}]' info:)
[ "$centre" = "srgb(255,0,0) srgb(255,0,0)" ] || x11_fail "the export lacks the photo: $centre"

# Edit → Contact Details… (its mnemonic D); the Name is the second line.
xdotool key alt+e d
x11_dialog "Contact Details" >/dev/null
xdotool key Tab ctrl+a
xdotool type --delay 20 "$name"
xdotool key Return
x11_closed "Contact Details"

# Where the preview shows the red photo, from a picture of the screen with the pointer aside;
# only the preview's area counts (the hue strip above it holds pure red too).
xdotool mousemove 5 795
x11_settle root
import -window root "$X11_DIR/screen.png"
read -r w h left top < <(convert "$X11_DIR/screen.png" -crop 720x600+305+80 +repage -fill black \
  +opaque '#ff0000' -trim -format '%w %h %X %Y\n' info: | tr -d '+')
[ "$w" -gt 20 ] || x11_fail "the photo is not on the screen (red area ${w}x${h})"
cx=$((left + 305 + w / 2))
cy=$((top + 80 + h / 2))
xdotool mousemove "$cx" "$cy" mousedown 1
for step in 1 2 3; do xdotool mousemove $((cx + 20 * step)) $((cy + 10 * step)); done
xdotool mouseup 1

# Back in the first editor, a line of its own.
xdotool mousemove --window "$MAIN" $((WIDTH - 125)) 120 click 1
xdotool key ctrl+End Return
xdotool type --delay 20 "$typed"
# The hue slider lies 305 pixels from the left, 5 to 30 pixels below the menu bar.
xdotool mousemove --window "$MAIN" 330 40 mousedown 1
for x in 360 400 440 480; do xdotool mousemove --window "$MAIN" "$x" 40; done
xdotool mouseup 1
xdotool key ctrl+z

# Ctrl+N on the modified card asks first; Escape cancels, and the card stays.
xdotool key ctrl+n
question=$(x11_window Tavolo 20 "$MAIN")
x11_focused "$question" "the question"
xdotool key Escape

xdotool key ctrl+s
x11_file_dialog "Save Project" "$saved" "$saved"
# Ctrl+S was read after Escape: a library opened by the cancelled Ctrl+N would be showing.
! xdotool search --onlyvisible --name '^Template Library$' >/dev/null ||
  x11_fail "Ctrl+N opened the template library after the question was cancelled"
x11_until 20 "the title to name the file" bash -c \
  "xdotool getwindowname $MAIN | grep -q '^saved card.tvc .* Tavolo\$'"

# The keyboard is back in the editor; the second Ctrl+S writes the open file without a dialog.
first=$(stat -c %i "$saved")
xdotool key ctrl+End Return
xdotool type --delay 20 "Second"
xdotool key ctrl+s
x11_until 20 "the second save to replace $saved" bash -c "[ \"\$(stat -c %i '$saved')\" != $first ]"
! xdotool search --onlyvisible --name '^Save Project$' >/dev/null ||
  x11_fail "the second Ctrl+S asked for a name"

# Print: the session finds no printer, so the sheet goes to a PDF file, asked for by name.
printed="$X11_DIR/printed sheet.pdf"
if command -v pdfinfo pdftoppm >/dev/null; then
  xdotool key ctrl+p
  x11_dialog "Print Preview" >/dev/null
  xdotool key alt+p
  x11_file_dialog "Print to PDF" "$printed" "$printed"
  x11_closed "Print Preview"
fi

# Saved: closing asks nothing.
x11_quit

x11_card_info "$bin" "$saved" "Company Firm" "$typed" "Second" "red photo.png"
grep -Eq '"lnmb": *2\b' <<<"$INFO" || x11_fail "the saved card is not layout 3: $INFO"
grep -Eq '"hueShift": *0(\.0+)?\b' <<<"$INFO" || x11_fail "the undone drag is still in the card: $INFO"
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
python3 -c "$check" "$name" "$w" <<<"$INFO" || x11_fail "the saved card is not as edited: $INFO"
if [ -e "$printed" ]; then
  pages=$(pdfinfo "$printed" | sed -n 's/^Pages: *//p')
  [ "$pages" = 1 ] || x11_fail "the printed PDF has ${pages:-no} pages, not 1"
  # Ten cards of the blank card carry its field names in black: the sheet is not blank.
  pdftoppm -r 30 -gray -singlefile "$printed" "$X11_DIR/sheet"
  darkest=$(convert "$X11_DIR/sheet.pgm" -format '%[fx:int(255*minima)]' info:)
  [ "$darkest" -lt 128 ] || x11_fail "the printed sheet is blank (darkest grey $darkest)"
  echo "PASS: the printed sheet is one page of cards"
fi
echo "PASS: the exported card shows the photo; the corrected name, typed text, layout 3, the undone drag, the new contact name and the moved photo are in the saved card"
echo "PASS: Ctrl+N asked, the title named the file, the second Ctrl+S saved without a dialog"
