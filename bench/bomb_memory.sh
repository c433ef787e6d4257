#!/usr/bin/env bash
# Peak memory of tavolo-cli on hostile and on legitimately large files, against a ceiling for
# each: 1 GB for any input file under 1 MB, twice the card's own pixel memory plus 150 MB for
# legitimate large cards, and six times the file's size plus 150 MB for a large file of text
# (the text is held as UTF-16, two bytes a character, and printed as UTF-8, up to three). Fails
# when any command reaches its ceiling.
#
#   bench/bomb_memory.sh [BUILD_DIR]      default: build
#
# The files are made afresh in a temporary folder:
# - tile bomb: a TIFF of 16 x 16 pixels, a few hundred bytes, whose tiles are 32768 x 32768;
# - huge card: a project whose card is 16384 x 16384 pixels;
# - JPEG header bomb: a JPEG of a few hundred bytes whose header declares 16384 x 16384 pixels,
#   four copies of it among the imported backgrounds and one as the card's photo;
# - flat PNG: the same picture as a PNG, as the photo and as the logo: read a band of rows at a
#   time, it must cost no more than a card (2 x the card's pixels plus 150 MB); so must the same
#   picture as an interlaced PNG (read pass by pass) and as a TIFF in tiles (a row of tiles at a
#   time);
# - flat picture: a real JPEG of 8000 x 8000 pixels in one colour, under 1 MB and just within the
#   64 megapixels a card's picture may have, as the photo, as the logo turned by 45 and by 90
#   degrees (also on the largest card), and as the background; five of them as backgrounds;
# - PNG bomb: an 818 KB PNG of 16384 x 16384 pixels in one colour, to convert, and held in a card
#   as its logo; the flat JPEG held in a card as its photo and its logo;
# - text chunk: a 197-byte PNG whose text chunk declares nearly 2 GB;
# - largest card: a project of a few hundred bytes whose card is 10000 x 6710 pixels, rendered to
#   BMP, TGA and PCX;
# - long lines: a 63 MB project whose line is 63 million "€";
# - long layout names: 200 page layouts of 1 MiB names each, printed with a layout none has;
# - merge data: CSVs of 100,000 columns (100 KB) and of 1,000,000 (1 MB), one of one good record
#   and 330,000 empty ones (990 KB), a vCard of 60 MB of pictures, .ods and .xlsx bombs (a part
#   of 1 GB that packs into 1 MB, XML nested 100,000 deep, 2.5 million shared strings), each
#   merged into a PDF; three CSVs just under the 64 MB limit (one-letter records, short names,
#   rows of five values), whose records are as many as memory allows: ten times the file's size
#   plus 150 MB, each record costing its characters twice and a few offsets; and one just over
#   the limit, refused by its size before it is read.
# - SVG logos, rendered, written as a PDF and printed, and drawn the same from a template file, each
#   within 300 MB and 2 s of CPU: a drawing written into the logo (a data: URI) that names a
#   picture outside the file, or a named pipe (which would block whoever opens it); one path of
#   20,000 segments with a wide stroke (140 KB), and of 120,000 (840 KB); a gradient of 100,000
#   stops (3.9 MB); a <use> of a group of ten uses, six deep; 3,000 style rules for 10,000
#   elements; and, drawn rather than refused, a path of 20,000 short segments, 99,000 elements
#   (just within what a drawing may hold) and a wide stroke over 750 segments (just within what
#   a drawing may cost).
# Each command runs under /usr/bin/time; its peak resident size is printed in megabytes with its
# ceiling, its CPU time in seconds (with a ceiling where one applies), the size of what it wrote
# to standard error and its exit code (a refusal with a message is an expected outcome).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
cli=$(realpath "$build/bin/tavolo-cli")
library=$build/bin/fl1.tmp
[ -x "$cli" ] || { echo "no $cli: build the project first" >&2; exit 1; }
[ -f "$library" ] || { echo "no $library: build the project first" >&2; exit 1; }
# Ceilings in MB: any small input; and a card's RGB32 pixels twice, plus 150 MB.
small_input=1024
card_mb() { echo $(( ($1 * $2 * 4 * 2) / (1024 * 1024) + 150 )); }
default_card=$(card_mb 1062 615)
largest_card=$(card_mb 10000 6710)
long_text=$(( 6 * 66 + 150 ))  # the 63 MB project of long lines
merge_text=$(( 10 * 66 + 150 ))  # the 63 MB data files of a merge

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Two program folders: one as installed, one with the JPEG header bombs imported.
plain=$work/plain
home=$work/bombed
mkdir -p "$plain" "$home/custombg" "$home/customphotos"
cp "$library" "$plain/fl1.tmp"
cp "$library" "$home/fl1.tmp"

python3 - "$work" <<'EOF'
import struct, sys
work = sys.argv[1]

def tiff_tile_bomb(path, side, tile):
    # Little-endian, one directory, RGB 8 bits, one tile of `tile` x `tile` holding 16 bytes.
    entries = []
    def entry(tag, kind, count, value):
        entries.append((tag, kind, count, value))
    bits_at, tile_at = 8 + 2 + 12 * 12 + 4, 8 + 2 + 12 * 12 + 4 + 6
    entry(256, 4, 1, side)        # ImageWidth
    entry(257, 4, 1, side)        # ImageLength
    entry(258, 3, 3, bits_at)     # BitsPerSample 8, 8, 8 (stored after the directory)
    entry(259, 3, 1, 1)           # no compression
    entry(262, 3, 1, 2)           # RGB
    entry(277, 3, 1, 3)           # SamplesPerPixel
    entry(284, 3, 1, 1)           # contiguous
    entry(322, 4, 1, tile)        # TileWidth
    entry(323, 4, 1, tile)        # TileLength
    entry(324, 4, 1, tile_at)     # TileOffsets
    entry(325, 4, 1, 16)          # TileByteCounts
    entry(296, 3, 1, 2)           # inches
    entries.sort()
    out = b"II" + struct.pack("<HI", 42, 8) + struct.pack("<H", len(entries))
    for tag, kind, count, value in entries:
        out += struct.pack("<HHI", tag, kind, count)
        out += struct.pack("<HH", value, 0) if kind == 3 and count == 1 else struct.pack("<I", value)
    out += struct.pack("<I", 0) + struct.pack("<HHH", 8, 8, 8) + bytes(range(16))
    open(path, "wb").write(out)

def stored(text):
    data = text.encode("cp1252")
    return bytes([len(data)]) + data

def stored_long(data):
    return b"\xff" + struct.pack("<HI", 0xFFFF, len(data)) + data

def project(path, width, height, photo="", logo="", angle=45, line=None):
    f = lambda *v: struct.pack("<%df" % len(v), *v)
    i = lambda *v: struct.pack("<%di" % len(v), *v)
    out = i(2)
    for _ in range(5):
        out += i(0) + stored("36") + stored("Arial") + stored("Regular")
        out += f(0, 0, 0, 0, 240, 240) + i(0, 8, 0) + f(0, 1)
    out += i(0) + i(1) + (stored("Bomb") if line is None else stored_long(line))
    out += i(0, 0, 0, 0) + i(5)
    out += i(0) + f(0, 0, 1) + i(0) + f(0, 240, 240)
    out += bytes(20) + i(0) + f(0, 0, 0)
    out += i(1) + f(0, 0, 500, 300, 0, 0, 0, 0, 0) + stored(photo) + stored("")
    out += i(0) + i(3, 3) + f(height, width) + i(300)
    out += i(0) + f(0, 0, 500, 300, 0, angle) + stored(logo) + stored("")
    open(path, "wb").write(out)

def layout(path, name_bytes):
    out = struct.pack("<I6fii", 0, 615, 1062, 1062, 615, 225, 150, 9, 0)
    out += stored_long(b"L" * name_bytes)
    open(path, "wb").write(out)

tiff_tile_bomb(work + "/tile.tif", 16, 32768)
project(work + "/huge.tvc", 16384, 16384)
project(work + "/card.tvc", 1062, 615)
project(work + "/photo.tvc", 1062, 615, "bomb.jpg")
project(work + "/flatphoto.tvc", 1062, 615, "flat.jpg")
project(work + "/flatlogo.tvc", 1062, 615, "", "flat.jpg")
project(work + "/flatlogo90.tvc", 1062, 615, "", "flat.jpg", angle=90)
project(work + "/flatpngphoto.tvc", 1062, 615, "flat.png")
project(work + "/flatpnglogo.tvc", 1062, 615, "", "flat.png", angle=90)
project(work + "/flattiledphoto.tvc", 1062, 615, "flattiled.tif")
project(work + "/flatinterlacedphoto.tvc", 1062, 615, "flatinterlaced.png")
project(work + "/largest.tvc", 10000, 6710)
project(work + "/largestphoto.tvc", 10000, 6710, "flat.jpg")
project(work + "/largestlogo90.tvc", 10000, 6710, "", "flat.jpg", angle=90)
project(work + "/lines.tvc", 1062, 615, line=b"\x80" * (63 << 20))
project(work + "/embeddedlogo.tvc", 1062, 615, "", "pngbomb.png", angle=0)
project(work + "/embeddedphoto.tvc", 1062, 615, "flat.jpg")
import os, base64, random
svg_home = work + "/svg/customphotos"
os.makedirs(svg_home)
head = ('<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
        'width="100" height="100" viewBox="0 0 100 100">')
def svg(name, body):
    open(svg_home + "/" + name + ".svg", "w").write(head + body + "</svg>")
    project(work + "/svg_" + name + ".tvc", 1062, 615, "", name + ".svg", angle=0)
def inline(inner):
    data = base64.b64encode(inner.encode()).decode()
    return '<image width="100" height="100" xlink:href="data:image/svg+xml;base64,' + data + '"/>'
def names(target):
    return inline(head + '<image width="100" height="100" xlink:href="' + target + '"/></svg>')
svg("nested", names(work + "/outside.png"))
svg("nestedpipe", inline(head + names(work + "/pipe.png") + "</svg>"))
random.seed(1)
def zigzag(n):
    return "M0 0 " + " ".join("L%d %d" % (random.randint(0, 99), random.randint(0, 99))
                             for _ in range(n))
stroke = '<path d="%s" fill="none" stroke="#000" stroke-width="30"/>'
svg("stroke140k", stroke % zigzag(20000))
svg("stroke840k", stroke % zigzag(120000))
svg("stops", '<defs><linearGradient id="g">' + "".join(
    '<stop offset=".%05d" stop-color="#%03x"/>' % (i, i % 4096) for i in range(100000)) +
    '</linearGradient></defs><rect width="100" height="100" fill="url(#g)"/>')
use = '<defs><rect id="a0" width="1" height="1"/>' + "".join(
    '<g id="a%d">' % i + ('<use xlink:href="#a%d"/>' % (i - 1)) * 10 + "</g>" for i in range(1, 7))
svg("usebomb", use + '</defs><use xlink:href="#a6"/>')
svg("styles", "<style>" + "".join(".c%d{fill:#123}" % i for i in range(3000)) + "</style>" +
    "".join('<rect class="c%d" width="1" height="1"/>' % (i % 3000) for i in range(10000)))
x = y = 50.0
steps = []
for _ in range(20000):
    x = min(100, max(0, x + random.uniform(-1, 1)))
    y = min(100, max(0, y + random.uniform(-1, 1)))
    steps.append("L%.2f %.2f" % (x, y))
svg("walk", '<path d="M50 50 ' + " ".join(steps) + '" fill="#246"/>')
svg("elements", "".join('<rect x="%d" y="%d" width="1" height="1"/>' % (i % 100, i // 1000)
                        for i in range(99000)))
random.seed(2)
svg("limit", stroke % zigzag(750))
os.makedirs(work + "/layouts/abctmp")
for n in range(200):
    layout(work + "/layouts/abctmp/%03d.ptm" % n, (1 << 20) - 64)
EOF

# The JPEG header bomb: a 16 x 16 picture whose start-of-frame says 16384 x 16384.
convert -size 16x16 xc:'#3060a0' -quality 90 "$work/small.jpg"
python3 - "$work/small.jpg" "$work/bomb.jpg" <<'EOF'
import sys
data = bytearray(open(sys.argv[1], "rb").read())
at = next(i for i in range(len(data) - 1) if data[i] == 0xFF and data[i + 1] in (0xC0, 0xC2))
data[at + 5:at + 9] = bytes([0x40, 0x00, 0x40, 0x00])
open(sys.argv[2], "wb").write(data)
EOF
for n in 1 2 3 4; do
  cp "$work/bomb.jpg" "$home/custombg/bomb$n.jpg"
  printf '\0\0\0\0' >"$home/custombg/bomb$n.hue"
done
cp "$work/bomb.jpg" "$home/customphotos/bomb.jpg"

# The flat picture: as photo and logo beside the shipped library, and in a program folder of its
# own where it is the only imported background.
flat=$work/flat
flatbg=$work/flatbg
mkdir -p "$flat/customphotos" "$flatbg/custombg"
cp "$library" "$flat/fl1.tmp"
cp "$library" "$flatbg/fl1.tmp"
convert -size 8000x8000 xc:'#3060a0' -quality 90 "$flat/customphotos/flat.jpg"
convert -size 8000x8000 xc:'#3060a0' PNG24:"$flat/customphotos/flat.png"
convert -size 8000x8000 xc:'#3060a0' -define tiff:tile-geometry=256x256 -compress zip \
  "$flat/customphotos/flattiled.tif"
convert -size 8000x8000 xc:'#3060a0' -interlace PNG PNG24:"$flat/customphotos/flatinterlaced.png"
cp "$flat/customphotos/flat.jpg" "$flatbg/custombg/flat.jpg"
printf '\0\0\0\0' >"$flatbg/custombg/flat.hue"
# Five of them in a program folder of their own.
fivebg=$work/fivebg
mkdir -p "$fivebg/custombg"
cp "$library" "$fivebg/fl1.tmp"
for n in 1 2 3 4 5; do
  cp "$flat/customphotos/flat.jpg" "$fivebg/custombg/flat$n.jpg"
  printf '\0\0\0\0' >"$fivebg/custombg/flat$n.hue"
done
python3 - "$work/pngbomb.png" <<'EOF'
import struct, sys, zlib
# 16384 x 16384 RGB in one colour, written row by row: ImageMagick's policy refuses the size.
side = 16384
row = b"\0" + bytes((0x30, 0x60, 0xa0)) * side
z = zlib.compressobj(9)
data = b"".join(z.compress(row) for _ in range(side)) + z.flush()
chunk = lambda kind, body: (struct.pack(">I", len(body)) + kind + body +
                            struct.pack(">I", zlib.crc32(kind + body) & 0xffffffff))
png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", side, side, 8, 2, 0, 0, 0))
png += chunk(b"IDAT", data) + chunk(b"IEND", b"")
open(sys.argv[1], "wb").write(png)
EOF
# Cards that hold their pictures: the PNG bomb as the logo, the flat JPEG as the photo and the
# logo turned, read from the card, never from a photo folder.
python3 - "$work" "$work/pngbomb.png" "$flat/customphotos/flat.jpg" <<'EOF'
import hashlib, struct, sys
work, bomb, flat = sys.argv[1:4]
def embed(card, photo, logo):
    links, chunks = b"", []
    for picture in (photo, logo):
        data = open(picture, "rb").read() if picture else b""
        digest = hashlib.sha256(data).digest() if picture else bytes(32)
        links += digest
        if picture and all(chunk[1][4:36] != digest for chunk in chunks):
            name = picture.rsplit("/", 1)[1].encode()
            chunks.append((b"PICT", struct.pack("<I", 1) + digest + struct.pack("<I", len(name)) +
                           name + struct.pack("<I", len(data)) + data))
    chunks.insert(0, (b"PLNK", struct.pack("<I", 1) + links))
    out = open(card, "rb").read() + b"TVXS" + struct.pack("<II", 1, len(chunks))
    for tag, payload in chunks:
        out += tag + struct.pack("<I", len(payload)) + payload
    open(card, "wb").write(out)
embed(work + "/embeddedlogo.tvc", None, bomb)
embed(work + "/embeddedphoto.tvc", flat, flat)
EOF
cp "$library" "$work/layouts/fl1.tmp"
# The SVG logos' program folder; the file a nested drawing names, and a named pipe that nothing
# ever writes to.
cp "$library" "$work/svg/fl1.tmp"
convert -size 16x16 xc:red "$work/outside.png"
mkfifo "$work/pipe.png"
svg_cases=(nested nestedpipe stroke140k stroke840k stops usebomb styles walk elements limit)
for name in "${svg_cases[@]}"; do cp "$work/svg_$name.tvc" "$work/svg_$name.tvt"; done

# The merge data.
python3 - "$work" <<'EOF2'
import sys, zipfile
work = sys.argv[1]
def text(name, data):
    with open(work + "/" + name, "w") as f:
        f.write(data)
text("wide100k.csv", "," * 99999 + "\nAnna Rossi\n")
text("wide1m.csv", "Name" + "," * 999999 + "\nAnna Rossi\n")
text("empty.csv", "Name,City,Notes\nAnna Rossi,Roma,x\n" + ",,\n" * 330000)
limit = 63 << 20
text("letters.csv", "Name\n" + "a\n" * (limit // 2))
with open(work + "/names.csv", "w") as f:
    f.write("Name\n")
    size, i = 5, 0
    while size < limit:
        line = "Person %d\n" % i
        f.write(line)
        size, i = size + len(line), i + 1
row = "Anna Rossi,Roma,+39 06 1234567,anna@example.org,Acme Industries\n"
text("rows.csv", "Name,City,Phone,Email,Company\n" + row * (limit // len(row)))
text("over.csv", "Name\n" + "a\n" * ((65 << 20) // 2))
photo = "PHOTO;ENCODING=b;TYPE=JPEG:" + "\r\n ".join(["QUJD" * 18] * ((6 << 20) // 74)) + "\r\n"
with open(work + "/photos.vcf", "w") as f:
    for n in range(10):
        f.write("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Person %d\r\n" % n + photo + "END:VCARD\r\n")
def archive(name, members):
    with zipfile.ZipFile(work + "/" + name, "w", zipfile.ZIP_DEFLATED) as z:
        for member, chunks in members:
            with z.open(member, "w", force_zip64=True) as out:
                for chunk in chunks:
                    out.write(chunk)
archive("bomb.ods", [("content.xml", (b"\0" * (1 << 20) for _ in range(1024)))])
archive("deep.ods", [("content.xml", [b"<a>" * 100000 + b"</a>" * 100000])])
workbook = b'<workbook><sheets><sheet name="S" r:id="r1" xmlns:r="r"/></sheets></workbook>'
relations = (b'<Relationships><Relationship Id="r1" Target="worksheets/s.xml"/><Relationship '
             b'Id="r2" Type="t/sharedStrings" Target="strings.xml"/></Relationships>')
strings = (b"<si><t>%x</t></si>" % i for i in range(2500000))
archive("strings.xlsx", [("xl/workbook.xml", [workbook]), ("xl/_rels/workbook.xml.rels", [relations]),
                         ("xl/worksheets/s.xml", [b"<worksheet/>"]),
                         ("xl/strings.xml", [b"<sst>", *strings, b"</sst>"])])
EOF2

printf '%-16s %-44s %8s %8s %7s %7s %8s %5s\n' case command peak_MB ceiling cpu_s cpu_max \
  err_KB exit
failed=0
# measure CASE CEILING_MB HOME ARGS...: runs tavolo-cli ARGS with the program folder HOME; a
# CPU ceiling in seconds applies when CPU_CEILING is set. A command that has not ended after
# ten minutes is stopped and counts as hung.
measure() {
  local bomb=$1 ceiling=$2 folder=$3
  shift 3
  local status=0
  /usr/bin/time -f '%M %U %S' -o "$work/rss" timeout 600 env TAVOLO_HOME="$folder" "$cli" "$@" \
    >"$work/out" 2>"$work/err" || status=$?
  local kb user system cpu shown verdict="" cpu_max=${CPU_CEILING:--}
  read -r kb user system < <(tail -n 1 "$work/rss")
  cpu=$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%.2f", u + s }')
  shown=$(echo "$*" | sed "s|$work/||g")
  [ "$kb" -lt $((ceiling * 1024)) ] || { verdict=" OVER"; failed=1; }
  [ "$status" -ne 124 ] || { verdict="$verdict HUNG"; failed=1; }
  [ "$status" -lt 128 ] || { verdict="$verdict SIGNAL"; failed=1; }
  if [ "$cpu_max" != - ] && awk -v c="$cpu" -v m="$cpu_max" 'BEGIN { exit !(c >= m) }'; then
    verdict="$verdict SLOW"
    failed=1
  fi
  printf '%-16s %-44s %8d %8d %7.2f %7s %8d %5d%s\n' "$bomb" "$shown" $((kb / 1024)) "$ceiling" \
    "$cpu" "$cpu_max" $(($(stat -c %s "$work/err") / 1024)) "$status" "$verdict"
}

measure "tile bomb" $small_input "$plain" identify "$work/tile.tif"
measure "tile bomb" $small_input "$plain" convert "$work/tile.tif" "$work/tile.png"
measure "huge card" $small_input "$plain" render "$work/huge.tvc" -o "$work/huge.png"
measure "huge card" $small_input "$plain" info "$work/huge.tvc"
measure "JPEG header" $small_input "$plain" identify "$work/bomb.jpg"
measure "JPEG header" $small_input "$home" info "$work/card.tvc"
measure "JPEG header" $small_input "$home" backgrounds
measure "JPEG header" $small_input "$home" render "$work/card.tvc" -o "$work/card.png"
measure "JPEG header" $small_input "$home" render "$work/photo.tvc" -o "$work/photo.png"
measure "flat picture" $small_input "$flat" render "$work/flatphoto.tvc" -o "$work/flat.png"
measure "embedded" $small_input "$plain" render "$work/embeddedlogo.tvc" -o "$work/flat.png"
measure "embedded" $small_input "$plain" render "$work/embeddedphoto.tvc" -o "$work/flat.png"
measure "embedded" $small_input "$plain" info "$work/embeddedphoto.tvc"
measure "flat picture" $small_input "$flat" render "$work/flatlogo.tvc" -o "$work/flat.png"
measure "flat picture" $small_input "$flat" render "$work/flatlogo90.tvc" -o "$work/flat.png"
measure "flat picture" $small_input "$flat" print "$work/flatphoto.tvc" -o "$work/flat.pdf"
measure "flat PNG" $default_card "$flat" render "$work/flatpngphoto.tvc" -o "$work/flat.png"
measure "flat PNG" $default_card "$flat" render "$work/flatpnglogo.tvc" -o "$work/flat.png"
measure "flat TIFF tiles" $default_card "$flat" render "$work/flattiledphoto.tvc" -o "$work/flat.png"
measure "flat interlaced" $default_card "$flat" render "$work/flatinterlacedphoto.tvc" \
  -o "$work/flat.png"
measure "flat picture" $largest_card "$flat" render "$work/largestphoto.tvc" -o "$work/big.png"
measure "flat picture" $largest_card "$flat" render "$work/largestlogo90.tvc" -o "$work/big.png"
measure "flat picture" $small_input "$flatbg" render "$work/card.tvc" -o "$work/flat.png"
measure "five flat bg" $small_input "$fivebg" info "$work/card.tvc"
measure "five flat bg" $small_input "$fivebg" backgrounds
measure "PNG bomb" $small_input "$plain" convert "$work/pngbomb.png" "$work/pngbomb.bmp"
measure "PNG bomb" $small_input "$plain" identify "$work/pngbomb.png"
cp tests/data/crashers/png/text_chunk_of_2gb.png "$work/textchunk.png"
measure "text chunk" $small_input "$plain" identify "$work/textchunk.png"
for format in bmp tga pcx; do
  measure "largest card" $largest_card "$plain" render "$work/largest.tvc" -o "$work/big.$format"
done
measure "long lines" $long_text "$plain" info "$work/lines.tvc"
measure "long lines" $long_text "$plain" render "$work/lines.tvc" -o "$work/lines.png"
measure "layout names" $default_card "$work/layouts" print "$work/card.tvc" -o "$work/x.pdf" \
  --layout nope
for data in wide100k.csv wide1m.csv empty.csv bomb.ods deep.ods strings.xlsx; do
  measure "merge data" $small_input "$plain" merge "$work/card.tvc" --data "$work/$data" \
    -o "$work/m.pdf"
done
measure "merge photos" $long_text "$plain" merge "$work/card.tvc" --data "$work/photos.vcf" \
  -o "$work/m.pdf"
# Any number of cards go into one PDF now, so these runs write into a folder that does not exist:
# the data are read and every record made before the PDF's scratch file is refused.
for data in letters.csv names.csv rows.csv; do
  measure "merge 63 MB" $merge_text "$plain" merge "$work/card.tvc" --data "$work/$data" \
    -o "$work/missing/m.pdf"
done
measure "merge 65 MB" 150 "$plain" merge "$work/card.tvc" --data "$work/over.csv" -o "$work/m.pdf"
for name in "${svg_cases[@]}"; do
  for file in "$work/svg_$name.tvc" "$work/svg_$name.tvt"; do
    CPU_CEILING=2 measure "svg $name" 300 "$work/svg" render "$file" -o "$work/svg.png"
  done
  CPU_CEILING=2 measure "svg $name" 300 "$work/svg" pdf "$work/svg_$name.tvc" -o "$work/svg.pdf"
  CPU_CEILING=2 measure "svg $name" 300 "$work/svg" print "$work/svg_$name.tvc" -o "$work/svg.pdf"
done

if [ "$failed" -ne 0 ]; then
  echo "a command reached its ceiling or ended on a signal" >&2
  exit 1
fi
