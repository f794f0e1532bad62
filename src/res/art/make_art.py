#!/usr/bin/env python3
"""Draws the wizard's pictures and writes them next to the resources:

  src/res/Wizard.bmp     the side bitmap of every page, 80 x 280, 24-bit
  src/res/MainFrame.ico  the program icon, 32 x 32, 16 colours with a mask

Run it from anywhere with Python 3 (standard library only); the build never
runs it, it embeds the committed files. The drawing is deterministic, so
running it again reproduces the committed files byte for byte.
"""

import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
RES = os.path.dirname(HERE)

# ---------------------------------------------------------------- geometry


def inside_polygon(points, x, y):
    """Even-odd test of the point (x, y) against a closed polygon."""
    inside = False
    n = len(points)
    for i in range(n):
        x1, y1 = points[i]
        x2, y2 = points[(i + 1) % n]
        if (y1 > y) != (y2 > y):
            if x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                inside = not inside
    return inside


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length2))
    cx, cy = ax + t * dx, ay + t * dy
    return math.hypot(px - cx, py - cy)


def polygon(points):
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    bbox = (min(xs), min(ys), max(xs), max(ys))
    return bbox, lambda x, y: inside_polygon(points, x, y)


def polyline(points, width, closed=False):
    segments = list(zip(points, points[1:] + (points[:1] if closed else [])))
    half = width / 2
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    bbox = (min(xs) - half, min(ys) - half, max(xs) + half, max(ys) + half)

    def inside(x, y):
        return any(segment_distance(x, y, a[0], a[1], b[0], b[1]) <= half for a, b in segments)

    return bbox, inside


def coverage(shape, x, y, samples=4):
    """The share of pixel (x, y) that the shape covers, by supersampling."""
    _, inside = shape
    hits = 0
    for j in range(samples):
        for i in range(samples):
            if inside(x + (i + 0.5) / samples, y + (j + 0.5) / samples):
                hits += 1
    return hits / (samples * samples)


def mix(a, b, t):
    return tuple(a[k] + (b[k] - a[k]) * t for k in range(3))


def smoothstep(t):
    t = max(0.0, min(1.0, t))
    return t * t * (3 - 2 * t)


# ------------------------------------------------------------ side bitmap

SIDE_W, SIDE_H = 80, 280

NAVY = (9, 27, 70)
DEEP_BLUE = (13, 64, 118)
TEAL = (17, 118, 128)
WHITE = (255, 255, 255)
ICE = (176, 222, 255)


class Canvas:
    def __init__(self, width, height, color_at):
        self.width, self.height = width, height
        self.rows = [[color_at(x, y) for x in range(width)] for y in range(height)]

    def blend(self, x, y, color, alpha):
        if alpha <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        alpha = min(alpha, 1.0)
        self.rows[y][x] = mix(self.rows[y][x], color, alpha)

    def fill(self, shape, color, alpha):
        """Blends `color` over the shape; `alpha` may depend on the pixel."""
        (x0, y0, x1, y1), _ = shape
        for y in range(max(0, int(y0) - 1), min(self.height, int(y1) + 2)):
            for x in range(max(0, int(x0) - 1), min(self.width, int(x1) + 2)):
                c = coverage(shape, x, y)
                if c:
                    a = alpha(x, y) if callable(alpha) else alpha
                    self.blend(x, y, color, a * c)

    def glow(self, cx, cy, rx, ry, color, strength):
        for y in range(self.height):
            for x in range(self.width):
                d = math.hypot((x + 0.5 - cx) / rx, (y + 0.5 - cy) / ry)
                if d < 1:
                    self.blend(x, y, color, strength * (1 - d) ** 2)


def side_background(x, y):
    t = y / (SIDE_H - 1)
    if t < 0.5:
        base = mix(NAVY, DEEP_BLUE, smoothstep(t / 0.5))
    else:
        base = mix(DEEP_BLUE, TEAL, smoothstep((t - 0.5) / 0.5))
    # A little darker towards the right edge, where the page begins.
    shade = 1.0 - 0.10 * (x / (SIDE_W - 1)) ** 1.5
    return tuple(v * shade for v in base)


def draw_side_bitmap():
    canvas = Canvas(SIDE_W, SIDE_H, side_background)

    # Soft light falling in from the upper left.
    canvas.glow(10, 24, 120, 150, ICE, 0.30)
    canvas.glow(40, 205, 60, 70, (120, 235, 230), 0.16)

    # Two faint diagonal sheens.
    for offset, width, strength in ((-30, 16, 0.05), (8, 6, 0.04)):
        band = polygon([(offset, 0), (offset + width, 0),
                        (offset + width + 200, 280), (offset + 200, 280)])
        canvas.fill(band, WHITE, strength)

    # A fine dot grid that fades out towards the middle.
    for gy in range(6, 120, 8):
        for gx in range(4, SIDE_W, 8):
            fade = 1 - gy / 120
            canvas.blend(gx, gy, ICE, 0.10 * fade)

    # The package: an isometric box, its faces lit from the upper left.
    cx, top, half_w, half_h, depth = 40, 190, 27, 13.5, 30
    left, right = cx - half_w, cx + half_w
    mid = top + half_h
    bottom = top + 2 * half_h
    top_face = [(cx, top), (right, mid), (cx, bottom), (left, mid)]
    left_face = [(left, mid), (cx, bottom), (cx, bottom + depth), (left, mid + depth)]
    right_face = [(cx, bottom), (right, mid), (right, mid + depth), (cx, bottom + depth)]

    canvas.glow(cx, bottom + depth + 3, 38, 7, (4, 20, 40), 0.55)
    canvas.fill(polygon(left_face), WHITE, lambda x, y: 0.20 - 0.08 * (y - mid) / (depth + half_h))
    canvas.fill(polygon(right_face), WHITE, lambda x, y: 0.09 - 0.04 * (y - mid) / (depth + half_h))
    canvas.fill(polygon(top_face), WHITE, 0.30)

    # Packing tape across the lid and down the front.
    tape = 3.2
    lid_tape = [(cx - half_w / 2 - tape, mid - half_h / 2 + tape / 2),
                (cx - half_w / 2 + tape, mid - half_h / 2 - tape / 2),
                (cx + half_w / 2 + tape, mid + half_h / 2 - tape / 2),
                (cx + half_w / 2 - tape, mid + half_h / 2 + tape / 2)]
    canvas.fill(polygon(lid_tape), WHITE, 0.22)
    front_tape = [(cx + half_w / 2 - tape, mid + half_h / 2 + tape / 2),
                  (cx + half_w / 2 + tape, mid + half_h / 2 - tape / 2),
                  (cx + half_w / 2 + tape, mid + half_h / 2 - tape / 2 + depth * 0.45),
                  (cx + half_w / 2 - tape, mid + half_h / 2 + tape / 2 + depth * 0.45)]
    canvas.fill(polygon(front_tape), WHITE, 0.12)

    edges = [
        [(cx, top), (right, mid), (cx, bottom), (left, mid)],
    ]
    canvas.fill(polyline(edges[0], 1.1, closed=True), WHITE, 0.55)
    canvas.fill(polyline([(left, mid), (left, mid + depth), (cx, bottom + depth),
                          (right, mid + depth), (right, mid)], 1.1), WHITE, 0.40)
    canvas.fill(polyline([(cx, bottom), (cx, bottom + depth)], 1.1), WHITE, 0.45)

    # The download arrow, fading in from above as if it were falling.
    shaft_top, head_top, tip = 104, 156, 186
    shaft = polygon([(cx - 6, shaft_top), (cx + 6, shaft_top), (cx + 6, head_top),
                     (cx - 6, head_top)])
    head = polygon([(cx - 16, head_top), (cx + 16, head_top), (cx, tip)])

    def falling(x, y):
        return 0.88 * smoothstep((y - shaft_top) / (head_top - shaft_top))

    canvas.glow(cx, 160, 30, 42, ICE, 0.16)
    canvas.fill(shaft, WHITE, falling)
    canvas.fill(head, WHITE, 0.88)
    # A darker right half gives the arrow some body.
    right_half = polygon([(cx, shaft_top), (cx + 6, shaft_top), (cx + 6, head_top),
                          (cx + 16, head_top), (cx, tip)])
    canvas.fill(right_half, (150, 205, 235), lambda x, y: 0.45 * falling(x, min(y, head_top)))

    # A hairline at the right edge frames the panel against the page.
    for y in range(SIDE_H):
        canvas.blend(SIDE_W - 1, y, (4, 16, 40), 0.35)

    return canvas


def write_bmp24(path, canvas):
    row_bytes = (canvas.width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(canvas.rows):  # bottom-up
        for r, g, b in row:
            pixels += bytes((clamp(b), clamp(g), clamp(r)))
        pixels += bytes(row_bytes - canvas.width * 3)
    header = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0,
                         len(pixels), 3780, 3780, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(pixels), 0, 0,
                              14 + len(header))
    with open(path, "wb") as out:
        out.write(file_header + header + pixels)


def clamp(v):
    return max(0, min(255, int(round(v))))


# ------------------------------------------------------------------- icon

ICON = 32
TRANSPARENT = 0
PALETTE = [
    (0, 0, 0),        # 0 transparent (the mask hides it)
    (18, 30, 58),     # 1 outline
    (250, 226, 176),  # 2 lid
    (222, 178, 112),  # 3 left side
    (178, 128, 70),   # 4 right side
    (196, 150, 88),   # 5 tape on the lid
    (150, 108, 58),   # 6 tape on the side
    (196, 244, 250),  # 7 arrow highlight
    (46, 176, 206),   # 8 arrow
    (22, 104, 168),   # 9 arrow shade
    (255, 246, 222),  # 10 lid highlight
    (128, 128, 128),  # 11 unused
    (192, 192, 192),  # 12 unused
    (0, 0, 128),      # 13 unused
    (0, 128, 128),    # 14 unused
    (255, 255, 255),  # 15 unused
]


def draw_icon():
    """Paints the icon as palette indices: each pixel takes the colour of the
    topmost part that covers most of it, then the silhouette gets an outline."""
    cx = 16
    left, right, top, half_h, depth = 1.5, 30.5, 10.5, 5.0, 11.0
    mid = top + half_h
    bottom = mid + half_h
    lid = [(cx, top), (right, mid), (cx, bottom), (left, mid)]
    left_side = [(left, mid), (cx, bottom), (cx, bottom + depth), (left, mid + depth)]
    right_side = [(cx, bottom), (right, mid), (right, mid + depth), (cx, bottom + depth)]
    lid_tape = [(7.0, 14.0), (10.0, 12.8), (25.0, 17.0), (22.0, 18.2)]
    side_tape = [(22.0, 18.2), (25.0, 17.0), (25.0, 24.0), (22.0, 25.2)]
    shaft = [(12.5, 0.5), (19.5, 0.5), (19.5, 9.0), (12.5, 9.0)]
    head = [(7.0, 8.5), (25.0, 8.5), (16.0, 18.5)]
    shaft_right = [(16.0, 0.5), (19.5, 0.5), (19.5, 9.0), (16.0, 9.0)]
    head_right = [(16.0, 8.5), (25.0, 8.5), (16.0, 18.5)]

    # Parts from bottom to top; the arrow (object 2) sits in front of the box (object 1).
    parts = [
        (polygon(left_side), 3, 1),
        (polygon(right_side), 4, 1),
        (polygon(lid), 2, 1),
        (polygon(lid_tape), 5, 1),
        (polygon(side_tape), 6, 1),
        (polygon(shaft), 8, 2),
        (polygon(head), 8, 2),
        (polygon(shaft_right), 9, 2),
        (polygon(head_right), 9, 2),
    ]
    colours = [[TRANSPARENT] * ICON for _ in range(ICON)]
    objects = [[0] * ICON for _ in range(ICON)]
    for y in range(ICON):
        for x in range(ICON):
            for shape, colour, obj in parts:
                if coverage(shape, x, y) >= 0.5:
                    colours[y][x] = colour
                    objects[y][x] = obj

    def outside_of(x, y, obj):
        if not (0 <= x < ICON and 0 <= y < ICON):
            return True
        return objects[y][x] == 0 or objects[y][x] < obj

    result = [row[:] for row in colours]
    for y in range(ICON):
        for x in range(ICON):
            obj = objects[y][x]
            if obj and any(outside_of(x + dx, y + dy, obj)
                           for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                result[y][x] = 1
    # Highlights along the lit edges, one pixel inside the outline.
    for y in range(ICON):
        for x in range(1, ICON):
            if result[y][x] == 8 and result[y][x - 1] == 1:
                result[y][x] = 7
            if result[y][x] == 2 and result[y - 1][x] == 1 and x < cx:
                result[y][x] = 10
    return result


def write_ico4(path, indices):
    size = len(indices)
    xor_row = (size * 4 // 8 + 3) & ~3
    and_row = (size // 8 + 3) & ~3
    xor = bytearray()
    mask = bytearray()
    for row in reversed(indices):  # bottom-up
        packed = bytearray()
        for x in range(0, size, 2):
            packed.append((row[x] << 4) | row[x + 1])
        xor += packed + bytes(xor_row - len(packed))
        bits = bytearray(and_row)
        for x, index in enumerate(row):
            if index == TRANSPARENT:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(mask),
                       0, 0, 16, 0)
    image = info + palette + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), 6 + 16)
    with open(path, "wb") as out:
        out.write(directory + entry + image)


def main():
    write_bmp24(os.path.join(RES, "Wizard.bmp"), draw_side_bitmap())
    write_ico4(os.path.join(RES, "MainFrame.ico"), draw_icon())


if __name__ == "__main__":
    main()
