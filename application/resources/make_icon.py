#!/usr/bin/env python3
"""Draws DEFAULT_ICON.ico: one 128x128 image, 32 bits per pixel.

A blue rounded square holding a white magnifying glass over three digest
lines. Run it again to regenerate the icon after changing the drawing.
"""
import math
import struct
import sys

SIZE = 128


def coverage(distance):
    # Anti-aliased edge: 1 inside, 0 outside, a one-pixel ramp between.
    return max(0.0, min(1.0, 0.5 - distance))


def rounded_square(x, y):
    inset, radius = 6, 22
    cx = min(max(x, inset + radius), SIZE - inset - radius)
    cy = min(max(y, inset + radius), SIZE - inset - radius)
    return coverage(math.hypot(x - cx, y - cy) - radius)


def glass(x, y):
    ring = coverage(abs(math.hypot(x - 56, y - 54) - 26) - 6)
    # The handle: a thick segment from the ring towards the lower right.
    ax, ay, bx, by = 75, 73, 100, 98
    t = max(0.0, min(1.0, ((x - ax) * (bx - ax) + (y - ay) * (by - ay)) / ((bx - ax) ** 2 + (by - ay) ** 2)))
    handle = coverage(math.hypot(x - (ax + t * (bx - ax)), y - (ay + t * (by - ay))) - 8)
    return max(ring, handle)


def digest_lines(x, y):
    inside = math.hypot(x - 56, y - 54) < 18
    on_line = any(abs(y - row) < 2.5 for row in (46, 54, 62)) and 42 <= x <= 70
    return 1.0 if inside and on_line else 0.0


def pixel(x, y):
    px, py = x + 0.5, y + 0.5
    base = rounded_square(px, py)
    top = (30, 90, 200)
    bottom = (20, 60, 150)
    f = py / SIZE
    blue = tuple(int(top[i] * (1 - f) + bottom[i] * f) for i in range(3))
    white = max(glass(px, py), digest_lines(px, py))
    colour = tuple(int(blue[i] * (1 - white) + 255 * white) for i in range(3))
    return colour, int(255 * base)


def icon_bytes():
    rows = []
    for y in reversed(range(SIZE)):  # bottom-up rows
        row = bytearray()
        for x in range(SIZE):
            (r, g, b), a = pixel(x, y)
            row += bytes((b, g, r, a))
        rows.append(bytes(row))
    xor = b"".join(rows)
    and_mask = bytes(SIZE * SIZE // 8)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + xor + and_mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", 128, 128, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "DEFAULT_ICON.ico"
    with open(out, "wb") as f:
        f.write(icon_bytes())
