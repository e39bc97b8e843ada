"""A small RGB raster for the skin art: filled shapes with anti-aliased
edges, gradients, a deterministic texture noise, a 5x7 pixel font and a
24-bit BMP writer. Standard library only, and no randomness that is not
derived from pixel coordinates, so the same sources always give the same
bytes."""

import math
import struct

Color = tuple  # (r, g, b), 0..255
TILE_MARGIN = 6.0  # more than half a tile's diagonal plus half a pixel


def mix(a, b, t):
    """Colour a moved by t (0..1) toward b."""
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t)


def shade(c, d):
    return (c[0] + d, c[1] + d, c[2] + d)


def clamp8(v):
    v = int(round(v))
    return 0 if v < 0 else 255 if v > 255 else v


def noise(x, y, seed=0):
    """Integer hash of a pixel position, 0..1023."""
    h = (x * 374761393 + y * 668265263 + seed * 2246822519) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    return (h ^ (h >> 16)) & 1023


class Canvas:
    def __init__(self, w, h, fill=(0, 0, 0)):
        self.w, self.h = w, h
        self.px = [list(map(float, fill)) for _ in range(w * h)]

    # -- plain pixels ---------------------------------------------------
    def get(self, x, y):
        return tuple(self.px[y * self.w + x])

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y * self.w + x] = [float(c[0]), float(c[1]), float(c[2])]

    def blend(self, x, y, c, a):
        if a <= 0 or not (0 <= x < self.w and 0 <= y < self.h):
            return
        p = self.px[y * self.w + x]
        if a >= 1:
            p[0], p[1], p[2] = c[0], c[1], c[2]
        else:
            p[0] += (c[0] - p[0]) * a
            p[1] += (c[1] - p[1]) * a
            p[2] += (c[2] - p[2]) * a

    def rect(self, x0, y0, x1, y1, paint, a=1.0):
        """Fills [x0, x1) x [y0, y1); paint is a colour or f(x, y) -> colour."""
        fn = paint if callable(paint) else None
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                self.blend(x, y, fn(x, y) if fn else paint, a)

    def hline(self, x0, x1, y, c, a=1.0):
        self.rect(x0, y, x1, y + 1, c, a)

    def vline(self, x, y0, y1, c, a=1.0):
        self.rect(x, y0, x + 1, y1, c, a)

    def blit(self, src, dx, dy):
        for y in range(src.h):
            for x in range(src.w):
                self.set(dx + x, dy + y, src.get(x, y))

    def crop(self, x0, y0, w, h):
        out = Canvas(w, h)
        for y in range(h):
            for x in range(w):
                out.set(x, y, self.get(x0 + x, y0 + y))
        return out

    # -- shapes ---------------------------------------------------------
    def _tiles(self, sdf, bbox):
        """Walks the box in 8 x 8 tiles. Every distance used here grows by
        at most one per pixel, so a tile whose centre lies more than
        TILE_MARGIN inside or outside is wholly inside or outside; only
        tiles on the edge are looked at pixel by pixel. Yields (x0, y0,
        x1, y1, state) with state -1 inside, 1 outside, 0 mixed."""
        x0, y0, x1, y1 = bbox
        bx0, by0 = max(0, int(x0) - 1), max(0, int(y0) - 1)
        bx1, by1 = min(self.w, int(math.ceil(x1)) + 1), min(self.h, int(math.ceil(y1)) + 1)
        for ty in range(by0, by1, 8):
            for tx in range(bx0, bx1, 8):
                ex, ey = min(tx + 8, bx1), min(ty + 8, by1)
                d = sdf((tx + ex) / 2.0, (ty + ey) / 2.0)
                state = -1 if d < -TILE_MARGIN else 1 if d > TILE_MARGIN else 0
                yield tx, ty, ex, ey, state

    def shape(self, sdf, bbox, paint, a=1.0, aa=True):
        """Paints where the signed distance sdf(px, py) (pixel centres) is
        negative, with one pixel of anti-aliasing along the edge."""
        fn = paint if callable(paint) else None
        for tx, ty, ex, ey, state in self._tiles(sdf, bbox):
            if state > 0:
                continue
            for y in range(ty, ey):
                for x in range(tx, ex):
                    if state < 0:
                        cov = 1.0
                    else:
                        d = sdf(x + 0.5, y + 0.5)
                        cov = 0.5 - d if aa else (1.0 if d <= 0 else 0.0)
                        if cov <= 0:
                            continue
                    self.blend(x, y, fn(x, y) if fn else paint, a * min(cov, 1.0))

    def rrect(self, x0, y0, x1, y1, r, paint, a=1.0, aa=True):
        self.shape(sdf_rrect(x0, y0, x1, y1, r), (x0, y0, x1, y1), paint, a, aa)

    def poly(self, pts, paint, a=1.0, aa=True):
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        self.shape(sdf_convex(pts), (min(xs), min(ys), max(xs), max(ys)), paint, a, aa)

    def circle(self, cx, cy, r, paint, a=1.0):
        self.shape(lambda x, y: math.hypot(x - cx, y - cy) - r, (cx - r, cy - r, cx + r, cy + r), paint, a)

    def ring(self, cx, cy, r0, r1, paint, a=1.0, arc=None):
        """Annulus between radii r0 < r1; arc = (start, end) in degrees,
        0 at the top, clockwise, limits it to a sector."""
        def sdf(x, y):
            d = math.hypot(x - cx, y - cy)
            dist = max(r0 - d, d - r1)
            if arc is not None:
                ang = math.degrees(math.atan2(x - cx, cy - y)) % 360
                s, e = arc
                inside = s <= ang <= e if s <= e else (ang >= s or ang <= e)
                if not inside:
                    return 1.0
            return dist
        self.shape(sdf, (cx - r1, cy - r1, cx + r1, cy + r1), paint, a)

    def line(self, x0, y0, x1, y1, width, paint, a=1.0):
        r = width / 2.0

        def sdf(x, y):
            dx, dy = x1 - x0, y1 - y0
            t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy or 1)))
            return math.hypot(x - (x0 + t * dx), y - (y0 + t * dy)) - r
        self.shape(sdf, (min(x0, x1) - r, min(y0, y1) - r, max(x0, x1) + r, max(y0, y1) + r), paint, a)

    # -- window outlines ------------------------------------------------
    def cut_to(self, sdf, key, edge):
        """Everything outside the shape becomes exactly the key colour. The
        outline pixels are blended toward `edge` instead of toward the key,
        so no near-key colour survives to fringe the shaped window."""
        for tx, ty, ex, ey, state in self._tiles(sdf, (0, 0, self.w, self.h)):
            if state < 0:
                continue
            for y in range(ty, ey):
                for x in range(tx, ex):
                    cov = 0.0 if state > 0 else 0.5 - sdf(x + 0.5, y + 0.5)
                    if cov < 0.5:
                        self.set(x, y, key)
                    elif cov < 1.0:
                        self.blend(x, y, edge, (1.0 - cov) * 1.4)

    # -- text -----------------------------------------------------------
    def text(self, x, y, s, paint, scale=1, a=1.0, spacing=1):
        fn = paint if callable(paint) else None
        cx = x
        for ch in s:
            rows = FONT.get(ch.upper(), FONT['?'])
            for ry, row in enumerate(rows):
                for rx, bit in enumerate(row):
                    if bit != '#':
                        continue
                    for sy in range(scale):
                        for sx in range(scale):
                            px, py = cx + rx * scale + sx, y + ry * scale + sy
                            self.blend(px, py, fn(px, py) if fn else paint, a)
            cx += (len(rows[0]) + spacing) * scale
        return cx

    # -- output ---------------------------------------------------------
    def bmp(self):
        """Windows BMP, BITMAPINFOHEADER, 24 bits per pixel, BI_RGB,
        bottom-up rows padded to four bytes."""
        stride = (self.w * 3 + 3) & ~3
        pad = bytes(stride - self.w * 3)
        body = bytearray()
        for y in range(self.h - 1, -1, -1):
            row = self.px[y * self.w:(y + 1) * self.w]
            for p in row:
                body += bytes((clamp8(p[2]), clamp8(p[1]), clamp8(p[0])))
            body += pad
        header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(body), 0, 0, 14 + 40)
        info = struct.pack('<IiiHHIIiiII', 40, self.w, self.h, 1, 24, 0, len(body), 2835, 2835, 0, 0)
        return header + info + bytes(body)


def text_width(s, scale=1, spacing=1):
    return sum((len(FONT.get(ch.upper(), FONT['?'])[0]) + spacing) * scale for ch in s) - spacing * scale


def sdf_rrect(x0, y0, x1, y1, r):
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hx, hy = (x1 - x0) / 2.0 - r, (y1 - y0) / 2.0 - r

    def sdf(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        return math.hypot(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0) - r
    return sdf


def sdf_convex(pts):
    """Signed distance to a convex polygon (exact inside, close outside)."""
    n = len(pts)
    area = sum(pts[i][0] * pts[(i + 1) % n][1] - pts[(i + 1) % n][0] * pts[i][1] for i in range(n))
    sign = 1.0 if area > 0 else -1.0
    edges = []
    for i in range(n):
        ax, ay = pts[i]
        bx, by = pts[(i + 1) % n]
        ex, ey = bx - ax, by - ay
        length = math.hypot(ex, ey)
        # outward normal for either winding
        nx, ny = ey / length * sign, -ex / length * sign
        edges.append((ax, ay, nx, ny))

    def sdf(x, y):
        return max((x - ax) * nx + (y - ay) * ny for ax, ay, nx, ny in edges)
    return sdf


def vgrad(y0, y1, c0, c1):
    span = max(1.0, float(y1 - y0 - 1))
    return lambda x, y: mix(c0, c1, min(1.0, max(0.0, (y - y0) / span)))


def hgrad(x0, x1, c0, c1):
    span = max(1.0, float(x1 - x0 - 1))
    return lambda x, y: mix(c0, c1, min(1.0, max(0.0, (x - x0) / span)))


# 5x7 capitals, digits and the few signs the captions use.
_GLYPHS = """
A .###. #...# #...# ##### #...# #...# #...#
B ####. #...# #...# ####. #...# #...# ####.
C .###. #...# #.... #.... #.... #...# .###.
D ####. #...# #...# #...# #...# #...# ####.
E ##### #.... #.... ####. #.... #.... #####
F ##### #.... #.... ####. #.... #.... #....
G .###. #...# #.... #.### #...# #...# .####
H #...# #...# #...# ##### #...# #...# #...#
I ###. .#.. .#.. .#.. .#.. .#.. ###.
J ..### ...#. ...#. ...#. ...#. #..#. .##..
K #...# #..#. #.#.. ##... #.#.. #..#. #...#
L #.... #.... #.... #.... #.... #.... #####
M #...# ##.## #.#.# #.#.# #...# #...# #...#
N #...# #...# ##..# #.#.# #..## #...# #...#
O .###. #...# #...# #...# #...# #...# .###.
P ####. #...# #...# ####. #.... #.... #....
Q .###. #...# #...# #...# #.#.# #..#. .##.#
R ####. #...# #...# ####. #.#.. #..#. #...#
S .#### #.... #.... .###. ....# ....# ####.
T ##### ..#.. ..#.. ..#.. ..#.. ..#.. ..#..
U #...# #...# #...# #...# #...# #...# .###.
V #...# #...# #...# #...# #...# .#.#. ..#..
W #...# #...# #...# #.#.# #.#.# #.#.# .#.#.
X #...# #...# .#.#. ..#.. .#.#. #...# #...#
Y #...# #...# .#.#. ..#.. ..#.. ..#.. ..#..
Z ##### ....# ...#. ..#.. .#... #.... #####
0 .###. #...# #..## #.#.# ##..# #...# .###.
1 ..#.. .##.. ..#.. ..#.. ..#.. ..#.. .###.
2 .###. #...# ....# ...#. ..#.. .#... #####
3 ##### ...#. ..#.. ...#. ....# #...# .###.
4 ...#. ..##. .#.#. #..#. ##### ...#. ...#.
5 ##### #.... ####. ....# ....# #...# .###.
6 ..##. .#... #.... ####. #...# #...# .###.
7 ##### ....# ...#. ..#.. .#... .#... .#...
8 .###. #...# #...# .###. #...# #...# .###.
9 .###. #...# #...# .#### ....# ...#. .##..
? .###. #...# ....# ...#. ..#.. ..... ..#..
. .. .. .. .. .. .. #.
: .. #. .. .. .. #. ..
- ..... ..... ..... ##### ..... ..... .....
+ ..... ..#.. ..#.. ##### ..#.. ..#.. .....
/ ....# ...#. ...#. ..#.. .#... .#... #....
% ##..# ##..# ...#. ..#.. .#... #..## #..##
o ###. #.#. ###. .... .... .... ....
_ ..... ..... ..... ..... ..... ..... #####
"""

FONT = {}
for _line in _GLYPHS.strip().splitlines():
    _k, *_rows = _line.split()
    FONT[_k] = _rows
FONT[' '] = ['...'] * 7
