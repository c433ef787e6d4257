#!/usr/bin/env bash
# The real tavolo under Xvfb with openbox: the print dialog remembers. A card with a back is
# printed once with a sheet product found by its part number (5881), both sides, 3 mm of bleed and
# the lengths in millimetres; the dialog opened again prints, untouched, the same PDF: the same
# pages, the same pictures. The choices are kept in the user's settings (mm among them, which
# shows in no PDF).
# Usage: print_memory_e2e.sh BIN_DIR (the folder of tavolo and tavolo-cli).
set -euo pipefail
source "$(dirname "$0")/x11_session.sh"
x11_begin "${1:-}" pdfinfo pdftoppm cmp
# Only the shipped sheets: no label database of the machine's.
export XDG_DATA_DIRS="$X11_DIR/share"
export LC_ALL=C

x11_run "$bin"
x11_skip_library
# The card takes the sheet's card size, 1050 x 600 pixels at 300 dpi (Card Properties opens in
# mm: each side's unit list is set to pixels first), then gets a back ("Back side", two up from the
# top of the Edit menu: "Show Back" is off without a back).
xdotool key alt+e Up Up Up Up Return
x11_dialog "Card properties" >/dev/null
xdotool key alt+w Tab p alt+h Tab p alt+w ctrl+a
xdotool type 1050
xdotool key alt+h ctrl+a
xdotool type 600
xdotool key Return
x11_closed "Card properties"
xdotool key alt+e Up Up Return

# print PDF: Ctrl+P, Print and the PDF's name; sets DIALOG while it is open.
print() {
  xdotool key ctrl+p
  DIALOG=$(x11_dialog "Print Preview")
  if [ "${2:-}" = choose ]; then
    xdotool key alt+d
    xdotool type --delay 20 5881
    xdotool key Return alt+m alt+b ctrl+a
    xdotool type 3
    xdotool key Tab
    # "Both sides", the first box of the last group, 65 pixels above the dialog's bottom.
    x11_geometry "$DIALOG"
    xdotool mousemove --window "$DIALOG" 400 $((HEIGHT - 65)) click 1
  fi
  xdotool key alt+p
  x11_file_dialog "Print to PDF" "$1" "$1"
  x11_closed "Print Preview"
}

first="$X11_DIR/first.pdf"
again="$X11_DIR/again.pdf"
print "$first" choose
print "$again"

pages() { pdfinfo "$1" | sed -n 's/^Pages: *//p'; }
[ "$(pages "$first")" = 2 ] || x11_fail "the first print has $(pages "$first") pages, not a sheet and its backs"
[ "$(pages "$again")" = 2 ] || x11_fail "the dialog opened again forgot both sides: $(pages "$again") pages"
pdftoppm -r 50 -png "$first" "$X11_DIR/first"
pdftoppm -r 50 -png "$again" "$X11_DIR/again"
for page in "$X11_DIR"/first-*.png; do
  cmp -s "$page" "${page/first-/again-}" || x11_fail "the dialog opened again printed $(basename "$page") otherwise"
done
settings="$XDG_CONFIG_HOME/tavolo/tavolo.conf"
[ -s "$settings" ] || x11_fail "no settings were written"
for kept in 'unit=mm' 'bothSides=true' 'bleed=3' 'layout=product'; do
  grep -q "^$kept" "$settings" || x11_fail "the settings lack $kept: $(cat "$settings")"
done
echo "PASS: the print dialog opened again with its product, both sides, bleed and millimetres"
