#!/usr/bin/env bash
# The real tavolo under Xvfb with openbox, from its first window on, as a new user meets it: the
# template library (TAVOLO_NO_SPLASH_WAIT=1 spares the five seconds of the loading picture), the
# second template picked with the mouse, the starred fields typed (Tab from field to field),
# Continue, then Ctrl+S to a path and close (saved, without a question). tavolo-cli info on the
# saved card must show the template's layout, background and styles with the typed details in
# place of its sample text (the phone number under the template's label); opened again from the command line and saved under another name, it is
# the same card.
# Usage: startup_e2e.sh BIN_DIR (the folder of tavolo and tavolo-cli).
set -euo pipefail
source "$(dirname "$0")/x11_session.sh"
x11_begin "${1:-}"
saved="$X11_DIR/my card.tvc"
template="$bin/tmpl/Architect.tvt"
[ -f "$template" ] || x11_fail "the shipped template $template is missing"

x11_run "$bin"
library=$(x11_dialog "Template Library" 30)

# The second cell (templates are listed by title: Accountant, Architect, ...), then the first
# field, Company Name, 18 pixels below its label at the right of the window.
xdotool mousemove --window "$library" 410 117 click 1
xdotool mousemove --window "$library" 647 45 click 1
# The starred fields, Tab passing over the others: Company Name*, Name*, Title, Address Line 1*,
# Address Line 2, City*, Zip*, Email*, Website, Phone Number 1*.
for value in "Nordlys Studio" "Ada Kvist" "" "Havnegade 7" "" "Aarhus" "8000" \
  "ada@nordlys.example" "" "+45 55 55 12 34"; do
  [ -n "$value" ] && xdotool type --delay 10 "$value"
  xdotool key Tab
done
xdotool mousemove --window "$library" 656 476 click 1
x11_closed "Template Library"

# The card from the template is unsaved work: its title is marked.
x11_main_window 'Tavolo\*'
xdotool key ctrl+s
x11_file_dialog "Save Project" "$saved" "$saved"
x11_quit

# The phone number typed gets the label the template shows its own with.
x11_card_info "$bin" "$saved" "Nordlys Studio" "Ada Kvist" "Havnegade 7" "ada@nordlys.example" \
  "Tel. +45 55 55 12 34"
info=$INFO
expected=$("$bin/tavolo-cli" info "$template")
field() { grep -E "\"$1\":" | head -1; }
for key in lnmb background face boxCount; do
  [ "$(field "$key" <<<"$info")" = "$(field "$key" <<<"$expected")" ] ||
    x11_fail "the saved card's $key is not the template's: $(field "$key" <<<"$info")"
done
# Neither the template's sample text nor the names of the fields left empty.
for absent in "Forma Architects" "Title" "Website Address"; do
  if grep -q "\"$absent\"" <<<"$info"; then x11_fail "the card holds \"$absent\": $info"; fi
done

# The saved card named on the command line: the window comes up and the card fills it; saved
# again, it is the same card.
again="$X11_DIR/again.tvc"
x11_run "$bin" "$saved"
# The window comes first and is named after the card once the card is read.
x11_main_window "$(basename "$saved") — Tavolo"
# Save Project As by its mnemonic in the File menu (Ctrl+S would write the open file).
xdotool key alt+f a
x11_file_dialog "Save Project" "$again" "$again"
x11_quit
[ "$("$bin/tavolo-cli" info "$again")" = "$info" ] || x11_fail "the reopened card is not the saved one"
echo "PASS: the chosen template with the typed details is in the saved card, and opens again"
