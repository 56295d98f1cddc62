#!/usr/bin/env python3
"""Draws the Parabolix icon: a navy parabola over axes on a light orange tile.

Writes parabolix.ico and icons/<size>.png for the desktop's hicolor theme.
The .ico begins with the window's icon, one 16x16 image in 16 colours, 256
colours and 32-bit with alpha; then come 24, 32, 48 and 256 px in 32-bit with
alpha (the last PNG-compressed), for Explorer, the Start menu and Alt+Tab. Standard
library only, so anyone can remake the icon:  python3 make_icon.py
"""

import math
import pathlib
import struct
import zlib
from collections import Counter

HERE = pathlib.Path(__file__).resolve().parent
ORANGE = (255, 192, 128)
EDGE = (196, 108, 36)
AXIS = (150, 96, 60)
NAVY = (0, 0, 128)
SUPERSAMPLE = 4


def parabola(x):
    """Height in the unit square (y grows downwards): a U with its vertex low."""
    return 0.80 - 2.1 * (x - 0.5) ** 2, -4.2 * (x - 0.5)


def sample(x, y, pixel):
    """Colour and coverage of one point of the unit square."""
    radius = 0.2
    cx = min(max(x, radius), 1 - radius)
    cy = min(max(y, radius), 1 - radius)
    outside = math.hypot(x - cx, y - cy) - radius
    if outside > 0:
        return None
    curve, slope = parabola(x)
    if abs(y - curve) / math.hypot(1, slope) < max(0.07, 0.75 * pixel):
        return NAVY
    if -outside < max(0.04, pixel):
        return EDGE
    if abs(y - 0.80) < max(0.025, 0.5 * pixel) or abs(x - 0.5) < max(0.025, 0.5 * pixel):
        return AXIS
    return ORANGE


def render(size):
    """Rows of (r, g, b, a) pixels, anti-aliased by supersampling."""
    pixel = 1 / size
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            total = [0, 0, 0]
            covered = 0
            for sy in range(SUPERSAMPLE):
                for sx in range(SUPERSAMPLE):
                    colour = sample((px + (sx + 0.5) / SUPERSAMPLE) * pixel,
                                    (py + (sy + 0.5) / SUPERSAMPLE) * pixel, pixel)
                    if colour:
                        covered += 1
                        total = [t + c for t, c in zip(total, colour)]
            if covered:
                row.append(tuple(round(t / covered) for t in total)
                           + (round(255 * covered / SUPERSAMPLE ** 2),))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def png(rows):
    size = len(rows)
    raw = b"".join(b"\0" + bytes(v for p in row for v in p) for row in rows)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data)))

    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def padded(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def and_mask(rows):
    """1 bit a pixel, set where the pixel is transparent; rows bottom-up."""
    out = b""
    for row in reversed(rows):
        width = (len(row) + 7) // 8 * 8
        bits = sum(1 << (width - 1 - x) for x, p in enumerate(row) if p[3] < 128)
        out += padded(bits.to_bytes(width // 8, "big"))
    return out


def dib(rows, bits):
    """A BMP image as an icon holds it: header, palette, colours, AND mask."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bits, 0, 0, 0, 0, 0, 0)
    if bits == 32:
        body = b"".join(padded(bytes(v for r, g, b, a in row for v in (b, g, r, a)))
                        for row in reversed(rows))
        return header + body + and_mask(rows)
    slots = 1 << bits
    opaque = Counter(p[:3] for row in rows for p in row if p[3] >= 128)
    palette = [(0, 0, 0)] + [c for c, _ in opaque.most_common(slots - 1)]

    def index(p):
        if p[3] < 128:
            return 0
        return min(range(1, len(palette)),
                   key=lambda i: sum((a - b) ** 2 for a, b in zip(palette[i], p)))

    palette += [(0, 0, 0)] * (slots - len(palette))
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    body = b""
    for row in reversed(rows):
        indices = [index(p) for p in row]
        if bits == 4:
            packed = bytes((indices[i] << 4) | indices[i + 1] for i in range(0, len(row), 2))
        else:
            packed = bytes(indices)
        body += padded(packed)
    return header + table + body + and_mask(rows)


def ico():
    small = render(16)
    images = [(16, 16, dib(small, 4), 4), (16, 0, dib(small, 8), 8), (16, 0, dib(small, 32), 32)]
    images += [(size, 0, dib(render(size), 32), 32) for size in (24, 32, 48)]
    images.append((256, 0, png(render(256)), 32))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, colours, data, bits in images:
        side = size % 256  # 0 stands for 256
        out += struct.pack("<BBBBHHII", side, side, colours, 0, 1, bits, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, _, data, _ in images)


def main():
    (HERE / "parabolix.ico").write_bytes(ico())
    (HERE / "icons").mkdir(exist_ok=True)
    for size in (16, 32, 48, 64, 128, 256):
        (HERE / "icons" / f"{size}.png").write_bytes(png(render(size)))


if __name__ == "__main__":
    main()
