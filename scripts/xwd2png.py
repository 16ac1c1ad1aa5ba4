#!/usr/bin/env python3
"""Turns an X window dump (xwd, 24 or 32 bits per pixel, ZPixmap) into a PNG, with an optional crop.

    xwd -root -silent | scripts/xwd2png.py out.png [x y width height]
"""
import struct
import sys
import zlib


def read_xwd(data):
    fields = struct.unpack(">25I", data[:100])
    header_size, version, pixmap_format, depth, width, height = fields[:6]
    byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
    red_mask, green_mask, blue_mask = fields[14], fields[15], fields[16]
    ncolors = fields[19]
    if version != 7 or pixmap_format != 2 or bits_per_pixel not in (24, 32):
        raise SystemExit("unsupported dump: version %d, format %d, %d bits" % (version, pixmap_format, bits_per_pixel))
    offset = header_size + ncolors * 12
    step = bits_per_pixel // 8
    order = "<" if byte_order == 0 else ">"

    def shift(mask):
        return (mask & -mask).bit_length() - 1

    shifts = [shift(m) for m in (red_mask, green_mask, blue_mask)]
    rows = []
    for y in range(height):
        line = data[offset + y * bytes_per_line: offset + y * bytes_per_line + width * step]
        row = bytearray()
        for x in range(width):
            chunk = line[x * step: x * step + step]
            value = int.from_bytes(chunk, "little" if order == "<" else "big")
            row += bytes(((value >> s) & 0xFF) for s in shifts)
        rows.append(row)
    return width, height, rows


def write_png(path, width, height, rows):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + bytes(r) for r in rows)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


def main():
    if len(sys.argv) not in (2, 6):
        raise SystemExit(__doc__)
    width, height, rows = read_xwd(sys.stdin.buffer.read())
    if len(sys.argv) == 6:
        x, y, w, h = (int(v) for v in sys.argv[2:])
        rows = [r[x * 3:(x + w) * 3] for r in rows[y:y + h]]
        width, height = w, h
    write_png(sys.argv[1], width, height, rows)


main()
