#!/usr/bin/env python3
"""Writes the hand-made malformed files of this folder: headers that lie about sizes, offsets and
counts, and files cut short. Fuzzer finds are added beside them by scripts/fuzz.sh."""
import os
import struct
import zlib

here = os.path.dirname(os.path.abspath(__file__))


def write(fmt, name, data):
    os.makedirs(os.path.join(here, fmt), exist_ok=True)
    with open(os.path.join(here, fmt, name), "wb") as f:
        f.write(data)


def bmp(width, height, bpp, compression=0, colours=0, bits=b"", palette=b""):
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bpp, compression, len(bits), 2835,
                       2835, colours, 0)
    offset = 14 + 40 + len(palette)
    return struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset) + info + palette + bits


# Claims 100000 x 100000 pixels in a file of a few bytes.
write("bmp", "malformed_huge_dimensions.bmp", bmp(100000, 100000, 24, bits=b"\x10" * 12))
# Width times bytes per pixel overflows 32 bits.
write("bmp", "malformed_stride_overflow.bmp", bmp(0x7FFFFFFF, 1, 24, bits=b"\0" * 8))
# A palette count far beyond the file.
write("bmp", "malformed_palette_count.bmp", bmp(4, 4, 8, colours=0xFFFFFFFF, bits=b"\0" * 16))
# RLE8 runs and deltas that leave the picture, then no end-of-bitmap marker.
rle8 = bytes([255, 1, 0, 2, 200, 200, 0, 255] + [3, 4] + [0, 0, 0, 250] + [1, 2] * 10)
write("bmp", "malformed_rle8_overrun.bmp", bmp(4, 4, 8, 1, 256, rle8, b"\x40\x80\xc0\0" * 256))
# Height of the most negative 32-bit number (top-down with no absolute value).
write("bmp", "malformed_min_height.bmp", bmp(2, -0x80000000, 24, bits=b"\0" * 8))

png_signature = b"\x89PNG\r\n\x1a\n"


def png_chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


idat = zlib.compress(b"".join(b"\0" + bytes(range(48)) for _ in range(16)))
png = (png_signature + png_chunk(b"IHDR", struct.pack(">IIBBBBB", 16, 16, 8, 2, 0, 0, 0)) +
       png_chunk(b"IDAT", idat) + png_chunk(b"IEND", b""))
# Cut in the middle of the image data.
write("png", "malformed_truncated.png", png[:len(png) // 2])
# IHDR claims 1 x 40000 rows of which the data holds one.
write("png", "malformed_short_idat.png",
      png_signature + png_chunk(b"IHDR", struct.pack(">IIBBBBB", 1, 40000, 8, 0, 0, 0, 0)) +
      png_chunk(b"IDAT", zlib.compress(b"\0\x80")) + png_chunk(b"IEND", b""))


def pcx(xmin, ymin, xmax, ymax, bpp, planes, bytes_per_line, body):
    head = struct.pack("<BBBBHHHHHH48sBBHHHH54s", 10, 5, 1, bpp, xmin, ymin, xmax, ymax, 72, 72,
                       b"", 0, planes, bytes_per_line, 1, 0, 0, b"")
    return head + body


# The window's right edge lies left of its left edge.
write("pcx", "malformed_negative_window.pcx", pcx(100, 0, 10, 10, 8, 1, 2, b"\xc5\x01" * 40))
# Bytes per line too small for the width, and a run longer than what is left of the data.
write("pcx", "malformed_short_lines.pcx", pcx(0, 0, 63, 3, 8, 1, 1, b"\xff\x07"))
# 8 bits with a trailing palette marker but no room for the palette.
write("pcx", "malformed_cut_palette.pcx", pcx(0, 0, 1, 1, 8, 1, 2, b"\x01\x02\x03\x04\x0c\x10"))

# TGA: an RLE packet that runs far past the end of a 2 x 2 picture.
tga_head = struct.pack("<BBBHHBHHHHBB", 0, 0, 10, 0, 0, 0, 0, 0, 2, 2, 24, 0)
write("tga", "malformed_rle_overrun.tga", tga_head + bytes([0xFF, 1, 2, 3, 0xFF, 4, 5, 6]))
# A colour map of 65535 entries of 32 bits, and a map index beyond it.
tga_map = struct.pack("<BBBHHBHHHHBB", 0, 1, 1, 65000, 65535, 32, 0, 0, 2, 2, 8, 0)
write("tga", "malformed_colour_map.tga", tga_map + b"\x01\x02\x03\x04" * 4)

# GIF: an LZW minimum code size of 15 and a frame larger than the screen.
gif = (b"GIF89a" + struct.pack("<HHBBB", 4, 4, 0x80, 0, 0) + b"\0\0\0\xff\xff\xff" +
       b"\x2c" + struct.pack("<HHHHB", 0, 0, 4, 4, 0) + b"\x0f\x03\xff\xff\xff\x00\x3b")
write("gif", "malformed_code_size.gif", gif)
gif_frame = (b"GIF89a" + struct.pack("<HHBBB", 2, 2, 0x80, 0, 0) + b"\0\0\0\xff\xff\xff" +
             b"\x2c" + struct.pack("<HHHHB", 65000, 65000, 30000, 30000, 0) +
             b"\x02\x02\x44\x01\x00\x3b")
write("gif", "malformed_frame_outside.gif", gif_frame)
# Cut before the image data.
write("gif", "malformed_truncated.gif", gif[:20])


def tiff(entries, tail=b""):
    ifd = struct.pack("<H", len(entries))
    for tag, kind, count, value in sorted(entries):
        ifd += struct.pack("<HHII", tag, kind, count, value)
    ifd += b"\0\0\0\0"
    return b"II*\0" + struct.pack("<I", 8) + ifd + tail


# 40000 x 40000 grey with one strip of 16 bytes.
write("tiff", "malformed_huge.tif",
      tiff([(256, 4, 1, 40000), (257, 4, 1, 40000), (258, 3, 1, 8), (259, 3, 1, 1),
            (262, 3, 1, 1), (273, 4, 1, 8), (278, 4, 1, 40000), (279, 4, 1, 16)]))
# A strip offset and count that point past the end of the file.
write("tiff", "malformed_strip_outside.tif",
      tiff([(256, 4, 1, 8), (257, 4, 1, 8), (258, 3, 1, 8), (259, 3, 1, 1), (262, 3, 1, 1),
            (273, 4, 1, 0x7FFFFFF0), (278, 4, 1, 8), (279, 4, 1, 0x7FFFFFF0)]))

# JPEG: start of frame and scan, then the file ends.
jpeg = (b"\xff\xd8" + b"\xff\xc0" + struct.pack(">HBHHB", 17, 8, 16, 16, 3) +
        b"\x01\x11\x00\x02\x11\x00\x03\x11\x00" + b"\xff\xda" +
        struct.pack(">HB", 12, 3) + b"\x01\x00\x02\x00\x03\x00\x00\x3f\x00")
write("jpeg", "malformed_no_tables.jpg", jpeg)
write("jpeg", "malformed_only_soi.jpg", b"\xff\xd8\xff")

# ICO: one directory entry whose image lies beyond the file, and one with a huge size.
ico = struct.pack("<HHH", 0, 1, 2)
ico += struct.pack("<BBBBHHII", 16, 16, 0, 0, 1, 32, 0x1000, 0x7FFFFFF0)
ico += struct.pack("<BBBBHHII", 0, 0, 0, 0, 1, 32, 0xFFFFFFFF, 38)
write("ico", "malformed_entries_outside.ico", ico)
# A directory that claims 65535 entries.
write("ico", "malformed_entry_count.ico", struct.pack("<HHH", 0, 1, 65535) + b"\0" * 16)

# WBMP: multi-byte integers that never end, and a width of 2^35.
write("wbmp", "malformed_endless_width.wbmp", b"\0\0" + b"\xff" * 32)
write("wbmp", "malformed_huge.wbmp", b"\0\0\x81\x80\x80\x80\x80\x00\x02\x00")

# Detection: a file that starts like a BMP and then like nothing at all.
write("detect", "malformed_bm_prefix.bin", b"BM" + b"\xff" * 30)
