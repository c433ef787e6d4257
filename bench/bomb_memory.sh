#!/usr/bin/env bash
# Peak memory of tavolo-cli on small hostile files ("bombs") that declare far more pixels than
# they hold, and fails when any command needs 1 GB or more.
#
#   bench/bomb_memory.sh [BUILD_DIR]      default: build
#
# The bombs are made afresh in a temporary folder:
# - tile bomb: a TIFF of 16 x 16 pixels, a few hundred bytes, whose tiles are 32768 x 32768;
# - huge card: a project whose card is 16384 x 16384 pixels;
# - JPEG header bomb: a JPEG of a few hundred bytes whose header declares 16384 x 16384 pixels,
#   four copies of it among the imported backgrounds and one as the card's photo;
# - flat picture: a real JPEG of 8000 x 8000 pixels in one colour, under 1 MB and just within the
#   64 megapixels a card's picture may have, as the photo, as the logo turned by 45 degrees and as
#   the background.
# Each command runs under /usr/bin/time; its peak resident size is printed in megabytes with its
# exit code (a refusal with a message is the expected outcome).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
cli=$(realpath "$build/bin/tavolo-cli")
library=$build/bin/fl1.tmp
[ -x "$cli" ] || { echo "no $cli: build the project first" >&2; exit 1; }
[ -f "$library" ] || { echo "no $library: build the project first" >&2; exit 1; }
limit_kb=$((1024 * 1024))

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

def project(path, width, height, photo="", logo=""):
    f = lambda *v: struct.pack("<%df" % len(v), *v)
    i = lambda *v: struct.pack("<%di" % len(v), *v)
    out = i(2)
    for _ in range(5):
        out += i(0) + stored("36") + stored("Arial") + stored("Regular")
        out += f(0, 0, 0, 0, 240, 240) + i(0, 8, 0) + f(0, 1)
    out += i(0) + i(1) + stored("Bomb") + i(0, 0, 0, 0) + i(5)
    out += i(0) + f(0, 0, 1) + i(0) + f(0, 240, 240)
    out += bytes(20) + i(0) + f(0, 0, 0)
    out += i(1) + f(0, 0, 500, 300, 0, 0, 0, 0, 0) + stored(photo) + stored("")
    out += i(0) + i(3, 3) + f(height, width) + i(300)
    out += i(0) + f(0, 0, 500, 300, 0, 45) + stored(logo) + stored("")
    open(path, "wb").write(out)

tiff_tile_bomb(work + "/tile.tif", 16, 32768)
project(work + "/huge.tvc", 16384, 16384)
project(work + "/card.tvc", 1062, 615)
project(work + "/photo.tvc", 1062, 615, "bomb.jpg")
project(work + "/flatphoto.tvc", 1062, 615, "flat.jpg")
project(work + "/flatlogo.tvc", 1062, 615, "", "flat.jpg")
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
cp "$flat/customphotos/flat.jpg" "$flatbg/custombg/flat.jpg"
printf '\0\0\0\0' >"$flatbg/custombg/flat.hue"

printf '%-12s %-38s %8s %5s\n' bomb command peak_MB exit
failed=0
# measure BOMB HOME ARGS...: runs tavolo-cli ARGS with the program folder HOME.
measure() {
  local bomb=$1 folder=$2
  shift 2
  local status=0
  /usr/bin/time -f '%M' -o "$work/rss" env TAVOLO_HOME="$folder" "$cli" "$@" \
    >"$work/out" 2>"$work/err" || status=$?
  local kb shown
  kb=$(tail -n 1 "$work/rss")
  shown=$(echo "$*" | sed "s|$work/||g")
  printf '%-12s %-38s %8d %5d\n' "$bomb" "$shown" $((kb / 1024)) "$status"
  [ "$kb" -lt "$limit_kb" ] || failed=1
}

measure "tile bomb" "$plain" identify "$work/tile.tif"
measure "tile bomb" "$plain" convert "$work/tile.tif" "$work/tile.png"
measure "huge card" "$plain" render "$work/huge.tvc" -o "$work/huge.png"
measure "huge card" "$plain" info "$work/huge.tvc"
measure "JPEG header" "$plain" identify "$work/bomb.jpg"
measure "JPEG header" "$home" info "$work/card.tvc"
measure "JPEG header" "$home" backgrounds
measure "JPEG header" "$home" render "$work/card.tvc" -o "$work/card.png"
measure "JPEG header" "$home" render "$work/photo.tvc" -o "$work/photo.png"
measure "flat picture" "$flat" render "$work/flatphoto.tvc" -o "$work/flat.png"
measure "flat picture" "$flat" render "$work/flatlogo.tvc" -o "$work/flat.png"
measure "flat picture" "$flatbg" render "$work/card.tvc" -o "$work/flat.png"

if [ "$failed" -ne 0 ]; then
  echo "a command needed 1 GB or more" >&2
  exit 1
fi
