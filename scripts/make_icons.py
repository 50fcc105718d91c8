#!/usr/bin/env python3
"""Draws Quarrow Hovrel's icons and writes them as 16-colour .ico files.

resources/hovrel.ico: the program icon, 32x32 and 16x16.
resources/tray.ico:   the notification-area icon, the same 16x16 picture.
The motif: a window with a dark blue title bar, and across its white client
area a black wand with yellow tips among small red sparkles.
Run from anywhere: python3 scripts/make_icons.py
"""
import pathlib
import struct

# The standard 16-colour palette, in the order Windows numbers it.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, NAVY, SILVER, GRAY, RED, YELLOW, BLUE, WHITE = 0, 4, 7, 8, 9, 11, 12, 15
CLEAR = None  # transparent: shows what lies behind the icon

# Per size: the window's outer rectangle (left, top, right, bottom, inclusive),
# the title bar's height, the wand's two ends, how many pixels of each end are
# yellow, the wand's thickness, and the sparkles (centre, arm length).
DESIGNS = {
    32: dict(window=(1, 3, 30, 29), title=6, wand=((6, 25), (23, 12)), tip=3, thick=2,
             sparkles=[((27, 11), 2), ((12, 14), 1), ((21, 21), 1), ((17, 11), 0), ((27, 25), 1),
                       ((8, 13), 0)]),
    16: dict(window=(0, 1, 15, 15), title=4, wand=((3, 13), (11, 7)), tip=2, thick=1,
             sparkles=[((13, 7), 1), ((6, 8), 0), ((12, 12), 0)]),
}


def draw(size):
    """Returns the picture as rows of palette indices (or CLEAR), top row first."""
    d = DESIGNS[size]
    pixels = [[CLEAR] * size for _ in range(size)]

    def put(x, y, colour):
        if 0 <= x < size and 0 <= y < size:
            pixels[y][x] = colour

    left, top, right, bottom = d["window"]
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            edge = x in (left, right) or y in (top, bottom)
            in_title = y < top + d["title"]
            put(x, y, BLACK if edge else NAVY if in_title else WHITE)
    # Caption-bar buttons: a close box, and on the large icon a second box.
    box = 2 if size == 16 else 3
    boxes = 1 if size == 16 else 2
    for n in range(boxes):
        bx = right - 1 - box - n * (box + 1)
        for y in range(top + (d["title"] - box) // 2, top + (d["title"] - box) // 2 + box):
            for x in range(bx, bx + box):
                put(x, y, SILVER)
    # A pale strip under the title bar on the large icon, like a menu bar.
    if size == 32:
        for x in range(left + 1, right):
            put(x, top + d["title"], SILVER)

    (x0, y0), (x1, y1) = d["wand"]
    steps = max(abs(x1 - x0), abs(y1 - y0))
    for i in range(steps + 1):
        x = round(x0 + (x1 - x0) * i / steps)
        y = round(y0 + (y1 - y0) * i / steps)
        tip = i < d["tip"] or i > steps - d["tip"]
        for t in range(d["thick"]):
            put(x + t, y, YELLOW if tip else BLACK)

    for (cx, cy), arm in d["sparkles"]:
        put(cx, cy, RED)
        for a in range(1, arm + 1):
            for dx, dy in ((a, 0), (-a, 0), (0, a), (0, -a)):
                put(cx + dx, cy + dy, RED)
    return pixels


def row_bytes(bits_per_pixel, width):
    return ((width * bits_per_pixel + 31) // 32) * 4


def dib(pixels):
    """The image as an icon holds it: header, palette, colour bits, then mask."""
    size = len(pixels)
    colour = bytearray()
    mask = bytearray()
    for row in reversed(pixels):  # bottom-up, as device-independent bitmaps are
        line = bytearray(row_bytes(4, size))
        bits = bytearray(row_bytes(1, size))
        for x, index in enumerate(row):
            if index is CLEAR:
                bits[x // 8] |= 0x80 >> (x % 8)
                index = 0
            line[x // 2] |= index << (4 if x % 2 == 0 else 0)
        colour += line
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 4, 0,
                         len(colour) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + bytes(colour) + bytes(mask)


def ico(sizes):
    images = [dib(draw(size)) for size in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


def main():
    resources = pathlib.Path(__file__).resolve().parent.parent / "resources"
    (resources / "hovrel.ico").write_bytes(ico([32, 16]))
    (resources / "tray.ico").write_bytes(ico([16]))


if __name__ == "__main__":
    main()
