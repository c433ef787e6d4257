#!/usr/bin/env bash
# Printed sheets as a print shop reads them: every line of every card is text as typed (pdftotext
# and Ghostscript's txtwrite), every face is embedded (pdffonts), each distinct picture is stored once however many cards show it
# (pdfimages), a two-sided card puts its backs on the page after each sheet, and 100 sheets of
# 10 cards stay under 3 MB.  Usage: vector_pdf_test.sh BIN_DIR
set -euo pipefail
bin=$(cd "${1:?usage: vector_pdf_test.sh BIN_DIR}" && pwd)
for tool in pdftotext pdffonts pdfimages python3 gs; do
  command -v "$tool" > /dev/null || { echo "$tool is missing: skipped"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/../private_home.sh"
private_home "$work/home"
cli=$bin/tavolo-cli
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# check_pdf PDF PICTURES: the lines of $work/lines in its text as poppler and Ghostscript read it,
# letter for letter (ligatures as their letters), its faces embedded, PICTURES distinct pictures.
check_pdf() {
  pdftotext "$1" "$work/text"
  gs -q -dNOPAUSE -dBATCH -sDEVICE=txtwrite -sOutputFile="$work/gs-text" "$1"
  python3 - "$work/lines" "$work/text" "$work/gs-text" <<'PY' || fail "$1: lines missing from its text"
import sys
squash = lambda s: " ".join(s.split())
lines = open(sys.argv[1], encoding="utf-8").read().splitlines()
failed = False
for read in sys.argv[2:]:
    text = squash(open(read, encoding="utf-8").read())
    for line in (l for l in lines if squash(l) not in text):
        print("  missing from", read, ":", line)
        failed = True
sys.exit(1 if failed else 0)
PY
  pdffonts "$1" | tail -n +3 | awk '$(NF-4) != "yes" { bad = 1 } END { exit bad }' ||
    fail "$1: a face is not embedded"
  local stored
  stored=$(pdfimages -list "$1" | tail -n +3 | awk '{ print $11 }' | sort -u | wc -l)
  [ "$stored" -eq "$2" ] || fail "$1: $stored distinct pictures stored, $2 expected"
}

for template in "Dentist" "Wine Bar" "Bookshop" "Plumber" "Bakery"; do
  # The card's lines, and how many of background, photo and logo it has.
  pictures=$("$cli" info "$bin/tmpl/$template.tvt" | python3 -c '
import json, sys
card = json.load(sys.stdin)
with open(sys.argv[1], "w", encoding="utf-8") as out:
    print(*(l for box in card["lines"][:card["boxCount"]] for l in box), sep="\n", file=out)
print(1 + sum(1 for kind in ("photo", "logo") if card[kind]["name"]))' "$work/lines")
  "$cli" print "$bin/tmpl/$template.tvt" -o "$work/sheet.pdf" --sheets 2
  check_pdf "$work/sheet.pdf" "$pictures"
done

# A merge: every card has its own lines; the background is still stored once.
"$cli" merge "$bin/samples/bakery.tvc" --data "$bin/samples/team.csv" -o "$work/merge.pdf" > /dev/null
tail -n +2 "$bin/samples/team.csv" | python3 -c '
import csv, sys
print(*(v for row in csv.reader(sys.stdin) for v in row if v), sep="\n")' > "$work/lines"
check_pdf "$work/merge.pdf" 1

# Two-sided, printed and merged: the sheet's page holds no back, the page after it the backs.
two=$bin/samples/two-sided.tvc
for command in "print" "merge --data $bin/samples/team.csv"; do
  # shellcheck disable=SC2086  # the command's words
  "$cli" $command "$two" -o "$work/two.pdf" --back short > /dev/null
  grep -q "Open Monday" <(pdftotext -f 1 -l 1 "$work/two.pdf" -) && fail "$command: a back on page 1"
  grep -q "Open Monday" <(pdftotext -f 2 -l 2 "$work/two.pdf" -) || fail "$command: no back on page 2"
done

"$cli" print "$bin/tmpl/Dentist.tvt" -o "$work/hundred.pdf" --sheets 100
size=$(stat -c %s "$work/hundred.pdf")
[ "$size" -lt 3000000 ] || fail "100 sheets take $size bytes"
exit $failed
