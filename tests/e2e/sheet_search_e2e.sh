#!/usr/bin/env bash
# The real tavolo under Xvfb with openbox: the blank card is given the size of a US business card
# (Card Properties, 1050 x 600 pixels at 300 dpi), the print dialog opens with Ctrl+P, "5881" is
# typed into its search (Alt+D) and Enter takes the sheet found, Avery's clean-edge cards; Print
# writes the sheet to a PDF. Every card must lie at the place the product gives it (as
# tavolo-cli sheets --json says), within half a millimetre, with paper around it.
# Usage: sheet_search_e2e.sh BIN_DIR (the folder of tavolo and tavolo-cli).
set -euo pipefail
source "$(dirname "$0")/x11_session.sh"
x11_begin "${1:-}" pdftoppm convert python3
x11_program_folder "$bin"
# Only the shipped sheets: no label database of the machine's.
export XDG_DATA_DIRS="$X11_DIR/share"
export LC_ALL=C

x11_run "$bin"
x11_skip_library

# Card Properties: up from the top of the Edit menu, past "Show Front", "Back side" and
# "Contact Details" (a card without a back leaves "Show Back" off).
xdotool key alt+e Up Up Up Up Return
x11_dialog "Card properties" >/dev/null
# It opens in millimetres; each side's unit list (after its edit) is set to pixels first.
xdotool key alt+w Tab p alt+h Tab p
xdotool key alt+w ctrl+a
xdotool type 1050
xdotool key alt+h ctrl+a
xdotool type 600
xdotool key Return
x11_closed "Card properties"

xdotool key ctrl+p
x11_dialog "Print Preview" >/dev/null
xdotool key alt+d
xdotool type --delay 20 5881
xdotool key Return
printed="$X11_DIR/clean edge.pdf"
xdotool key alt+p
x11_file_dialog "Print to PDF" "$printed" "$printed"
x11_closed "Print Preview"

"$bin/tavolo-cli" sheets --search "avery 5881" --json >"$X11_DIR/product.json"
pdftoppm -r 100 -singlefile -png "$printed" "$X11_DIR/sheet"
x11_rgb "$X11_DIR/sheet.png"
python3 - "$X11_DIR/product.json" "$X11_DIR/sheet.rgb" "$RGB_WIDTH" <<'EOF'
import json, sys
product = json.load(open(sys.argv[1]))
assert len(product) == 1, f"the search found {len(product)} sheets"
p = product[0]
assert p["name"] == "Avery 8373 Business Cards (Letter)", p["name"]
pixels, width = open(sys.argv[2], "rb").read(), int(sys.argv[3])
height = len(pixels) // (3 * width)
px = 100 / 25.4  # pixels per millimetre


def paper(x, y):
    i = 3 * (int(y) * width + int(x))
    return min(pixels[i:i + 3]) == 255  # the blank card is not quite white


def edge(start, step, across, line):
    """The first pixel from `start` (a little outside the card) along `step` that is card."""
    at = start
    for _ in range(40):
        if not (paper(at, line) if across else paper(line, at)):
            return at
        at += step
    return None


problems = []
for row in range(p["rows"]):
    for column in range(p["columns"]):
        left = (p["leftMm"] + column * p["horizontalPitchMm"]) * px
        top = (p["topMm"] + row * p["verticalPitchMm"]) * px
        right = left + p["cardWidthMm"] * px
        bottom = top + p["cardHeightMm"] * px
        mid_x, mid_y = (left + right) / 2, (top + bottom) / 2
        # The far edges: one past the last pixel of card.
        far = lambda at: None if at is None else at + 1
        found = {
            "left": edge(left - 10, 1, True, mid_y),
            "right": far(edge(right + 10, -1, True, mid_y)),
            "top": edge(top - 10, 1, False, mid_x),
            "bottom": far(edge(bottom + 10, -1, False, mid_x)),
        }
        for side, expected in (("left", left), ("right", right), ("top", top), ("bottom", bottom)):
            if found[side] is None or abs(found[side] - expected) > 0.5 * px + 1:
                problems.append(f"card {column},{row}: the {side} edge is at {found[side]}, "
                                f"not {expected:.1f}")
if problems:
    sys.exit("\n".join(problems))
print(f"PASS: {p['columns'] * p['rows']} cards at the places of {p['name']}")
EOF
# The card's new size is not saved: "Discard" at the question.
xdotool key alt+F4
question=$(x11_window Tavolo 20 "$MAIN")
x11_focused "$question" "the question"
xdotool key alt+d
x11_gone "$TAVOLO_PID" 10
