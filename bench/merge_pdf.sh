#!/usr/bin/env bash
# Times the PDFs a print shop gets from tavolo-cli, and a merge of 500 records into a PDF of 10-up
# business-card sheets beside the same CSV through gLabels' batch merge on the same sheet (Avery
# C32011, 2 x 5 cards on A4) in the same run.
#
#   bench/merge_pdf.sh [BUILD_DIR] [RUNS]                 defaults: build, 3
#
# Tavolo: 100 sheets of the sample card, painted as shapes and text, with their page boxes; the
# sample card alone in CMYK through Ghostscript's CMYK profile; merges of 500 and of 10,000
# records. The records are the ten people of data/samples/team.csv repeated. Tavolo merges them
# into the sample card (samples/bakery.tvc: a textured background and five text boxes). gLabels
# (glabels-3-batch, Debian package glabels) gets a card of the same size with the same fields as
# text and one full-card picture (a noisy texture made by ImageMagick) drawn under them on every
# card. For each run the median wall time, the processor time (user + system) and the peak
# resident memory of RUNS runs are printed.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-3}
cli=$build/bin/tavolo-cli
[ -x "$cli" ] || { echo "no $cli: build it first" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is missing (apt-get install time)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# records COUNT: the team repeated to COUNT records, into $work/teamCOUNT.csv.
records() {
  {
    head -n 1 data/samples/team.csv
    for _ in $(seq $(($1 / 10))); do tail -n +2 data/samples/team.csv; done
  } > "$work/team$1.csv"
}
records 500
records 10000

# measure NAME COMMAND...: RUNS runs; prints the median wall time, processor time and peak memory.
measure() {
  local name=$1
  shift
  for _ in $(seq "$runs"); do
    /usr/bin/time -f '%e %U %S %M' -o "$work/time" "$@" > /dev/null 2> "$work/err" ||
      { echo "$name failed:" >&2; cat "$work/err" >&2; exit 1; }
    cat "$work/time"
  done | sort -g | awk -v n="$name" -v r="$runs" '
    { wall[NR] = $1; cpu[NR] = $2 + $3; mem[NR] = $4 }
    END { m = int((r + 1) / 2)
          printf "%-34s wall %7.2f s   cpu %7.2f s   peak %6.0f MB\n", n, wall[m], cpu[m], mem[m] / 1024 }'
}

sample=$build/bin/samples/bakery.tvc
avery="$build/bin/abctmp/Avery C32011 Business Cards (A4).ptm"
measure "tavolo-cli print, 100 sheets" "$cli" print "$sample" -o "$work/sheets.pdf" \
  --paper A4 --sheets 100
profile=/usr/share/color/icc/ghostscript/default_cmyk.icc
if [ -f "$profile" ]; then
  measure "tavolo-cli pdf --cmyk, one card" "$cli" pdf "$sample" -o "$work/cmyk.pdf" \
    --bleed 3 --crop-marks --cmyk "$profile"
fi
measure "tavolo-cli merge, 10000 cards" "$cli" merge "$sample" --data "$work/team10000.csv" \
  -o "$work/many.pdf" --layout "$avery"
measure "tavolo-cli merge, 500 cards" "$cli" merge "$sample" --data "$work/team500.csv" \
  -o "$work/tavolo.pdf" --layout "$avery"

if ! command -v glabels-3-batch > /dev/null; then
  echo "glabels-3-batch is not installed (apt-get install glabels): no comparison"
  exit 0
fi
convert -size 1062x615 plasma:wheat-tan "$work/texture.png"
field() { printf '<Field name="%s"/>' "$1"; }
text() {  # text X Y W H SIZE FIELDS...: a text object of one line per field
  local x=$1 y=$2 w=$3 h=$4 size=$5
  shift 5
  local lines=() f
  for f in "$@"; do lines+=("$(field "$f")"); done
  local joined
  joined=$(printf '%s<NL/>' "${lines[@]}")
  printf '<Object-text x="%smm" y="%smm" w="%smm" h="%smm" justify="Left" valign="Top" auto_shrink="False" a0="1" a1="0" a2="0" a3="1" a4="0" a5="0"><Span color="0x000000ff" font_family="Liberation Sans" font_size="%s" font_weight="Normal" font_italic="False" line_spacing="1">%s</Span></Object-text>\n' \
    "$x" "$y" "$w" "$h" "$size" "${joined%<NL/>}"
}
cat > "$work/cards.glabels" << EOF
<?xml version="1.0"?>
<Glabels-document xmlns="http://glabels.org/xmlns/3.0/">
  <Template brand="Avery" part="C32011-10" size="A4" description="Business Cards">
    <Label-rectangle id="0" width="85mm" height="54mm" round="0mm" x_waste="0mm" y_waste="0mm">
      <Layout nx="2" ny="5" x0="15mm" y0="13.5mm" dx="95mm" dy="54mm"/>
    </Label-rectangle>
  </Template>
  <Objects id="0" rotate="False">
    <Object-image x="0mm" y="0mm" w="85mm" h="54mm" src="$work/texture.png" a0="1" a1="0" a2="0" a3="1" a4="0" a5="0"/>
    $(text 4 4 77 8 14 Company)
    $(text 4 18 77 10 10 Name "Job Title")
    $(text 4 36 50 16 7 Street City Postcode)
    $(text 45 4 36 8 7 E-mail Website)
    $(text 55 44 28 8 7 Phone Mobile)
  </Objects>
  <Merge type="Text/Comma/Line1Keys" src="$work/team500.csv"/>
</Glabels-document>
EOF
measure "glabels-3-batch, 500 cards" glabels-3-batch -o "$work/glabels.pdf" "$work/cards.glabels"
echo "pages: tavolo $(pdfinfo "$work/tavolo.pdf" | awk '/^Pages/ {print $2}')," \
  "glabels $(pdfinfo "$work/glabels.pdf" | awk '/^Pages/ {print $2}')"
