#!/usr/bin/env python3
"""Draws the launcher's icon (a printer with a printed page) into res/vmtool.ico.

Run from the project root after changing the drawing; the icon is committed so
that a build needs nothing but the compiler.
"""
import struct
import sys

SUPERSAMPLE = 4


def rounded_box(x, y, left, top, right, bottom, radius):
    """True where (x, y) lies inside the rounded rectangle (unit coordinates)."""
    if not (left <= x <= right and top <= y <= bottom):
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


# Shapes in unit coordinates, painted in order: (box, radius, top colour, bottom colour).
SHAPES = [
    ((0.22, 0.06, 0.78, 0.40), 0.03, (250, 250, 250), (226, 226, 226)),   # paper in the feeder
    ((0.06, 0.30, 0.94, 0.74), 0.08, (92, 96, 104), (44, 46, 52)),        # printer body
    ((0.12, 0.36, 0.88, 0.42), 0.02, (140, 146, 156), (120, 126, 136)),   # top highlight
    ((0.74, 0.46, 0.84, 0.52), 0.03, (90, 220, 120), (40, 170, 80)),      # ready lamp
    ((0.20, 0.58, 0.80, 0.96), 0.03, (255, 255, 255), (236, 236, 236)),   # printed page
    ((0.28, 0.66, 0.72, 0.70), 0.01, (30, 120, 220), (30, 120, 220)),     # printed lines
    ((0.28, 0.74, 0.64, 0.78), 0.01, (230, 60, 60), (230, 60, 60)),
    ((0.28, 0.82, 0.68, 0.86), 0.01, (250, 180, 30), (250, 180, 30)),
]


def render(size):
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SUPERSAMPLE):
                for sx in range(SUPERSAMPLE):
                    x = (px + (sx + 0.5) / SUPERSAMPLE) / size
                    y = (py + (sy + 0.5) / SUPERSAMPLE) / size
                    colour = None
                    for (l, t, r, b), radius, top, bottom in SHAPES:
                        if rounded_box(x, y, l, t, r, b, radius):
                            f = (y - t) / (b - t)
                            colour = [top[i] + (bottom[i] - top[i]) * f for i in range(3)]
                    if colour:
                        for i in range(3):
                            acc[i] += colour[i]
                        acc[3] += 1
            n = SUPERSAMPLE * SUPERSAMPLE
            alpha = acc[3] / n
            rgb = [acc[i] / acc[3] if acc[3] else 0 for i in range(3)]
            row.append((int(rgb[0]), int(rgb[1]), int(rgb[2]), int(round(alpha * 255))))
        pixels.append(row)
    return pixels


def dib(size):
    """A 32-bit icon image: header, bottom-up BGRA rows, then the AND mask."""
    pixels = render(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b''.join(bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    mask_row = ((size + 31) // 32) * 4
    mask = bytes(mask_row * size)
    return header + colour + mask


def main(path):
    sizes = [16, 32, 48]
    images = [dib(s) for s in sizes]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, img in zip(sizes, images):
        out += struct.pack('<BBBBHHII', s, s, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    with open(path, 'wb') as f:
        f.write(out + b''.join(images))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'res/vmtool.ico')
