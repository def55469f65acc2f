#!/usr/bin/env python3
"""Draws icon 128, a small LCD clock face, as res/Tempiva.ico (16x16 and 32x32, 32-bit)."""
import struct
from pathlib import Path

FRAME = (0x30, 0x33, 0x2A, 0xFF)
LCD = (0xB3, 0xB7, 0x8B, 0xFF)
OFF = (0x9E, 0xA4, 0x6C, 0xFF)
ON = (0x10, 0x10, 0x10, 0xFF)
CLEAR = (0, 0, 0, 0)

# Segments a-g of a seven-segment digit.
DIGITS = {"0": "abcdef", "1": "bc", "2": "abdeg", "3": "abcdg", "4": "bcfg", "5": "acdfg",
          "6": "acdefg", "7": "abc", "8": "abcdefg", "9": "abcdfg"}


def segment_cells(x, y, w, h, t):
    """Rectangles (x0, y0, x1, y1) of the seven segments of a digit cell."""
    mid = y + (h - t) // 2
    return {
        "a": (x + t, y, x + w - t, y + t),
        "b": (x + w - t, y + t, x + w, mid),
        "c": (x + w - t, mid + t, x + w, y + h - t),
        "d": (x + t, y + h - t, x + w - t, y + h),
        "e": (x, mid + t, x + t, y + h - t),
        "f": (x, y + t, x + t, mid),
        "g": (x + t, mid, x + w - t, mid + t),
    }


def draw(size):
    px = [[CLEAR] * size for _ in range(size)]

    def fill(x0, y0, x1, y1, colour):
        for yy in range(max(0, y0), min(size, y1)):
            for xx in range(max(0, x0), min(size, x1)):
                px[yy][xx] = colour

    # A dark case with cut corners around the LCD glass.
    fill(0, 1, size, size - 1, FRAME)
    fill(1, 0, size - 1, size, FRAME)
    border = 1 if size == 16 else 2
    fill(border, border + (1 if size == 32 else 0), size - border, size - border - (1 if size == 32 else 0), LCD)

    if size == 32:
        t, w, h, top = 2, 8, 16, 8
        digits = [(3, "1"), (12, "2")]
        colon_x = 22
        small = [(24, "0")]
    else:
        t, w, h, top = 1, 5, 10, 3
        digits = [(2, "1"), (8, "2")]
        colon_x = None
        small = []
    for x, d in digits:
        for name, rect in segment_cells(x, top, w, h, t).items():
            fill(*rect, ON if name in DIGITS[d] else OFF)
    if colon_x is not None:
        fill(colon_x - 1, top + 4, colon_x + 1, top + 6, ON)
        fill(colon_x - 1, top + 10, colon_x + 1, top + 12, ON)
        for x, d in small:
            for name, rect in segment_cells(x, top + 6, 5, 10, 1).items():
                fill(*rect, ON if name in DIGITS[d] else OFF)
    return px


def dib(px):
    size = len(px)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = b"".join(bytes(c for (r, g, b, a) in row for c in (b, g, r, a)) for row in reversed(px))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(px):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + rows + bytes(mask)


def main():
    images = [dib(draw(16)), dib(draw(32))]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((16, 32), images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    target = Path(__file__).resolve().parent.parent / "Tempiva.ico"
    target.write_bytes(out)
    print(f"wrote {target} ({len(out)} bytes)")


if __name__ == "__main__":
    main()
