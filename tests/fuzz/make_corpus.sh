#!/usr/bin/env bash
# Regenerates the fuzzers' seed corpus in tests/fuzz/corpus/<format>/ with ImageMagick: a few tiny
# images per format, one for each variant the decoders read, so the fuzzers start from valid files
# and reach the deep paths early. The files are committed; run this only to change the seeds.
set -euo pipefail
cd "$(dirname "$0")"

im=$(command -v magick || true)
[ -n "$im" ] || im=/usr/bin/convert
[ -x "$im" ] || { echo "ImageMagick is needed" >&2; exit 1; }

out=corpus
formats=(bmp jpeg ico gif png tiff tga pcx wbmp)
# Only the image folders: the corpora of the other fuzz targets live beside them.
for f in "${formats[@]}"; do
  rm -rf "${out:?}/$f"
  mkdir -p "$out/$f"
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A small picture with a gradient, a flat block and some noise; the alpha one has a hole.
"$im" -size 13x9 gradient:'#c03020-#2040d0' -fill '#f0f0f0' -draw 'rectangle 2,2 6,5' \
  -seed 7 -attenuate 0.4 +noise Uniform "$work/rgb.png"
"$im" "$work/rgb.png" -alpha set -channel A -fx 'i<4?0.2:1' +channel "$work/rgba.png"
"$im" "$work/rgb.png" -colorspace Gray "$work/grey.png"
"$im" "$work/rgb.png" -dither None -colors 40 "$work/pal.png"
"$im" "$work/rgb.png" -dither None -colors 9 "$work/pal16.png"
"$im" "$work/rgb.png" -monochrome "$work/mono.png"
rgb=$work/rgb.png rgba=$work/rgba.png grey=$work/grey.png pal=$work/pal.png pal16=$work/pal16.png
mono=$work/mono.png

"$im" "$rgb" -type TrueColor bmp3:"$out/bmp/rgb24_v3.bmp"
"$im" "$rgb" -type TrueColor bmp:"$out/bmp/rgb24_v5.bmp"
"$im" "$rgba" -type TrueColorAlpha bmp:"$out/bmp/rgba32_v5.bmp"
"$im" "$rgba" -type TrueColorAlpha bmp4:"$out/bmp/rgba32_v4.bmp" 2>/dev/null ||
  "$im" "$rgba" -define bmp:format=bmp4 "$out/bmp/rgba32_v4.bmp"
"$im" "$rgb" -define bmp:subtype=RGB565 bmp:"$out/bmp/rgb565.bmp"
"$im" "$pal" -type Palette -compress None bmp3:"$out/bmp/pal8.bmp"
"$im" "$pal" -type Palette -compress RLE bmp3:"$out/bmp/pal8_rle.bmp"
"$im" "$pal16" -type Palette -compress None bmp3:"$out/bmp/pal4.bmp"
"$im" "$mono" -type Bilevel bmp3:"$out/bmp/mono.bmp"

"$im" "$rgb" -quality 80 jpeg:"$out/jpeg/baseline.jpg"
"$im" "$rgb" -quality 70 -interlace JPEG jpeg:"$out/jpeg/progressive.jpg"
"$im" "$grey" -quality 80 -colorspace Gray jpeg:"$out/jpeg/grey.jpg"
"$im" "$rgb" -quality 80 -colorspace CMYK jpeg:"$out/jpeg/cmyk.jpg"
"$im" "$rgb" -quality 80 -sampling-factor 2x2 -density 300 jpeg:"$out/jpeg/sub420_300dpi.jpg"

"$im" "$rgba" -resize 8x8! ico:"$out/ico/rgba.ico"
"$im" "$pal" -resize 8x8! -type Palette bmp3:"$work/p.bmp"
"$im" "$work/p.bmp" ico:"$out/ico/pal.ico"

"$im" "$pal" gif:"$out/gif/global.gif"
"$im" "$pal" -interlace GIF gif:"$out/gif/interlaced.gif"
"$im" "$rgba" -colors 8 gif:"$out/gif/transparent.gif"
"$im" -delay 10 "$pal" \( "$mono" -page +2+1 \) gif:"$out/gif/two_frames.gif"
"$im" "$mono" gif:"$out/gif/mono.gif"

"$im" "$rgb" png24:"$out/png/rgb8.png"
"$im" "$rgba" png32:"$out/png/rgba8.png"
"$im" "$rgb" -depth 16 png48:"$out/png/rgb16.png"
"$im" "$rgba" -depth 16 png64:"$out/png/rgba16.png"
"$im" "$pal" png8:"$out/png/palette.png"
"$im" "$grey" -depth 8 png:"$out/png/grey8.png"
"$im" "$grey" -depth 16 png:"$out/png/grey16.png"
"$im" "$grey" -depth 4 -define png:bit-depth=4 -define png:color-type=0 png:"$out/png/grey4.png"
"$im" "$grey" -depth 2 -define png:bit-depth=2 -define png:color-type=0 png:"$out/png/grey2.png"
"$im" "$mono" -define png:bit-depth=1 -define png:color-type=0 png:"$out/png/grey1.png"
"$im" "$rgba" -colorspace Gray -define png:color-type=4 png:"$out/png/grey_alpha.png"
"$im" "$rgb" -interlace PNG -density 300 -units PixelsPerInch png24:"$out/png/interlaced_phys.png"

"$im" "$rgb" -compress None tiff:"$out/tiff/rgb_none.tif"
"$im" "$rgb" -compress LZW tiff:"$out/tiff/rgb_lzw.tif"
"$im" "$rgb" -compress Zip tiff:"$out/tiff/rgb_zip.tif"
"$im" "$rgb" -compress RLE tiff:"$out/tiff/rgb_packbits.tif"
"$im" "$rgba" -compress LZW tiff:"$out/tiff/rgba_lzw.tif"
"$im" "$rgb" -compress None -define tiff:tile-geometry=16x16 tiff:"$out/tiff/rgb_tiled.tif"
"$im" "$pal" -type Palette -compress None tiff:"$out/tiff/palette8.tif"
"$im" "$pal" -type Palette -compress LZW -define tiff:rows-per-strip=3 tiff:"$out/tiff/palette8_strips.tif"
"$im" "$pal16" -type Palette -compress None tiff:"$out/tiff/palette4.tif"
"$im" "$grey" -depth 16 -compress Zip tiff:"$out/tiff/grey16.tif"
"$im" "$mono" -monochrome -depth 1 -compress None tiff:"$out/tiff/mono.tif"

"$im" "$rgb" -compress None tga:"$out/tga/rgb24_raw.tga"
"$im" "$rgb" -compress RLE tga:"$out/tga/rgb24_rle.tga"
"$im" "$rgba" -compress None tga:"$out/tga/rgba32_raw.tga"
"$im" "$pal" -type Palette -compress None tga:"$out/tga/colourmap.tga"
"$im" "$pal" -type Palette -compress RLE tga:"$out/tga/colourmap_rle.tga"
"$im" "$grey" -type Grayscale -compress None tga:"$out/tga/grey.tga"
"$im" "$grey" -type Grayscale -compress RLE tga:"$out/tga/grey_rle.tga"

"$im" "$rgb" -type TrueColor pcx:"$out/pcx/rgb24.pcx"
"$im" "$pal" -type Palette pcx:"$out/pcx/pal8.pcx"

"$im" "$mono" wbmp:"$out/wbmp/mono.wbmp"
"$im" "$rgb" -resize 20x3! wbmp:"$out/wbmp/wide.wbmp"

# Variants ImageMagick does not write: RLE4 and top-down and 5-5-5 bit-field BMPs, 1-bit and
# 4-plane PCX.
python3 - "$out" <<'PY'
import struct, sys
out = sys.argv[1]

def bmp(path, w, h, bpp, compression, palette, bits, header_extra=b""):
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, bpp, compression, len(bits), 2835, 2835,
                       len(palette) // 4, 0)
    offset = 14 + len(info) + len(header_extra) + len(palette)
    head = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    open(path, "wb").write(head + info + header_extra + palette + bits)

ramp16 = b"".join(bytes((i * 16, 255 - i * 16, i * 8, 0)) for i in range(16))
rle4 = bytes([8, 0x12, 0, 0, 0, 4, 0x34, 0x56, 4, 0x78, 0, 0, 4, 0x9A, 0, 2, 2, 1, 0, 0, 0, 1])
bmp(f"{out}/bmp/rle4.bmp", 8, 4, 4, 2, ramp16, rle4)
topdown = b"".join(b"".join(bytes((x * 80, y * 90, 40)) for x in range(3)) + b"\0" * 3
                   for y in range(3))
bmp(f"{out}/bmp/topdown24.bmp", 3, -3, 24, 0, b"", topdown)
px555 = b"".join(struct.pack("<H", ((x * 7) << 10) | ((y * 9) << 5) | (x + y)) for y in range(3)
                 for x in range(4))
bmp(f"{out}/bmp/rgb555_bitfields.bmp", 4, 3, 16, 3, b"", px555,
    struct.pack("<III", 0x7C00, 0x03E0, 0x001F))

def pcx_rle(data):
    out, i = bytearray(), 0
    while i < len(data):
        n = 1
        while i + n < len(data) and data[i + n] == data[i] and n < 63:
            n += 1
        if n > 1 or data[i] >= 0xC0:
            out += bytes((0xC0 | n, data[i]))
        else:
            out.append(data[i])
        i += n
    return bytes(out)

def pcx(path, w, h, bpp, planes, colormap, scanlines):
    bpl = ((w * bpp + 15) // 16) * 2
    head = struct.pack("<BBBBHHHHHH48sBBHHHH54s", 10, 5, 1, bpp, 0, 0, w - 1, h - 1, 300, 300,
                       colormap.ljust(48, b"\0"), 0, planes, bpl, 1, 0, 0, b"")
    body = b"".join(pcx_rle(line) for line in scanlines(bpl))
    open(path, "wb").write(head + body)

pcx(f"{out}/pcx/mono.pcx", 16, 4, 1, 1, bytes((0, 0, 0, 255, 255, 255)),
    lambda bpl: [bytes((0xF0 >> y, 0x0F << y & 0xFF)) for y in range(4)])
ega = b"".join(bytes((i * 17, (15 - i) * 17, (i * 5 % 16) * 17)) for i in range(16))
pcx(f"{out}/pcx/planar4.pcx", 16, 4, 1, 4, ega,
    lambda bpl: [bytes((0xAA >> (p + y) % 2, 0x3C << p & 0xFF)) for y in range(4) for p in range(4)])
PY

du -sh "${formats[@]/#/$out/}"
