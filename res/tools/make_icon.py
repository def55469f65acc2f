#!/usr/bin/env python3
"""Writes res/Tempiva.ico: a small LCD clock face at 16x16 and 32x32.

Drawn pixel by pixel (no image library) so the output is reproducible.
Run from anywhere: python3 res/tools/make_icon.py
"""
import os
import struct

FRAME = (0x2A, 0x2C, 0x2E)
FRAME_EDGE = (0x55, 0x58, 0x5C)   # lighter rim so the frame reads on dark taskbars
LCD = (0xB3, 0xB7, 0x8B)
UNLIT = (0x9E, 0xA4, 0x6C)
LIT = (0x00, 0x00, 0x00)

# Segment names: a top, b upper right, c lower right, d bottom,
# e lower left, f upper left, g middle.
DIGITS = {
    '0': 'abcdef', '1': 'bc', '2': 'abdeg', '3': 'abcdg', '4': 'bcfg',
    '5': 'acdfg', '6': 'acdefg', '7': 'abc', '8': 'abcdefg', '9': 'abcdfg',
}


class Canvas:
    def __init__(self, size):
        self.size = size
        self.px = [[(0, 0, 0, 0)] * size for _ in range(size)]

    def set(self, x, y, rgb, a=255):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.px[y][x] = (rgb[0], rgb[1], rgb[2], a)

    def rect(self, x0, y0, x1, y1, rgb):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, rgb)

    def rounded(self, x0, y0, x1, y1, r, rgb, aa=True):
        # 4x4 supersampled coverage gives soft corners without blur elsewhere.
        n = 4
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                hits = 0
                for sy in range(n):
                    for sx in range(n):
                        fx = x + (sx + 0.5) / n
                        fy = y + (sy + 0.5) / n
                        cx = min(max(fx, x0 + r), x1 + 1 - r)
                        cy = min(max(fy, y0 + r), y1 + 1 - r)
                        if (fx - cx) ** 2 + (fy - cy) ** 2 <= r * r:
                            hits += 1
                if hits == 0:
                    continue
                a = 255 * hits // (n * n) if aa else 255
                if a >= 255 or self.px[y][x][3] == 0:
                    self.set(x, y, rgb, a)
                else:
                    # blend over what is already there (inner shapes over frame)
                    br, bg, bb, ba = self.px[y][x]
                    t = a / 255.0
                    self.set(x, y, (round(rgb[0] * t + br * (1 - t)),
                                    round(rgb[1] * t + bg * (1 - t)),
                                    round(rgb[2] * t + bb * (1 - t))), ba)


def digit(c, ox, oy, w, h, t, ch):
    """Draws a seven-segment digit; every segment is drawn, lit or unlit."""
    mid = (h - t) // 2
    segs = {
        'a': (t, 0, w - t - 1, t - 1),
        'g': (t, mid, w - t - 1, mid + t - 1),
        'd': (t, h - t, w - t - 1, h - 1),
        'f': (0, t, t - 1, mid - 1),
        'b': (w - t, t, w - 1, mid - 1),
        'e': (0, mid + t, t - 1, h - t - 1),
        'c': (w - t, mid + t, w - 1, h - t - 1),
    }
    lit = DIGITS[ch]
    for name, (x0, y0, x1, y1) in segs.items():
        c.rect(ox + x0, oy + y0, ox + x1, oy + y1,
               LIT if name in lit else UNLIT)


def draw32():
    c = Canvas(32)
    c.rounded(0, 3, 31, 28, 5, FRAME_EDGE)
    c.rounded(1, 4, 30, 27, 4, FRAME)
    c.rounded(3, 6, 28, 25, 1.5, LCD)
    digit(c, 5, 8, 8, 16, 2, '1')
    digit(c, 16, 8, 8, 16, 2, '2')
    # colon hint: the minutes would follow to the right
    c.rect(26, 11, 27, 12, LIT)
    c.rect(26, 19, 27, 20, LIT)
    return c


def draw16():
    c = Canvas(16)
    c.rounded(0, 1, 15, 14, 3, FRAME_EDGE)
    c.rounded(1, 2, 14, 13, 2, FRAME)
    c.rect(3, 4, 12, 11, LCD)
    digit(c, 3, 5, 4, 7, 1, '1')
    digit(c, 8, 5, 4, 7, 1, '2')
    return c


def dib(c):
    n = c.size
    pixels = bytearray()
    for y in range(n - 1, -1, -1):          # DIB rows are bottom-up
        for x in range(n):
            r, g, b, a = c.px[y][x]
            pixels += bytes((b, g, r, a))
    row = ((n + 31) // 32) * 4
    mask = bytearray()
    for y in range(n - 1, -1, -1):
        bits = bytearray(row)
        for x in range(n):
            if c.px[y][x][3] == 0:           # transparent where alpha is zero
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack('<IiiHHIIiiII', 40, n, n * 2, 1, 32, 0,
                         len(pixels) + len(mask), 0, 0, 0, 0)
    return header + bytes(pixels) + bytes(mask)


def main():
    images = [(16, dib(draw16())), (32, dib(draw32()))]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32,
                           len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                        '..', 'Tempiva.ico')
    with open(path, 'wb') as f:
        f.write(out)
    print('wrote', os.path.normpath(path), len(out), 'bytes')


if __name__ == '__main__':
    main()
