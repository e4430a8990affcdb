#!/usr/bin/env python3
"""Draws the two 16-colour bitmaps of the action properties dialog.

Run from this folder: python3 make_pictures.py (writes Image1.bmp and
SpeedButton1.bmp). The logo is drawn with ImageMagick, see make_logo.sh.
"""
import struct

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, OLIVE, PURPLE, SILVER, GREY, YELLOW, WHITE = 0, 3, 5, 7, 8, 11, 15


def write_bmp4(path, rows):
    """Writes rows (top row first, palette indices) as a 4-bit BMP."""
    height, width = len(rows), len(rows[0])
    stride = ((width + 1) // 2 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):  # BMP stores the bottom row first
        line = bytearray()
        for x in range(0, width, 2):
            high = row[x]
            low = row[x + 1] if x + 1 < width else 0
            line.append((high << 4) | low)
        line.extend(b"\0" * (stride - len(line)))
        pixels.extend(line)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(pixels),
                       2835, 2835, 16, 0)
    with open(path, "wb") as out:
        out.write(header + info + palette + pixels)


def hatched_square():
    """20 x 20: a black-framed square hatched with diagonals, light-grey margin."""
    rows = [[SILVER] * 20 for _ in range(20)]
    for y in range(1, 19):
        for x in range(1, 19):
            on_frame = x in (1, 18) or y in (1, 18)
            on_hatch = (x + y) % 4 == 0
            rows[y][x] = BLACK if on_frame or on_hatch else WHITE
    return rows


def picker_glyph():
    """17 x 16: a grey upright pointer over a yellow, olive and white burst."""
    rows = [[PURPLE] * 17 for _ in range(16)]
    cx, cy = 6, 10
    for y in range(16):
        for x in range(17):
            dx, dy = x - cx, y - cy
            ray = dx == 0 or dy == 0 or abs(dx) == abs(dy)
            dist = max(abs(dx), abs(dy))
            if dist <= 1:
                rows[y][x] = WHITE
            elif ray and dist <= 5:
                rows[y][x] = YELLOW if dist <= 3 else OLIVE
            elif dist == 2:
                rows[y][x] = OLIVE
    # The pointer: an upright arrow with its tip at the top.
    arrow = [
        "    X    ",
        "   XXX   ",
        "  XXXXX  ",
        " XXXXXXX ",
        "   XXX   ",
        "   XXX   ",
        "   XXX   ",
        "   XXX   ",
        "   XXX   ",
        "   XXX   ",
    ]
    for y, line in enumerate(arrow):
        for x, ch in enumerate(line):
            if ch == "X":
                rows[y + 1][x + 7] = GREY
    return rows


write_bmp4("Image1.bmp", hatched_square())
write_bmp4("SpeedButton1.bmp", picker_glyph())
