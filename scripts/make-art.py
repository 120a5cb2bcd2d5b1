#!/usr/bin/env python3
"""Draws setup.exe's pictures: the window icon (128), the header icon (130) and
the licence page's picture (132, 120 x 260, 16 colours). Run it to redraw
res/art/; its output is committed."""
import math
import os
import struct

ART = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'res', 'art')


def icon_image(size, draw):
    """One 32-bit icon image (BITMAPINFOHEADER, bottom-up BGRA, empty AND mask)."""
    rows = []
    for y in range(size - 1, -1, -1):
        row = b''
        for x in range(size):
            r, g, b, a = draw(x / size, y / size)
            row += bytes((b, g, r, a))
        rows.append(row)
    mask_row = b'\0' * (((size + 31) // 32) * 4)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    return header + b''.join(rows) + mask_row * size


def write_icon(name, draw):
    images = [(s, icon_image(s, draw)) for s in (16, 32, 48)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b''.join(d for _, d in images)
    with open(os.path.join(ART, name), 'wb') as f:
        f.write(out)


def setup_icon(u, v):
    """A green disc holding a white parcel: the installer."""
    d = math.hypot(u - 0.5, v - 0.5)
    if d > 0.47:
        return (0, 0, 0, 0)
    edge = max(0, min(255, int((0.47 - d) * 255 * 12)))
    if 0.28 < u < 0.72 and 0.3 < v < 0.7:
        if abs(u - 0.5) < 0.03 or abs(v - 0.45) < 0.03:
            return (200, 60, 40, 255)
        return (250, 250, 240, 255)
    g = int(128 + 100 * (1 - v))
    return (20, g, 80, edge)


def header_icon(u, v):
    """An opened parcel with an arrow into it: the header of the pages."""
    if 0.15 < u < 0.85 and 0.45 < v < 0.9:
        if abs(u - 0.5) < 0.04:
            return (190, 50, 40, 255)
        return (210, 160, 90, 255)
    if 0.4 < u < 0.6 and 0.1 < v < 0.45:
        return (0, 110, 60, 255)
    if 0.28 < u < 0.72 and 0.3 < v < 0.45 and abs(u - 0.5) < (0.45 - v) * 1.5:
        return (0, 110, 60, 255)
    return (0, 0, 0, 0)


PALETTE = [
    (0, 0, 0), (0, 64, 32), (0, 96, 48), (0, 128, 64), (32, 144, 96), (64, 160, 128),
    (96, 176, 144), (128, 192, 160), (160, 208, 184), (192, 224, 208), (224, 240, 232),
    (255, 255, 255), (210, 160, 90), (190, 50, 40), (250, 250, 240), (128, 128, 128),
]


def picture_index(x, y):
    """Licence picture: a green gradient with light stripes and a parcel."""
    w, h = 120, 260
    if 30 <= x < 90 and 170 <= y < 220:
        if abs(x - 60) < 3 or abs(y - 190) < 3:
            return 13
        return 14 if (x - 30) > 1 and (y - 170) > 1 else 12
    level = 1 + (y * 9) // h           # darker at the top
    if ((x + y) // 6) % 7 == 0:
        level = min(10, level + 2)     # stripes
    dither = ((x ^ y) & 1)
    return min(10, level + dither * ((y * 9) % h > h // 2))


def write_picture(name):
    w, h = 120, 260
    row_bytes = ((w * 4 + 31) // 32) * 4
    pixels = b''
    for y in range(h - 1, -1, -1):
        row = bytearray(row_bytes)
        for x in range(w):
            i = picture_index(x, y)
            if x % 2 == 0:
                row[x // 2] |= i << 4
            else:
                row[x // 2] |= i
        pixels += bytes(row)
    palette = b''.join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 4, 0, len(pixels), 2835, 2835, 16, 16)
    offset = 14 + len(info) + len(palette)
    head = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    with open(os.path.join(ART, name), 'wb') as f:
        f.write(head + info + palette + pixels)


if __name__ == '__main__':
    os.makedirs(ART, exist_ok=True)
    write_icon('setup.ico', setup_icon)
    write_icon('header.ico', header_icon)
    write_picture('license.bmp')
