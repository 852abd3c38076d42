"""Drawing for the program's artwork: shapes as signed distance functions in
pixel coordinates, painted onto an RGBA canvas either smoothly (the splash
picture) or with hard edges (the 16-colour icons). Standard library only."""

import math


class Shape:
    """A signed distance function (negative inside) with a bounding box."""

    def __init__(self, fn, box):
        self.fn = fn
        self.box = box  # (x0, y0, x1, y1), inclusive-exclusive in pixels

    def __call__(self, x, y):
        return self.fn(x, y)

    def grow(self, d):
        """The shape with its edge moved outwards by d pixels."""
        f = self.fn
        x0, y0, x1, y1 = self.box
        return Shape(lambda x, y: f(x, y) - d, (x0 - d, y0 - d, x1 + d, y1 + d))

    def moved(self, dx, dy):
        f = self.fn
        x0, y0, x1, y1 = self.box
        return Shape(lambda x, y: f(x - dx, y - dy), (x0 + dx, y0 + dy, x1 + dx, y1 + dy))

    def minus(self, other):
        f, g = self.fn, other.fn
        return Shape(lambda x, y: max(f(x, y), -g(x, y)), self.box)

    def within(self, other):
        f, g = self.fn, other.fn
        return Shape(lambda x, y: max(f(x, y), g(x, y)), self.box)


def _merge_boxes(shapes):
    return (min(s.box[0] for s in shapes), min(s.box[1] for s in shapes),
            max(s.box[2] for s in shapes), max(s.box[3] for s in shapes))


def union(*shapes):
    fns = [s.fn for s in shapes]
    return Shape(lambda x, y: min(f(x, y) for f in fns), _merge_boxes(shapes))


def smooth_union(shapes, k):
    """Union that rounds the inner corners where shapes meet (k pixels)."""
    fns = [s.fn for s in shapes]

    def fn(x, y):
        d = fns[0](x, y)
        for f in fns[1:]:
            e = f(x, y)
            h = max(k - abs(d - e), 0.0) / k
            d = min(d, e) - h * h * k * 0.25
        return d

    return Shape(fn, _merge_boxes(shapes))


def circle(cx, cy, r):
    return Shape(lambda x, y: math.hypot(x - cx, y - cy) - r, (cx - r, cy - r, cx + r, cy + r))


def ellipse(cx, cy, rx, ry):
    m = min(rx, ry)
    return Shape(lambda x, y: (math.hypot((x - cx) / rx, (y - cy) / ry) - 1.0) * m,
                 (cx - rx, cy - ry, cx + rx, cy + ry))


def box(cx, cy, hw, hh, r=0.0):
    """A rectangle of half sizes hw, hh centred on (cx, cy), corners rounded by r."""
    def fn(x, y):
        dx = abs(x - cx) - (hw - r)
        dy = abs(y - cy) - (hh - r)
        return math.hypot(max(dx, 0.0), max(dy, 0.0)) + min(max(dx, dy), 0.0) - r
    return Shape(fn, (cx - hw, cy - hh, cx + hw, cy + hh))


def rect(x0, y0, x1, y1, r=0.0):
    return box((x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2, (y1 - y0) / 2, r)


def capsule(ax, ay, bx, by, r):
    """A thick line from a to b with round ends."""
    vx, vy = bx - ax, by - ay
    ll = vx * vx + vy * vy or 1e-9

    def fn(x, y):
        t = max(0.0, min(1.0, ((x - ax) * vx + (y - ay) * vy) / ll))
        return math.hypot(x - ax - vx * t, y - ay - vy * t) - r

    return Shape(fn, (min(ax, bx) - r, min(ay, by) - r, max(ax, bx) + r, max(ay, by) + r))


def polyline(points, r):
    return union(*[capsule(*points[i], *points[i + 1], r) for i in range(len(points) - 1)])


def polygon(points):
    """A filled polygon (any simple outline)."""
    pts = list(points)
    n = len(pts)

    def fn(x, y):
        d = float("inf")
        inside = False
        for i in range(n):
            ax, ay = pts[i]
            bx, by = pts[i - 1]
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            ll = ex * ex + ey * ey or 1e-9
            t = max(0.0, min(1.0, (wx * ex + wy * ey) / ll))
            d = min(d, math.hypot(wx - ex * t, wy - ey * t))
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / (ey or 1e-9):
                inside = not inside
        return -d if inside else d

    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    return Shape(fn, (min(xs), min(ys), max(xs), max(ys)))


def bezier(p0, p1, p2, p3, steps=40):
    """Points along a cubic curve."""
    out = []
    for i in range(steps + 1):
        t = i / steps
        u = 1 - t
        out.append(tuple(u * u * u * a + 3 * u * u * t * b + 3 * u * t * t * c + t * t * t * d
                         for a, b, c, d in zip(p0, p1, p2, p3)))
    return out


class Canvas:
    """RGBA pixels in 0..255 floats. `hard` paints whole pixels only: a pixel
    whose centre lies inside a shape takes its colour, nothing is blended."""

    def __init__(self, width, height, background=None, hard=False):
        self.width = width
        self.height = height
        self.hard = hard
        fill = list(background) + [255.0] if background else [0.0, 0.0, 0.0, 0.0]
        self.px = [[list(fill) for _ in range(width)] for _ in range(height)]

    def fill(self, shape, colour, alpha=1.0, soft=1.0):
        """Paints `shape` in `colour` (an (r, g, b) or a function of x, y).
        `soft` is the width of the smoothed edge in pixels (larger: blurred)."""
        x0, y0, x1, y1 = shape.box
        pad = soft + 1
        xa = max(0, int(math.floor(x0 - pad)))
        ya = max(0, int(math.floor(y0 - pad)))
        xb = min(self.width, int(math.ceil(x1 + pad)) + 1)
        yb = min(self.height, int(math.ceil(y1 + pad)) + 1)
        colour_at = colour if callable(colour) else (lambda _x, _y: colour)
        for y in range(ya, yb):
            row = self.px[y]
            cy = y + 0.5
            for x in range(xa, xb):
                cx = x + 0.5
                d = shape(cx, cy)
                if self.hard:
                    if d > 0:
                        continue
                    r, g, b = colour_at(cx, cy)
                    row[x] = [r, g, b, 255.0]
                    continue
                cov = 0.5 - d / soft
                if cov <= 0:
                    continue
                a = min(cov, 1.0) * alpha
                r, g, b = colour_at(cx, cy)
                p = row[x]
                keep = 1 - a
                out_a = a + p[3] / 255.0 * keep
                if out_a <= 0:
                    continue
                wa = a / out_a
                wp = 1 - wa
                row[x] = [r * wa + p[0] * wp, g * wa + p[1] * wp, b * wa + p[2] * wp, out_a * 255.0]

    def gradient(self, top, bottom):
        """Fills the whole canvas with a vertical blend (opaque)."""
        for y in range(self.height):
            t = y / max(1, self.height - 1)
            c = [top[i] + (bottom[i] - top[i]) * t for i in range(3)]
            for x in range(self.width):
                self.px[y][x] = [c[0], c[1], c[2], 255.0]

    def rgb_rows(self):
        """Rows of (r, g, b) byte triples, top row first."""
        return [[tuple(max(0, min(255, int(round(v)))) for v in p[:3]) for p in row]
                for row in self.px]

    def opaque_rows(self):
        """Rows of booleans: whether each pixel is (mostly) covered."""
        return [[p[3] >= 128 for p in row] for row in self.px]


def vertical(top, bottom, y0, y1):
    """A colour function blending from `top` at y0 to `bottom` at y1."""
    def fn(_x, y):
        t = max(0.0, min(1.0, (y - y0) / ((y1 - y0) or 1)))
        return tuple(top[i] + (bottom[i] - top[i]) * t for i in range(3))
    return fn


def lighter(c, f):
    return tuple(v + (255 - v) * f for v in c)


def darker(c, f):
    return tuple(v * (1 - f) for v in c)
