#!/usr/bin/env python3
"""Draws the LCD clock's three bitmaps (16-colour BMPs) from its layout tables.

136 small digit strip 120x17, 137 large digit strip 240x34, 138 face 151x72. Four colour
roles only: black = lit, B3B78B = background, 9EA46C = unlit, white = the face's frame;
the clock recolours the first three when it loads them.
"""
import struct
from pathlib import Path

LIT, BACK, UNLIT, WHITE = 0, 1, 2, 3
PALETTE = [(0, 0, 0), (179, 183, 139), (158, 164, 108), (255, 255, 255)] + [(128, 128, 128)] * 12
DIGITS = {0: "abcdef", 1: "bc", 2: "abdeg", 3: "abcdg", 4: "bcfg", 5: "acdfg", 6: "acdefg", 7: "abc",
          8: "abcdefg", 9: "abcdfg"}


def segment_at(x, y, w, h, t):
    """The segment (a-g) the pixel belongs to, or None for background and the mitre gaps."""
    mid = (h - 1) / 2  # centre row of the middle bar
    in_left, in_right = x < t, x >= w - t
    in_top, in_bottom = y < t, y >= h - t
    in_middle = abs(y - mid) < t / 2
    if in_left or in_right:
        u = x if in_left else w - 1 - x  # depth into the bar from the outer edge
        upper, lower = ("f", "e") if in_left else ("b", "c")
        if in_top:
            return "a" if y < u else (upper if y > u else None)
        if in_bottom:
            v = h - 1 - y
            return "d" if v < u else (lower if v > u else None)
        dist = abs(y - mid)
        if abs(dist - u) < 0.5:
            return None
        if dist < u - 0.5:
            return "g" if in_middle else None
        return upper if y < mid else lower
    if in_top:
        return "a"
    if in_bottom:
        return "d"
    if in_middle:
        return "g"
    return None


def digit_cell(n, w, h, t):
    lit = DIGITS[n]
    rows = []
    for y in range(h):
        row = []
        for x in range(w):
            seg = segment_at(x, y, w, h, t)
            row.append(BACK if seg is None else (LIT if seg in lit else UNLIT))
        rows.append(row)
    return rows


def strip(w, h, t):
    cells = [digit_cell(n, w, h, t) for n in range(10)]
    return [sum((cells[n][y] for n in range(10)), []) for y in range(h)]


def face():
    w, h = 151, 72
    px = [[BACK] * w for _ in range(h)]
    for x in range(w):
        px[0][x] = px[h - 1][x] = WHITE
    for y in range(h):
        px[y][0] = px[y][w - 1] = WHITE

    def fill(x0, x1, y0, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                px[y][x] = colour

    fill(61, 66, 13, 14, LIT)   # dash between year and month
    fill(97, 102, 12, 14, LIT)  # dash between month and day
    fill(59, 61, 41, 43, LIT)   # colon
    fill(59, 61, 57, 59, LIT)

    def place(cell, x0, y0):
        for y, row in enumerate(cell):
            for x, colour in enumerate(row):
                px[y0 + y][x0 + x] = colour

    # Placeholders, all segments unlit; the clock always paints digits over them.
    small = [[UNLIT if c == LIT else c for c in row] for row in digit_cell(8, 12, 17, 3)]
    large = [[UNLIT if c == LIT else c for c in row] for row in digit_cell(8, 24, 34, 6)]
    for pos in [(5, 5), (19, 5), (33, 5), (47, 5), (69, 5), (83, 5), (105, 5), (119, 5), (120, 50), (134, 50)]:
        place(small, *pos)
    for pos in [(5, 33), (32, 33), (65, 33), (92, 33)]:
        place(large, *pos)
    return px


def write_bmp(path, px):
    h, w = len(px), len(px[0])
    stride = ((w * 4 + 31) // 32) * 4
    data = bytearray()
    for row in reversed(px):
        line = bytearray(stride)
        for x, c in enumerate(row):
            line[x // 2] |= c << (4 if x % 2 == 0 else 0)
        data += line
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 4, 0, len(data), 2835, 2835, 16, 16)
    path.write_bytes(header + info + palette + bytes(data))
    print(f"wrote {path} ({w}x{h})")


def main():
    res = Path(__file__).resolve().parent.parent
    write_bmp(res / "LcdSmall.bmp", strip(12, 17, 3))
    write_bmp(res / "LcdLarge.bmp", strip(24, 34, 6))
    write_bmp(res / "LcdFace.bmp", face())


if __name__ == "__main__":
    main()
