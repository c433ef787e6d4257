#!/usr/bin/env bash
# The real tavolo under Xvfb with openbox, driven as a user would with the keyboard and the mouse
# (xdotool): close the template library with Escape, correct the company name in layout 1, switch
# to layout 3 with Alt+3, type into the first field editor, drag the hue slider, undo once (the
# drag), insert a photo with Ctrl+I, export the card to PNG, press Ctrl+N and cancel the question
# it asks, save with Ctrl+S to a path (the title then names the file), type again and save with
# Ctrl+S without a dialog, print with Ctrl+P to the PDF printer (when no printer is installed),
# and close without a question. The exported file must hold the card with the photo at its
# centre, tavolo-cli info on the saved file must show the corrected name, both typed texts,
# layout 3, no tint and the photo, and the PDF must be one sheet of cards.
# Usage: window_e2e.sh BIN_DIR (the folder of tavolo and tavolo-cli).
set -euo pipefail
bin=$(cd "${1:?usage: window_e2e.sh BIN_DIR}" && pwd)
source "$(dirname "$0")/x11_session.sh"
x11_require convert

x11_start 1280 800
saved="$X11_DIR/saved card.tvc"
typed="Ada Lovelace"
photo="$X11_DIR/red photo.png"
exported="$X11_DIR/exported card"
convert -size 200x120 xc:'#ff0000' "$photo"

x11_program_folder "$bin"

TAVOLO_NO_SPLASH_WAIT=1 "$bin/tavolo" >"$X11_DIR/tavolo.log" 2>&1 &
tavolo=$!
X11_PIDS+=("$tavolo")
# The template library comes first; Escape closes it with no template chosen: the blank card.
library=$(x11_window "Template Library" 20)
x11_focused "$library" "the library"
xdotool key Escape
main=$(x11_window Tavolo 15)
x11_focused "$main" "the main window"
x11_until 5 "the main window to be maximised" bash -c \
  "eval \"\$(xdotool getwindowgeometry --shell $main)\"; [ \"\$WIDTH\" -ge 1200 ]"
x11_geometry "$main"

# The first editor of the field panel (the right 250 pixels), below its caption: "Company Name"
# in layout 1 becomes "Company Firm", which layout 3 shows as well.
xdotool mousemove --window "$main" $((WIDTH - 125)) 120 click 1
xdotool key ctrl+End BackSpace BackSpace BackSpace BackSpace
xdotool type --delay 20 "Firm"
xdotool key alt+3
xdotool mousemove --window "$main" $((WIDTH - 125)) 120 click 1
xdotool key ctrl+End Return
xdotool type --delay 20 "$typed"
# The hue slider lies 305 pixels from the left, 5 to 30 pixels below the menu bar.
xdotool mousemove --window "$main" 330 40 mousedown 1
for x in 360 400 440 480; do xdotool mousemove --window "$main" "$x" 40; done
xdotool mouseup 1
xdotool key ctrl+z

# Ctrl+I, then "Load Photo" (Alt+P) and its open dialog; OK with Enter.
xdotool key ctrl+i
x11_window "Photo Options" 10 >/dev/null
xdotool key alt+p
x11_file_dialog "Load Photo" "$photo" "$PROGRAM/customphotos/red photo.png"
xdotool key Return
x11_until 5 "Photo Options to close" bash -c "! xdotool search --onlyvisible --name '^Photo Options\$'"

# "File" → "Export Image..." (the seventh entry), PNG as offered, a name without its extension.
xdotool key alt+f Down Down Down Down Down Down Return
x11_window "Export Options" 10 >/dev/null
xdotool key Return
x11_file_dialog "Export Image" "$exported" "$exported.png"
size=$("$bin/tavolo-cli" identify "$exported.png") || x11_fail "tavolo-cli identify refused the export"
grep -q "format: PNG" <<<"$size" || x11_fail "the export is not a PNG: $size"
grep -q "width: 1062" <<<"$size" || x11_fail "the export is not the card's width: $size"
grep -q "dpi: 300 x 300" <<<"$size" || x11_fail "the export lacks the card's dpi: $size"
# The photo, 200 × 120, lies at the card's centre (531, 307.5).
centre=$(convert "$exported.png" -format '%[pixel:p{445,255}] %[pixel:p{620,360}]' info:)
[ "$centre" = "srgb(255,0,0) srgb(255,0,0)" ] || x11_fail "the export lacks the photo: $centre"

# Ctrl+N on the modified card asks first; Escape cancels, and the card stays.
xdotool key ctrl+n
x11_window Tavolo 10 "$main" >/dev/null
xdotool key Escape
sleep 1
! xdotool search --onlyvisible --name '^Template Library$' >/dev/null ||
  x11_fail "Ctrl+N opened the template library after the question was cancelled"

xdotool key ctrl+s
x11_file_dialog "Save Project" "$saved" "$saved"
x11_until 5 "the title to name the file" bash -c \
  "xdotool getwindowname $main | grep -q '^saved card.tvc .* Tavolo\$'"

# The keyboard is back in the editor; the second Ctrl+S writes the open file without a dialog.
first=$(stat -c %i "$saved")
xdotool key ctrl+End Return
xdotool type --delay 20 "Second"
xdotool key ctrl+s
x11_until 10 "the second save to replace $saved" bash -c "[ \"\$(stat -c %i '$saved')\" != $first ]"
! xdotool search --onlyvisible --name '^Save Project$' >/dev/null ||
  x11_fail "the second Ctrl+S asked for a name"

# Print: with no printer installed the sheet goes to a PDF file, asked for by name.
printed="$X11_DIR/printed sheet.pdf"
if command -v pdfinfo pdftoppm convert >/dev/null &&
  { ! command -v lpstat >/dev/null || ! lpstat -p 2>/dev/null | grep -q .; }; then
  xdotool key ctrl+p
  x11_window "Print Preview" 10 >/dev/null
  xdotool key alt+p
  x11_window "Print to PDF" 10 >/dev/null
  xdotool key ctrl+a
  xdotool type --delay 10 "$printed"
  xdotool key Return
  x11_until 10 "the sheet to be printed to $printed" test -s "$printed"
  x11_until 5 "the print dialog to close" bash -c "! xdotool search --onlyvisible --name '^Print Preview\$'"
fi

# Saved: closing asks nothing.
xdotool key alt+F4
x11_gone "$tavolo" 10

info=$("$bin/tavolo-cli" info "$saved") || x11_fail "tavolo-cli info refused $saved: $info"
for text in "Company Firm" "$typed" "Second"; do
  grep -q "\"$text\"" <<<"$info" || x11_fail "the saved card lacks \"$text\": $info"
done
grep -Eq '"lnmb": *2\b' <<<"$info" || x11_fail "the saved card is not layout 3: $info"
grep -Eq '"hueShift": *0(\.0+)?\b' <<<"$info" || x11_fail "the undone drag is still in the card: $info"
grep -q '"red photo.png"' <<<"$info" || x11_fail "the saved card lacks the photo: $info"
if [ -e "$printed" ]; then
  pages=$(pdfinfo "$printed" | sed -n 's/^Pages: *//p')
  [ "$pages" = 1 ] || x11_fail "the printed PDF has ${pages:-no} pages, not 1"
  # Ten cards of the blank card carry its field names in black: the sheet is not blank.
  pdftoppm -r 30 -gray -singlefile "$printed" "$X11_DIR/sheet"
  darkest=$(convert "$X11_DIR/sheet.pgm" -format '%[fx:int(255*minima)]' info:)
  [ "$darkest" -lt 128 ] || x11_fail "the printed sheet is blank (darkest grey $darkest)"
  echo "PASS: the printed sheet is one page of cards"
fi
echo "PASS: the exported card shows the photo; the corrected name, typed text, layout 3, the undone drag and the photo are in the saved card"
echo "PASS: Ctrl+N asked, the title named the file, the second Ctrl+S saved without a dialog"
