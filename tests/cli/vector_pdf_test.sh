#!/usr/bin/env bash
# Sheets printed by tavolo-cli as a print shop reads them: every line of every card is text
# (pdftotext), every face is embedded (pdffonts), each distinct picture is stored once however
# many cards show it (pdfimages), and 100 sheets of 10 cards stay under 3 MB.
# Usage: vector_pdf_test.sh BIN_DIR (the folder of tavolo-cli and its shipped data).
set -euo pipefail
bin=$(cd "${1:?usage: vector_pdf_test.sh BIN_DIR}" && pwd)
for tool in pdftotext pdffonts pdfimages python3; do
  command -v "$tool" > /dev/null || { echo "$tool is missing: skipped"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cli=$bin/tavolo-cli
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# check_pdf PDF EXPECTED_PICTURES LINES_FILE: the three readings of one PDF.
check_pdf() {
  local pdf=$1 pictures=$2 lines=$3
  pdftotext "$pdf" "$work/text"
  python3 - "$work/text" "$lines" <<'PY' || fail "$pdf: lines missing from its text"
import sys, unicodedata
# A ligature the font has a letter for ("ﬂ") reads as its letters.
squash = lambda s: " ".join(unicodedata.normalize("NFKC", s).split())
text = squash(open(sys.argv[1], encoding="utf-8").read())
missing = [l for l in open(sys.argv[2], encoding="utf-8").read().splitlines()
           if squash(l) and squash(l) not in text]
for line in missing: print("  missing:", line)
sys.exit(1 if missing else 0)
PY
  local faces
  faces=$(pdffonts "$pdf" | tail -n +3)
  [ -n "$faces" ] || fail "$pdf: no fonts"
  if awk '{ if ($(NF-4) != "yes") bad = 1 } END { exit !bad }' <<< "$faces"; then
    fail "$pdf: a face is not embedded:"$'\n'"$faces"
  fi
  local objects
  objects=$(pdfimages -list "$pdf" | tail -n +3 | awk '{ print $11 }' | sort -u | wc -l)
  [ "$objects" -eq "$pictures" ] || fail "$pdf: $objects distinct pictures stored, $pictures expected"
}

# The card's lines, and its background, photo and logo that are pictures, from tavolo-cli info.
card_facts() {
  "$cli" info "$1" | python3 -c '
import json, sys
card = json.load(sys.stdin)
with open(sys.argv[1], "w", encoding="utf-8") as out:
    for box in card["lines"][:card["boxCount"]]:
        for line in box: print(line, file=out)
print(1 + sum(1 for kind in ("photo", "logo") if card[kind]["name"]))' "$work/lines"
}

for template in "Dentist" "Wine Bar" "Bookshop" "Plumber"; do
  pictures=$(card_facts "$bin/tmpl/$template.tvt")
  "$cli" print "$bin/tmpl/$template.tvt" -o "$work/sheet.pdf" --sheets 2
  check_pdf "$work/sheet.pdf" "$pictures" "$work/lines"
done

# A merge: every card has its own lines, the background is still stored once.
"$cli" merge "$bin/samples/bakery.tvc" --data "$bin/samples/team.csv" -o "$work/merge.pdf" \
  > /dev/null
python3 -c '
import csv, sys
for row in csv.DictReader(open(sys.argv[1], encoding="utf-8")):
    for value in row.values():
        if value: print(value)' "$bin/samples/team.csv" > "$work/lines"
check_pdf "$work/merge.pdf" 1 "$work/lines"

"$cli" print "$bin/tmpl/Dentist.tvt" -o "$work/hundred.pdf" --sheets 100 \
  --layout "Avery C32011 Business Cards (A4)"
size=$(stat -c %s "$work/hundred.pdf")
[ "$size" -lt 3000000 ] || fail "100 sheets take $size bytes"
exit $failed
