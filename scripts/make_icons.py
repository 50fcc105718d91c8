#!/usr/bin/env python3
"""Draws Quarrow Hovrel's icons and writes them as 32-bit .ico files.

resources/hovrel.ico: the program icon, 16 to 256 pixels.
resources/tray.ico:   the notification-area icon, 16 to 32 pixels.
The motif: a window with a dark blue title bar and caption boxes, and across
its white client area a black wand with yellow tips among small red sparkles.
The 16 and 32 pixel images are pixel art; the other sizes are drawn from
shapes on the 32-pixel grid, scaled. Each image is BGRA with its AND mask,
except the 256 pixel one, which is a PNG, as Windows takes it.
Run from anywhere: python3 scripts/make_icons.py
"""
import math
import pathlib
import struct
import zlib

PROGRAM_SIZES = [16, 20, 24, 32, 40, 48, 64, 256]
TRAY_SIZES = [16, 20, 24, 32]

BLACK, NAVY, SILVER = (0, 0, 0, 255), (0, 0, 0x80, 255), (0xC0, 0xC0, 0xC0, 255)
RED, YELLOW, WHITE = (0xFF, 0, 0, 255), (0xFF, 0xFF, 0, 255), (0xFF, 0xFF, 0xFF, 255)
CLEAR = (0, 0, 0, 0)  # transparent: shows what lies behind the icon

# Per size: the window's outer rectangle (left, top, right, bottom, inclusive),
# the title bar's height, the wand's two ends, how many pixels of each end are
# yellow, the wand's thickness, and the sparkles (centre, arm length).
PIXEL_ART = {
    32: dict(window=(1, 3, 30, 29), title=6, wand=((6, 25), (23, 12)), tip=3, thick=2,
             sparkles=[((27, 11), 2), ((12, 14), 1), ((21, 21), 1), ((17, 11), 0), ((27, 25), 1),
                       ((8, 13), 0)]),
    16: dict(window=(0, 1, 15, 15), title=4, wand=((3, 13), (11, 7)), tip=2, thick=1,
             sparkles=[((13, 7), 1), ((6, 8), 0), ((12, 12), 0)]),
}

# The other sizes draw these shapes, in units of the 32-pixel grid (x right,
# y down, edges between pixels): the window's edges, where its title bar
# ends, the wand's ends and thickness, the share of its length yellow at each
# end, and the sparkles as the 32-pixel art has them (centre, arm length).
SHAPES = dict(window=(0.5, 2.5, 31.5, 30.5), title=9, wand=((7, 25.5), (24, 12.5)), thick=2, tip=0.18,
              sparkles=[((27.5, 11.5), 2), ((12.5, 14.5), 1), ((21.5, 21.5), 1), ((17.5, 11.5), 0),
                        ((27.5, 25.5), 1), ((8.5, 13.5), 0)])


def blank(size):
    return [[CLEAR] * size for _ in range(size)]


def plus(pixels, cx, cy, arm, colour):
    for a in range(arm + 1):
        for x, y in ((cx + a, cy), (cx - a, cy), (cx, cy + a), (cx, cy - a)):
            pixels[y][x] = colour


def pixel_art(size):
    """The hand-placed 16 or 32 pixel picture, rows of colours, top row first."""
    d = PIXEL_ART[size]
    pixels = blank(size)

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
        plus(pixels, cx, cy, arm, RED)
    return pixels


def blend(colour, under, cover):
    """`colour` laid over `under` where it covers that share of the pixel."""
    alpha = cover + under[3] / 255 * (1 - cover)
    rgb = (round((c * cover + u * under[3] / 255 * (1 - cover)) / alpha) for c, u in zip(colour[:3], under[:3]))
    return (*rgb, round(alpha * 255))


def paint(pixels, colour, inside, box, crisp):
    """Lays `colour` on the pixels in `box` as far as `inside` covers each,
    sampled 4 by 4; a crisp pixel takes it wholly or not at all."""
    left, top, right, bottom = (math.floor(v) for v in box)
    for y in range(max(top, 0), min(bottom + 1, len(pixels))):
        for x in range(max(left, 0), min(right + 1, len(pixels))):
            cover = sum(inside(x + (i + 0.5) / 4, y + (j + 0.5) / 4) for i in range(4) for j in range(4)) / 16
            if crisp:
                cover = float(cover >= 0.5)
            if cover:
                pixels[y][x] = blend(colour, pixels[y][x], cover)


def stroke(pixels, a, b, width, colour, crisp):
    """A line from `a` to `b` with round ends."""
    (ax, ay), (bx, by) = a, b
    length2 = (bx - ax) ** 2 + (by - ay) ** 2

    def inside(x, y):
        t = min(1, max(0, ((x - ax) * (bx - ax) + (y - ay) * (by - ay)) / length2))
        return math.hypot(x - ax - t * (bx - ax), y - ay - t * (by - ay)) <= width / 2

    reach = width / 2 + 1
    paint(pixels, colour, inside, (min(ax, bx) - reach, min(ay, by) - reach, max(ax, bx) + reach,
                                   max(ay, by) + reach), crisp)


def sparkle(pixels, cx, cy, radius):
    """A four-pointed star, its arms narrowing to points."""
    def inside(x, y):
        return math.sqrt(abs(x - cx)) + math.sqrt(abs(y - cy)) <= math.sqrt(radius)

    paint(pixels, RED, inside, (cx - radius, cy - radius, cx + radius, cy + radius), False)


def snap(v, scale):
    """A grid position scaled, on the nearest pixel edge."""
    return math.floor(v * scale + 0.5)


def scaled_window(pixels, scale, crisp):
    """The window on whole pixels, its outline one pixel wide but on the
    largest sizes."""
    def fill(left, top, right, bottom, colour):  # right and bottom exclusive
        for y in range(top, bottom):
            pixels[y][left:right] = [colour] * (right - left)

    left, top, right, bottom = (snap(v, scale) for v in SHAPES["window"])
    title = snap(SHAPES["title"], scale)
    edge = max(1, round(len(pixels) / 48))
    fill(left, top, right, bottom, BLACK)
    fill(left + edge, top + edge, right - edge, title, NAVY)
    fill(left + edge, title, right - edge, bottom - edge, WHITE)
    if not crisp:  # the menu bar, too thin to show on the small ones
        fill(left + edge, title, right - edge, title + snap(1, scale), SILVER)
    box, gap = snap(3, scale), max(1, snap(1, scale))
    box_top = top + edge + (title - top - edge - box) // 2
    for n in range(2):
        box_right = right - edge - gap - n * (box + gap)
        fill(box_right - box, box_top, box_right, box_top + box, SILVER)


def scaled_wand(pixels, scale, crisp):
    (ax, ay), (bx, by) = ((x * scale, y * scale) for x, y in SHAPES["wand"])
    width, tip = SHAPES["thick"] * scale, SHAPES["tip"]
    stroke(pixels, (ax, ay), (bx, by), width, BLACK, crisp)
    for (ex, ey), (ox, oy) in (((ax, ay), (bx, by)), ((bx, by), (ax, ay))):
        stroke(pixels, (ex, ey), (ex + (ox - ex) * tip, ey + (oy - ey) * tip), width, YELLOW, crisp)


def scaled_sparkles(pixels, scale, crisp):
    """Centred on pixels, so that their arms run along whole rows and columns."""
    for (cx, cy), arm in SHAPES["sparkles"]:
        x, y = math.floor(cx * scale), math.floor(cy * scale)
        if crisp:
            plus(pixels, x, y, round(arm * scale), RED)
        else:
            sparkle(pixels, x + 0.5, y + 0.5, (arm + 1.5) * scale)


def scaled_art(size):
    """SHAPES drawn at `size`, the wand and the sparkles with smooth edges;
    below 32 pixels, where those would blur, every pixel is in or out, and
    the sparkles are crosses as in the pixel art."""
    pixels = blank(size)
    scale, crisp = size / 32, size < 32
    scaled_window(pixels, scale, crisp)
    scaled_wand(pixels, scale, crisp)
    scaled_sparkles(pixels, scale, crisp)
    return pixels


def picture(size):
    return pixel_art(size) if size in PIXEL_ART else scaled_art(size)


def dib(pixels):
    """The image as an icon holds it: header, BGRA rows, then the AND mask,
    bottom row first as in every device-independent bitmap."""
    size = len(pixels)
    colour, mask = bytearray(), bytearray()
    for row in reversed(pixels):
        bits = bytearray((size + 31) // 32 * 4)
        for x, (r, g, b, a) in enumerate(row):
            colour += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return header + bytes(colour) + bytes(mask)


def png(pixels):
    """The image as an 8-bit RGBA PNG, each row unfiltered."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    size = len(pixels)
    rows = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in pixels)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def ico(sizes):
    images = [png(picture(size)) if size == 256 else dib(picture(size)) for size in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):  # 0 stands for 256
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


def main():
    resources = pathlib.Path(__file__).resolve().parent.parent / "resources"
    (resources / "hovrel.ico").write_bytes(ico(PROGRAM_SIZES))
    (resources / "tray.ico").write_bytes(ico(TRAY_SIZES))


if __name__ == "__main__":
    main()
