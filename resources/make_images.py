#!/usr/bin/env python3
"""Draws Quorvex's icons and logo bitmap.

Usage: make_images.py OUTDIR

Writes QVX1.ico .. QVX17.ico (tray, one per instance number), QVXSPLASH.ico,
APPICON.ico, FORMICON.ico and QUORVEXPIC.bmp into OUTDIR.
Everything is drawn from shapes here with the standard library only. No
trigonometry is used, so the bytes come out the same on every run and host.
"""

import os
import struct
import sys
import tempfile

SS = 4  # samples per pixel along each axis (16 per pixel) for anti-aliasing

# ---------------------------------------------------------------- shapes
# A shape answers inside(x, y) for a point in pixel coordinates and knows a
# bounding box (x0, y0, x1, y1) so that painting skips empty pixels.


class Shape:
    bbox = (0.0, 0.0, 0.0, 0.0)

    def inside(self, x, y):
        raise NotImplementedError

    def __or__(self, other):
        return Union(self, other)

    def __and__(self, other):
        return Intersect(self, other)

    def __sub__(self, other):
        return Minus(self, other)


class Circle(Shape):
    def __init__(self, cx, cy, r):
        self.cx, self.cy, self.r2 = cx, cy, r * r
        self.bbox = (cx - r, cy - r, cx + r, cy + r)

    def inside(self, x, y):
        dx, dy = x - self.cx, y - self.cy
        return dx * dx + dy * dy <= self.r2


class Ellipse(Shape):
    def __init__(self, cx, cy, rx, ry):
        self.cx, self.cy, self.rx, self.ry = cx, cy, rx, ry
        self.bbox = (cx - rx, cy - ry, cx + rx, cy + ry)

    def inside(self, x, y):
        dx, dy = (x - self.cx) / self.rx, (y - self.cy) / self.ry
        return dx * dx + dy * dy <= 1.0


class Rect(Shape):
    def __init__(self, x0, y0, x1, y1):
        self.bbox = (x0, y0, x1, y1)

    def inside(self, x, y):
        x0, y0, x1, y1 = self.bbox
        return x0 <= x < x1 and y0 <= y < y1


class RoundRect(Shape):
    def __init__(self, x0, y0, x1, y1, r):
        self.bbox, self.r = (x0, y0, x1, y1), r

    def inside(self, x, y):
        x0, y0, x1, y1 = self.bbox
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        r = self.r
        dx = max(x0 + r - x, 0.0, x - (x1 - r))
        dy = max(y0 + r - y, 0.0, y - (y1 - r))
        return dx * dx + dy * dy <= r * r


def _seg_dist2(px, py, ax, ay, bx, by):
    """Squared distance from point p to segment a-b."""
    vx, vy = bx - ax, by - ay
    wx, wy = px - ax, py - ay
    t = (wx * vx + wy * vy) / (vx * vx + vy * vy)
    t = 0.0 if t < 0.0 else 1.0 if t > 1.0 else t
    dx, dy = wx - t * vx, wy - t * vy
    return dx * dx + dy * dy


class Polygon(Shape):
    """Even-odd polygon, optionally grown by `grow` pixels (for outlines)."""

    def __init__(self, points, grow=0.0):
        self.pts, self.grow2 = list(points), grow * grow
        xs = [p[0] for p in self.pts]
        ys = [p[1] for p in self.pts]
        self.bbox = (min(xs) - grow, min(ys) - grow, max(xs) + grow, max(ys) + grow)

    def inside(self, x, y):
        pts, n, hit = self.pts, len(self.pts), False
        for i in range(n):
            ax, ay = pts[i]
            bx, by = pts[(i + 1) % n]
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                hit = not hit
        if hit or not self.grow2:
            return hit
        return any(_seg_dist2(x, y, *pts[i], *pts[(i + 1) % n]) <= self.grow2
                   for i in range(n))


class Stroke(Shape):
    """A line of width w with round ends."""

    def __init__(self, x0, y0, x1, y1, w):
        self.seg, self.h2 = (x0, y0, x1, y1), (w / 2) ** 2
        h = w / 2
        self.bbox = (min(x0, x1) - h, min(y0, y1) - h, max(x0, x1) + h, max(y0, y1) + h)

    def inside(self, x, y):
        return _seg_dist2(x, y, *self.seg) <= self.h2


class Cells(Shape):
    """A pixel-font glyph: rows of '#'/'.' drawn with cells of size k."""

    def __init__(self, ox, oy, k, rows):
        self.ox, self.oy, self.k, self.rows = ox, oy, k, rows
        self.bbox = (ox, oy, ox + k * len(rows[0]), oy + k * len(rows))

    def inside(self, x, y):
        if not (self.bbox[0] <= x < self.bbox[2] and self.bbox[1] <= y < self.bbox[3]):
            return False
        return self.rows[int((y - self.oy) // self.k)][int((x - self.ox) // self.k)] == "#"


class Union(Shape):
    def __init__(self, *parts):
        self.parts = parts
        self.bbox = (min(p.bbox[0] for p in parts), min(p.bbox[1] for p in parts),
                     max(p.bbox[2] for p in parts), max(p.bbox[3] for p in parts))

    def inside(self, x, y):
        return any(p.inside(x, y) for p in self.parts)


class Intersect(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b
        self.bbox = (max(a.bbox[0], b.bbox[0]), max(a.bbox[1], b.bbox[1]),
                     min(a.bbox[2], b.bbox[2]), min(a.bbox[3], b.bbox[3]))

    def inside(self, x, y):
        return self.a.inside(x, y) and self.b.inside(x, y)


class Minus(Shape):
    def __init__(self, a, b):
        self.a, self.b, self.bbox = a, b, a.bbox

    def inside(self, x, y):
        return self.a.inside(x, y) and not self.b.inside(x, y)


# ---------------------------------------------------------------- paint


def mix(c0, c1, t):
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


def vgrad(y0, c0, y1, c1):
    """Vertical gradient from colour c0 at y0 to c1 at y1."""
    def paint(x, y):
        t = (y - y0) / (y1 - y0)
        return mix(c0, c1, 0.0 if t < 0 else 1.0 if t > 1 else t)
    return paint


def dgrad(size, c0, c1):
    """Diagonal gradient, c0 at the top-left corner, c1 at the bottom-right."""
    def paint(x, y):
        t = (x + y) / (2.0 * size)
        return mix(c0, c1, 0.0 if t < 0 else 1.0 if t > 1 else t)
    return paint


class Canvas:
    """Straight (not premultiplied) RGBA; colour 0..255 floats, alpha 0..1."""

    def __init__(self, w, h, background=None):
        self.w, self.h = w, h
        fill = (0.0, 0.0, 0.0, 0.0) if background is None else (*background, 1.0)
        self.px = [fill] * (w * h)

    def fill(self, shape, paint, opacity=1.0):
        x0, y0, x1, y1 = shape.bbox
        offs = [(i + 0.5) / SS for i in range(SS)]
        for y in range(max(0, int(y0)), min(self.h, int(y1) + 1)):
            for x in range(max(0, int(x0)), min(self.w, int(x1) + 1)):
                n = sum(1 for dy in offs for dx in offs if shape.inside(x + dx, y + dy))
                if n:
                    colour = paint(x + 0.5, y + 0.5) if callable(paint) else paint
                    self._over(x, y, colour, opacity * n / (SS * SS))

    def _over(self, x, y, colour, a):
        i = y * self.w + x
        r, g, b, da = self.px[i]
        out = a + da * (1.0 - a)
        keep = da * (1.0 - a)
        self.px[i] = (tuple((c * a + d * keep) / out for c, d in zip(colour, (r, g, b))) + (out,))

    def rgba8(self):
        """Rows top-down of (r, g, b, a) byte values; fully clear pixels become 0."""
        out = []
        for r, g, b, a in self.px:
            a8 = int(a * 255.0 + 0.5)
            if a8 == 0:
                out.append((0, 0, 0, 0))
            else:
                out.append(tuple(min(255, max(0, int(c + 0.5))) for c in (r, g, b)) + (a8,))
        return out


# ---------------------------------------------------------------- encoders


def _mask_rows(c, cutoff):
    """AND mask, bottom-up, 1 bit per pixel, rows padded to 4 bytes.

    Pixels with alpha below cutoff are masked out (bit set)."""
    px, stride, rows = c.rgba8(), ((c.w + 31) // 32) * 4, []
    for y in reversed(range(c.h)):
        row = bytearray(stride)
        for x in range(c.w):
            if px[y * c.w + x][3] < cutoff:
                row[x >> 3] |= 0x80 >> (x & 7)
        rows.append(bytes(row))
    return b"".join(rows)


def _median_cut(counts, n):
    """Up to n colours for a {rgb: count} table; deterministic."""
    boxes = [sorted(counts.items())]
    while len(boxes) < n:
        best, best_range = None, 0
        for i, box in enumerate(boxes):
            for ch in range(3):
                vals = [col[ch] for col, _ in box]
                if max(vals) - min(vals) > best_range:
                    best, best_range = (i, ch), max(vals) - min(vals)
        if best is None:
            break
        i, ch = best
        box = sorted(boxes[i], key=lambda e: (e[0][ch], e[0]))
        half, run, cut = sum(k for _, k in box) / 2.0, 0, 1
        for j, (_, k) in enumerate(box[:-1]):
            run += k
            cut = j + 1
            if run >= half:
                break
        boxes[i:i + 1] = [box[:cut], box[cut:]]
    pal = []
    for box in boxes:
        total = sum(k for _, k in box)
        pal.append(tuple(int(sum(col[ch] * k for col, k in box) / total + 0.5) for ch in range(3)))
    return pal


def dib_4bpp(c):
    """16-colour icon image: palette slot 0 is black, used under the AND mask."""
    px = c.rgba8()
    counts = {}
    for r, g, b, a in px:
        if a >= 128:
            counts[(r, g, b)] = counts.get((r, g, b), 0) + 1
    pal = [(0, 0, 0)] + _median_cut(counts, 15) if counts else [(0, 0, 0)]
    pal += [(0, 0, 0)] * (16 - len(pal))

    def nearest(rgb):
        return min(range(16), key=lambda i: (sum((p - q) ** 2 for p, q in zip(pal[i], rgb)), i))

    cache, stride, rows = {}, ((c.w * 4 + 31) // 32) * 4, []
    for y in reversed(range(c.h)):
        row = bytearray(stride)
        for x in range(c.w):
            r, g, b, a = px[y * c.w + x]
            idx = 0 if a < 128 else cache.setdefault((r, g, b), nearest((r, g, b)))
            row[x >> 1] |= idx << (4 if x % 2 == 0 else 0)
        rows.append(bytes(row))
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in pal)
    return 4, 16, palette + b"".join(rows)


def dib_32bpp(c):
    """True-colour icon image with straight alpha, bottom-up BGRA."""
    px = c.rgba8()
    rows = [b"".join(struct.pack("<BBBB", b, g, r, a) for r, g, b, a in px[y * c.w:(y + 1) * c.w])
            for y in reversed(range(c.h))]
    return 32, 0, b"".join(rows)


def ico_bytes(images):
    """images: list of (canvas, encoder). Returns the .ico file contents."""
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for canvas, encode in images:
        bits, colours, body = encode(canvas)
        # 16-colour images have no alpha: half-covered edge pixels count as
        # solid. True-colour images mask only fully clear pixels, which are
        # black there, so programs that draw with the mask alone stay clean.
        mask = _mask_rows(canvas, 128 if bits == 4 else 1)
        header = struct.pack("<IiiHHIIiiII", 40, canvas.w, canvas.h * 2, 1, bits, 0,
                             len(body) - colours * 4 + len(mask), 0, 0, colours, 0)
        blob = header + body + mask
        entries.append(struct.pack("<BBBBHHII", canvas.w % 256, canvas.h % 256,
                                   colours, 0, 1, bits, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    return struct.pack("<HHH", 0, 1, len(images)) + b"".join(entries) + b"".join(blobs)


def bmp_bytes(c):
    """24-bit bottom-up BMP of an opaque canvas."""
    px, stride = c.rgba8(), ((c.w * 3 + 3) // 4) * 4
    rows = []
    for y in reversed(range(c.h)):
        row = b"".join(struct.pack("<BBB", b, g, r) for r, g, b, _ in px[y * c.w:(y + 1) * c.w])
        rows.append(row + b"\0" * (stride - len(row)))
    data = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, c.w, c.h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 54) + info + data


# ---------------------------------------------------------------- drawings
# Drawings use a 16-unit grid scaled by k = size / 16, so that edges placed on
# whole units land on pixel boundaries at 16, 32 and 48 px.

WHITE, INK = (255, 255, 255), (28, 28, 32)

DIGITS_3X5 = {
    "0": ["###", "#.#", "#.#", "#.#", "###"],
    "1": [".#.", "##.", ".#.", ".#.", "###"],
    "2": ["###", "..#", "###", "#..", "###"],
    "3": ["###", "..#", ".##", "..#", "###"],
    "4": ["#.#", "#.#", "###", "..#", "..#"],
    "5": ["###", "#..", "###", "..#", "###"],
    "6": ["###", "#..", "###", "#.#", "###"],
    "7": ["###", "..#", "..#", ".#.", ".#."],
    "8": ["###", "#.#", "###", "#.#", "###"],
    "9": ["###", "#.#", "###", "..#", "###"],
}

DIGITS_5X7 = {
    "1": ["..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "2": [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    "3": [".###.", "#...#", "....#", "..##.", "....#", "#...#", ".###."],
    "4": ["...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."],
    "5": ["#####", "#....", "####.", "....#", "....#", "#...#", ".###."],
    "6": ["..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."],
    "7": ["#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."],
    "8": [".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."],
    "9": [".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."],
}

# Tray colours in hue order; odd numbers are circles, even ones rounded
# squares, so neighbours differ in shape as well as colour.
TRAY_COLOURS = [
    ((222, 52, 48), WHITE),    # 1 red
    ((240, 120, 16), WHITE),   # 2 orange
    ((250, 204, 32), INK),     # 3 yellow
    ((150, 206, 52), INK),     # 4 lime
    ((34, 150, 72), WHITE),    # 5 green
    ((0, 140, 132), WHITE),    # 6 teal
    ((40, 196, 232), INK),     # 7 cyan
    ((32, 116, 226), WHITE),   # 8 azure
    ((36, 56, 176), WHITE),    # 9 navy
    ((104, 64, 210), WHITE),   # 10 indigo
    ((156, 72, 214), WHITE),   # 11 violet
    ((176, 36, 150), WHITE),   # 12 plum
    ((236, 64, 140), WHITE),   # 13 pink
    ((250, 150, 130), INK),    # 14 salmon
    ((136, 88, 46), WHITE),    # 15 brown
    ((104, 118, 134), WHITE),  # 16 slate
    ((214, 218, 226), INK),    # 17 silver
]


def glossy(c, outer, inner, base, gloss_box):
    """Dark rim, vertical gradient body and a soft highlight on top."""
    k = c.w / 16.0
    c.fill(outer, mix(base, (0, 0, 0), 0.45))
    c.fill(inner, vgrad(0, mix(base, WHITE, 0.25), 16 * k, mix(base, (0, 0, 0), 0.2)))
    c.fill(inner & Ellipse(*[v * k for v in gloss_box]), WHITE, 0.22)


def tray_icon(n, size):
    c, k = Canvas(size, size), size // 16
    base, fg = TRAY_COLOURS[n - 1]
    if n % 2:
        outer, inner = Circle(8 * k, 8 * k, 8 * k), Circle(8 * k, 8 * k, 7 * k)
    else:
        outer = RoundRect(k, k, 15 * k, 15 * k, 3.5 * k)
        inner = RoundRect(2 * k, 2 * k, 14 * k, 14 * k, 2.5 * k)
    glossy(c, outer, inner, base, (8, 4.5, 6, 3.5))
    shade = mix(base, (0, 0, 0), 0.5) if fg == WHITE else mix(base, WHITE, 0.55)
    text = str(n)
    # A one-unit shadow to the lower right makes each block an even number of
    # units wide and tall, so it sits exactly in the middle of the icon.
    if len(text) == 1:
        glyphs = [(5, 4, DIGITS_5X7[text])]
    else:
        glyphs = [(4, 5, DIGITS_3X5[text[0]]), (8, 5, DIGITS_3X5[text[1]])]
    for dx, colour in ((1, shade), (0, fg)):
        for gx, gy, rows in glyphs:
            c.fill(Cells((gx + dx) * k, (gy + dx) * k, k, rows), colour)
    return c


def splash_icon(size):
    """Information sign: white 'i' on a blue disc."""
    c, k = Canvas(size, size), size / 16.0
    glossy(c, Circle(8 * k, 8 * k, 8 * k), Circle(8 * k, 8 * k, 7 * k), (40, 120, 230),
           (8, 4.5, 6, 3.5))
    shadow = (16, 56, 130)
    for d, colour in ((0.6, shadow), (0.0, WHITE)):
        c.fill(Circle((8 + d) * k, (4.5 + d) * k, 1.3 * k), colour)
        c.fill(Union(Rect((7 + d) * k, (7 + d) * k, (9 + d) * k, (12 + d) * k),
                     Rect((6 + d) * k, (7 + d) * k, (9 + d) * k, (8 + d) * k),
                     Rect((6 + d) * k, (11.5 + d) * k, (10 + d) * k, (12.8 + d) * k)), colour)
    return c


BOLT = [(10.2, 0.6), (4.4, 8.6), (7.6, 8.6), (5.4, 15.4), (13.0, 6.4), (9.6, 6.4), (12.6, 0.6)]


def globe(c, k, cx, cy, r, sea0, sea1, line):
    """A globe: shaded disc with meridians and parallels, drawn at (cx, cy)."""
    c.fill(Circle(cx * k, cy * k, r * k), mix(sea1, (0, 0, 0), 0.35))
    disc = Circle(cx * k, cy * k, (r - 0.8) * k)
    c.fill(disc, vgrad((cy - r) * k, sea0, (cy + r) * k, sea1))
    w = max(1.0, 0.55 * k)
    meridian = (Ellipse(cx * k, cy * k, r * 0.5 * k + w / 2, r * k)
                - Ellipse(cx * k, cy * k, r * 0.5 * k - w / 2, r * k - w))
    grid = Union(
        meridian,
        Rect(cx * k - w / 2, (cy - r) * k, cx * k + w / 2, (cy + r) * k),
        Rect((cx - r) * k, cy * k - w / 2, (cx + r) * k, cy * k + w / 2),
        Rect((cx - r) * k, (cy - r * 0.5) * k - w / 2, (cx + r) * k, (cy - r * 0.5) * k + w / 2),
        Rect((cx - r) * k, (cy + r * 0.5) * k - w / 2, (cx + r) * k, (cy + r * 0.5) * k + w / 2))
    c.fill(disc & grid, line, 0.55)
    c.fill(disc & Ellipse((cx - r * 0.3) * k, (cy - r * 0.45) * k, r * 0.55 * k, r * 0.35 * k),
           WHITE, 0.25)


def app_icon(size):
    """Program icon: a globe struck by a lightning arrow."""
    c, k = Canvas(size, size), size / 16.0
    globe(c, k, 7.4, 8.6, 7.2, (90, 190, 250), (16, 80, 180), (220, 245, 255))
    c.fill(Polygon([(x * k, y * k) for x, y in BOLT], grow=max(1.0, 0.7 * k)), (110, 50, 0))
    c.fill(Polygon([(x * k, y * k) for x, y in BOLT]),
           vgrad(0, (255, 240, 120), 16 * k, (250, 150, 20)))
    return c


def form_icon(size):
    """The creator's icon: three stacked copies of a window."""
    c, k = Canvas(size, size), size / 16.0
    b = max(1, round(0.6 * k))  # frame width in pixels: thin at every size
    bars = [(150, 170, 200), (90, 130, 200), (30, 100, 220)]
    for i, bar in enumerate(bars):
        x0, y0, x1, y1 = 3 * i * k, (1 + 3 * i) * k, (10 + 3 * i) * k, (10 + 3 * i) * k
        c.fill(Rect(x0, y0, x1, y1), (40, 50, 70))
        c.fill(Rect(x0 + b, y0 + b, x1 - b, y0 + 3 * k),
               vgrad(y0 + b, mix(bar, WHITE, 0.3), y0 + 3 * k, bar))
        c.fill(Rect(x0 + b, y0 + 3 * k, x1 - b, y1 - b),
               (250, 250, 252) if i == 2 else (222, 226, 234))
    # Close box on the front window so it reads as a window at 16 px too.
    c.fill(Rect(16 * k - b - k, 7 * k + b, 16 * k - b, 8 * k + b), (230, 70, 60))
    return c


def logo_picture(size=100):
    """The about-box picture: a 'Q' whose bowl is a globe, on a deep gradient."""
    c = Canvas(size, size, background=(0, 0, 0))
    c.fill(Rect(0, 0, size, size), dgrad(size, (18, 36, 92), (0, 150, 160)))
    c.fill(Circle(size * 0.3, size * 0.25, size * 0.45), WHITE, 0.08)
    k = size / 16.0
    globe(c, k, 7.6, 7.4, 5.0, (70, 170, 240), (12, 70, 160), (210, 240, 255))
    ring = Circle(7.6 * k, 7.4 * k, 6.6 * k) - Circle(7.6 * k, 7.4 * k, 5.0 * k)
    c.fill(ring, (8, 20, 50), 0.35)
    c.fill(Circle(7.6 * k, 7.4 * k, 6.4 * k) - Circle(7.6 * k, 7.4 * k, 5.2 * k),
           vgrad(0, (255, 255, 255), size, (190, 215, 235)))
    c.fill(Stroke(10.6 * k, 10.4 * k, 13.6 * k, 13.6 * k, 2.2 * k), (8, 20, 50), 0.35)
    c.fill(Stroke(10.4 * k, 10.2 * k, 13.4 * k, 13.4 * k, 1.6 * k),
           vgrad(10 * k, (255, 236, 120), 14 * k, (250, 150, 20)))
    return c


# ---------------------------------------------------------------- output


def build():
    """All output files as {name: bytes}."""
    files = {}
    for n in range(1, 18):
        files["QVX%d.ico" % n] = ico_bytes([(tray_icon(n, 16), dib_4bpp),
                                            (tray_icon(n, 32), dib_32bpp)])
    # Each icon at the sizes that are shown: the tray and windows take 16 and 32 (the
    # small and large icon at 100 % and 200 %); the window-reuse box loads QVXSPLASH at the
    # large-icon size; Explorer shows the program icons (APPICON, FORMICON) at 48 as well.
    for name, draw, sizes in (("QVXSPLASH", splash_icon, (16, 32)),
                              ("APPICON", app_icon, (16, 32, 48)),
                              ("FORMICON", form_icon, (16, 32, 48))):
        files[name + ".ico"] = ico_bytes([(draw(s), dib_32bpp) for s in sizes])
    files["QUORVEXPIC.bmp"] = bmp_bytes(logo_picture())
    return files


def write_atomically(path, data):
    """Write via a temporary file in the same folder, so no reader sees half a file."""
    fd, tmp = tempfile.mkstemp(prefix=".tmp-", dir=os.path.dirname(path))
    try:
        with os.fdopen(fd, "wb") as f:
            f.write(data)
        os.chmod(tmp, 0o644)  # mkstemp makes 0600; these are ordinary build outputs
        os.replace(tmp, path)
    except BaseException:
        os.unlink(tmp)
        raise


def main(argv):
    if len(argv) != 2 or argv[1].startswith("-"):
        sys.stderr.write("usage: make_images.py OUTDIR\n")
        return 2
    outdir = argv[1]
    try:
        os.makedirs(outdir, exist_ok=True)
        for name, data in sorted(build().items()):
            write_atomically(os.path.join(outdir, name), data)
    except OSError as e:
        sys.stderr.write("make_images.py: cannot write into %s: %s\n" % (outdir, e))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
