#!/usr/bin/env python3
"""Draws the images of the account dialogs and writes them beside this script:
the move icons 2024-2027 (16 and 32 pixels) and the list bitmaps 2020-2022 (32-bit with
premultiplied alpha, as AlphaBlend takes them). Shapes are sampled 8 x 8 times a pixel.
Run it again after changing a drawing; the files it writes are committed."""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
SAMPLES = 8


def inside_polygon(x, y, points):
    hit = False
    j = len(points) - 1
    for i, (xi, yi) in enumerate(points):
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            hit = not hit
        j = i
    return hit


def near_segment(x, y, a, b, width):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - ax - t * dx, y - ay - t * dy) <= width / 2


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def rounded_square(x0, y0, x1, y1, r):
    def test(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return test


def polygon(*points):
    return lambda x, y: inside_polygon(x, y, points)


def stroke(width, *points):
    segments = list(zip(points, points[1:]))
    return lambda x, y: any(near_segment(x, y, a, b, width) for a, b in segments)


class Canvas:
    """Pixels as straight-alpha RGBA floats in a 16-unit square scaled to `size`."""

    def __init__(self, size):
        self.size = size
        self.pixels = [[(0.0, 0.0, 0.0, 0.0)] * size for _ in range(size)]

    def fill(self, shape, colour):
        scale = 16.0 / self.size
        r, g, b = (c / 255.0 for c in colour)
        for py in range(self.size):
            for px in range(self.size):
                hits = 0
                for sy in range(SAMPLES):
                    for sx in range(SAMPLES):
                        if shape((px + (sx + 0.5) / SAMPLES) * scale, (py + (sy + 0.5) / SAMPLES) * scale):
                            hits += 1
                a = hits / (SAMPLES * SAMPLES)
                if a == 0:
                    continue
                dr, dg, db, da = self.pixels[py][px]
                out = a + da * (1 - a)
                mix = lambda s, d: (s * a + d * da * (1 - a)) / out
                self.pixels[py][px] = (mix(r, dr), mix(g, dg), mix(b, db), out)
        return self

    def bgra(self, premultiplied):
        """Rows bottom-up, as bitmaps store them."""
        data = bytearray()
        for row in reversed(self.pixels):
            for r, g, b, a in row:
                k = a if premultiplied else 1.0
                data += bytes(round(c * k * 255) for c in (b, g, r)) + bytes([round(a * 255)])
        return bytes(data)


def side_by_side(*canvases):
    joined = Canvas(canvases[0].size)
    joined.pixels = [sum((c.pixels[y] for c in canvases), []) for y in range(joined.size)]
    joined.width = joined.size * len(canvases)
    return joined


def dib_header(width, height):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, 32, 0, width * height * 4, 2835, 2835, 0, 0)


def write_bitmap(name, canvas):
    width = getattr(canvas, 'width', canvas.size)
    pixels = canvas.bgra(premultiplied=True)
    header = dib_header(width, canvas.size)
    offset = 14 + len(header)
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(b'BM' + struct.pack('<IHHI', offset + len(pixels), 0, 0, offset) + header + pixels)


def write_icon(name, draw):
    images = []
    for size in (16, 32):
        canvas = draw(Canvas(size))
        mask_row = ((size + 31) // 32) * 4
        images.append((size, dib_header(size, size * 2) + canvas.bgra(premultiplied=False) + bytes(mask_row * size)))
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(struct.pack('<HHH', 0, 1, len(images)))
        offset = 6 + 16 * len(images)
        for size, data in images:
            f.write(struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(data), offset))
            offset += len(data)
        for _, data in images:
            f.write(data)


ARROW = (52, 84, 128)
WHITE = (255, 255, 255)


def arrow_up(canvas, top=2.0, bar=None):
    if bar is not None:
        canvas.fill(rounded_square(3, bar, 13, bar + 2.5, 0.6), ARROW)
    canvas.fill(polygon((8, top), (14, top + 6.5), (10, top + 6.5), (10, 15), (6, 15), (6, top + 6.5),
                        (2, top + 6.5)), ARROW)
    return canvas


def flipped(draw):
    def run(canvas):
        draw(canvas)
        canvas.pixels.reverse()
        return canvas
    return run


def allowed(canvas):
    canvas.fill(circle(8, 8, 7.4), (46, 150, 62))
    return canvas.fill(stroke(2.3, (4.4, 8.3), (7.0, 10.9), (11.8, 5.2)), WHITE)


def blocked(canvas):
    canvas.fill(rounded_square(1, 1, 15, 15, 2.2), (200, 40, 36))
    return canvas.fill(lambda x, y: stroke(2.3, (4.8, 4.8), (11.2, 11.2))(x, y) or
                       stroke(2.3, (11.2, 4.8), (4.8, 11.2))(x, y), WHITE)


def remove(hot):
    def draw(canvas):
        if hot:
            canvas.fill(circle(8, 8, 7.2), (200, 40, 36))
        cross = (WHITE if hot else (128, 128, 128))
        return canvas.fill(lambda x, y: stroke(1.9, (5.2, 5.2), (10.8, 10.8))(x, y) or
                           stroke(1.9, (10.8, 5.2), (5.2, 10.8))(x, y), cross)
    return draw


if __name__ == '__main__':
    write_icon('move_up.ico', lambda c: arrow_up(c, top=1))
    write_icon('move_down.ico', flipped(lambda c: arrow_up(c, top=1)))
    write_icon('move_top.ico', lambda c: arrow_up(c, top=4.5, bar=1))
    write_icon('move_bottom.ico', flipped(lambda c: arrow_up(c, top=4.5, bar=1)))
    write_bitmap('allowed.bmp', allowed(Canvas(16)))
    write_bitmap('blocked.bmp', blocked(Canvas(16)))
    write_bitmap('remove.bmp', side_by_side(remove(False)(Canvas(16)), remove(True)(Canvas(16))))
