#!/usr/bin/env bash
# A transparent logo on a dark card, in the real tavolo under Xvfb with openbox, driven with the
# keyboard (xdotool): open a dark shipped template as a card, export it to PNG through the File
# menu, insert a disc on clear ground through "Edit" → "Insert Logo..." and its "Load Logo"
# dialog, and export again. Around the disc the second export must hold the card's own pixels,
# inside it the disc's colour.
# Usage: logo_alpha_e2e.sh BIN_DIR (the folder of tavolo and tavolo-cli).
set -euo pipefail
source "$(dirname "$0")/x11_session.sh"
x11_begin "${1:-}" convert python3
card="$X11_DIR/dark card.tvc"
logo="$X11_DIR/disc logo.png"
cp "$bin/tmpl/Wine Bar.tvt" "$card"
# A 120 × 120 disc of radius 50 at its centre, anti-aliased, on clear ground.
convert -size 120x120 xc:none -fill '#ffcc00' -draw 'circle 60,60 60,10' "PNG32:$logo"

x11_program_folder "$bin"

x11_run "$bin" "$card"
x11_main_window "dark card\.tvc .*Tavolo"
x11_export_card "$X11_DIR/bare"

# "Edit" → "Insert Logo...": up from the menu's first entry round to the last enabled one, "Show
# Front" (a card without a back leaves "Show Back" disabled), then past "Back side", "Contact
# Details...", "Card Properties...", the three colour entries, "Insert QR Code..." and the
# disabled "Delete Logo".
x11_load_picture "alt+e Up Up Up Up Up Up Up Up Up Return" Logo "$logo" "$PROGRAM/customphotos/disc logo.png"
x11_export_card "$X11_DIR/with logo"

# The logo, 120 × 120 at its own size, lies at the card's centre (531, 307.5): (471, 247) onwards.
x11_rgb "$X11_DIR/bare.png" "$X11_DIR/with logo.png"
python3 - "$X11_DIR/bare.rgb" "$X11_DIR/with logo.rgb" "$RGB_WIDTH" <<'EOF' || x11_fail "the logo is not blended onto the card"
import math, sys

bare, logo = (open(path, "rb").read() for path in sys.argv[1:3])
width = int(sys.argv[3])
pixel = lambda image, x, y: image[3 * (y * width + x):3 * (y * width + x) + 3]
around, inside, disc = 0, 0, 0
for y in range(237, 377):
    for x in range(461, 601):
        distance = math.hypot(x - 471 - 60, y - 247 - 60)
        if distance > 52 and pixel(logo, x, y) != pixel(bare, x, y):
            sys.exit(f"FAIL: pixel ({x}, {y}) outside the disc is not the card's own")
        if distance < 48:
            inside += 1
            disc += pixel(logo, x, y) == b"\xff\xcc\x00"
        around += distance > 52
# Text of the card is drawn over the logo; the rest of the disc is the disc's colour.
if disc < inside // 2:
    sys.exit(f"FAIL: only {disc} of {inside} pixels inside the disc show it")
print(f"PASS: {around} pixels around the disc are the card's own; {disc} of {inside} show the disc")
EOF
