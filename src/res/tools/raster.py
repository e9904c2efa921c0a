"""A small anti-aliased rasteriser built on signed distance fields.

Every shape is a Shape: a distance function (negative inside, in pixels)
plus a bounding box, so painting only visits the pixels a shape can touch.
Coverage of a pixel is taken from the distance at its centre, which gives
smooth one-pixel-wide edges without supersampling.
"""
import math


class Shape:
    __slots__ = ("f", "box")

    def __init__(self, f, box):
        self.f = f
        self.box = box  # (x0, y0, x1, y1), may be loose but never too small

    def __call__(self, x, y):
        return self.f(x, y)

    def grow(self, k):
        """Offset outwards by k pixels (negative k shrinks)."""
        f = self.f
        x0, y0, x1, y1 = self.box
        m = max(k, 0)
        return Shape(lambda x, y: f(x, y) - k, (x0 - m, y0 - m, x1 + m, y1 + m))

    def move(self, dx, dy):
        f = self.f
        x0, y0, x1, y1 = self.box
        return Shape(lambda x, y: f(x - dx, y - dy), (x0 + dx, y0 + dy, x1 + dx, y1 + dy))

    def __or__(self, other):
        return union(self, other)

    def __and__(self, other):
        return intersect(self, other)

    def __sub__(self, other):
        return subtract(self, other)


INF_BOX = (-1e9, -1e9, 1e9, 1e9)


def union(*shapes):
    fs = [s.f for s in shapes]
    box = (min(s.box[0] for s in shapes), min(s.box[1] for s in shapes),
           max(s.box[2] for s in shapes), max(s.box[3] for s in shapes))
    if len(fs) == 2:
        a, b = fs
        return Shape(lambda x, y: min(a(x, y), b(x, y)), box)
    return Shape(lambda x, y: min(g(x, y) for g in fs), box)


def intersect(a, b):
    fa, fb = a.f, b.f
    box = (max(a.box[0], b.box[0]), max(a.box[1], b.box[1]),
           min(a.box[2], b.box[2]), min(a.box[3], b.box[3]))
    return Shape(lambda x, y: max(fa(x, y), fb(x, y)), box)


def subtract(a, b):
    fa, fb = a.f, b.f
    return Shape(lambda x, y: max(fa(x, y), -fb(x, y)), a.box)


# ---- primitives -----------------------------------------------------------

def circle(cx, cy, r):
    return Shape(lambda x, y: math.hypot(x - cx, y - cy) - r, (cx - r, cy - r, cx + r, cy + r))


def rrect(x0, y0, x1, y1, r=0.0):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r

    def f(x, y):
        qx = abs(x - cx) - hx
        qy = abs(y - cy) - hy
        return math.hypot(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0) - r
    return Shape(f, (x0, y0, x1, y1))


def ellipse(cx, cy, rx, ry):
    # Close to exact near the outline, which is all anti-aliasing needs.
    def f(x, y):
        px, py = (x - cx) / rx, (y - cy) / ry
        k0 = math.hypot(px, py)
        if k0 < 1e-9:
            return -min(rx, ry)
        k1 = math.hypot(px / rx, py / ry)
        return k0 * (k0 - 1.0) / k1
    return Shape(f, (cx - rx, cy - ry, cx + rx, cy + ry))


def _seg_dist(x, y, ax, ay, bx, by):
    px, py = x - ax, y - ay
    dx, dy = bx - ax, by - ay
    ll = dx * dx + dy * dy
    t = 0.0 if ll == 0 else max(0.0, min(1.0, (px * dx + py * dy) / ll))
    return math.hypot(px - dx * t, py - dy * t)


def capsule(ax, ay, bx, by, r):
    return Shape(lambda x, y: _seg_dist(x, y, ax, ay, bx, by) - r,
                 (min(ax, bx) - r, min(ay, by) - r, max(ax, bx) + r, max(ay, by) + r))


def polyline(points, r):
    return union(*[capsule(*points[i], *points[i + 1], r) for i in range(len(points) - 1)])


def polygon(points):
    pts = list(points)
    n = len(pts)

    def f(x, y):
        d = float("inf")
        inside = False
        j = n - 1
        for i in range(n):
            xi, yi = pts[i]
            xj, yj = pts[j]
            d = min(d, _seg_dist(x, y, xj, yj, xi, yi))
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                inside = not inside
            j = i
        return -d if inside else d
    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    return Shape(f, (min(xs), min(ys), max(xs), max(ys)))


def arc(cx, cy, r, a0, a1, w):
    """Stroke of half-width w along a circle, from angle a0 to a1 (degrees,
    counter-clockwise with y pointing up, as on paper), with round caps."""
    a0r, a1r = math.radians(a0), math.radians(a1)
    span = (a1r - a0r) % (2 * math.pi)
    e0 = (cx + r * math.cos(a0r), cy - r * math.sin(a0r))
    e1 = (cx + r * math.cos(a1r), cy - r * math.sin(a1r))

    def f(x, y):
        dx, dy = x - cx, cy - y
        ang = (math.atan2(dy, dx) - a0r) % (2 * math.pi)
        if ang <= span:
            return abs(math.hypot(dx, dy) - r) - w
        return min(math.hypot(x - e0[0], y - e0[1]), math.hypot(x - e1[0], y - e1[1])) - w
    R = r + w
    return Shape(f, (cx - R, cy - R, cx + R, cy + R))


def halfplane(nx, ny, c):
    """Inside where nx*x + ny*y < c (n need not be unit)."""
    l = math.hypot(nx, ny)
    nx, ny, c = nx / l, ny / l, c / l
    return Shape(lambda x, y: nx * x + ny * y - c, INF_BOX)


def frame(shape_local, cx, cy, deg):
    """Place a Shape given in local (u, v) coordinates, rotated by deg about (cx, cy)."""
    a = math.radians(deg)
    ca, sa = math.cos(a), math.sin(a)
    lf = shape_local.f

    def f(x, y):
        dx, dy = x - cx, y - cy
        return lf(dx * ca + dy * sa, -dx * sa + dy * ca)
    x0, y0, x1, y1 = shape_local.box
    corners = [(u * ca - v * sa + cx, u * sa + v * ca + cy)
               for u in (x0, x1) for v in (y0, y1)]
    return Shape(f, (min(p[0] for p in corners), min(p[1] for p in corners),
                     max(p[0] for p in corners), max(p[1] for p in corners)))


# ---- colour helpers -----------------------------------------------------------

def clamp01(t):
    return 0.0 if t < 0 else 1.0 if t > 1 else t


def smoothstep(e0, e1, t):
    t = clamp01((t - e0) / (e1 - e0))
    return t * t * (3 - 2 * t)


def mix(c0, c1, t):
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


def vgrad(y0, c0, y1, c1):
    """Paint that runs from colour c0 at row y0 to c1 at row y1."""
    def paint(x, y):
        return mix(c0, c1, clamp01((y - y0) / (y1 - y0)))
    return paint


def stops(t, table):
    """Piecewise-linear colour ramp: table is [(t, colour), ...] sorted by t."""
    if t <= table[0][0]:
        return table[0][1]
    for (t0, c0), (t1, c1) in zip(table, table[1:]):
        if t <= t1:
            return mix(c0, c1, (t - t0) / (t1 - t0))
    return table[-1][1]


# ---- canvas ------------------------------------------------------------------------

class Canvas:
    """RGBA image, premultiplied floats (colour 0..255, alpha 0..1)."""

    def __init__(self, w, h, fill=None):
        self.w, self.h = w, h
        n = w * h
        if fill is None:
            self.r = [0.0] * n
            self.g = [0.0] * n
            self.b = [0.0] * n
            self.a = [0.0] * n
        else:
            self.r = [float(fill[0])] * n
            self.g = [float(fill[1])] * n
            self.b = [float(fill[2])] * n
            self.a = [1.0] * n

    def paint(self, shape, color, alpha=1.0, soft=0.0, clip=None, box=None):
        """Composite colour over the image wherever shape covers it.

        color is an (r, g, b) or (r, g, b, a) tuple or a function of (x, y)
        returning one. soft > 0 blurs the edge over +-soft pixels (shadows,
        glows). clip, a Shape, limits the paint to its inside."""
        bx = box or shape.box
        if clip is not None:
            cb = clip.box
            bx = (max(bx[0], cb[0]), max(bx[1], cb[1]), min(bx[2], cb[2]), min(bx[3], cb[3]))
        pad = soft + 1
        x0 = max(0, int(math.floor(bx[0] - pad)))
        y0 = max(0, int(math.floor(bx[1] - pad)))
        x1 = min(self.w, int(math.ceil(bx[2] + pad)) + 1)
        y1 = min(self.h, int(math.ceil(bx[3] + pad)) + 1)
        f = shape.f
        cf = clip.f if clip is not None else None
        const = None if callable(color) else color
        R, G, B, A = self.r, self.g, self.b, self.a
        for y in range(y0, y1):
            py = y + 0.5
            row = y * self.w
            for x in range(x0, x1):
                px = x + 0.5
                d = f(px, py)
                if soft > 0:
                    if d >= soft:
                        continue
                    cov = 1.0 - smoothstep(-soft, soft, d)
                else:
                    if d >= 0.5:
                        continue
                    cov = 0.5 - d
                    if cov > 1.0:
                        cov = 1.0
                if cf is not None:
                    cd = cf(px, py)
                    if cd >= 0.5:
                        continue
                    if cd > -0.5:
                        cov *= 0.5 - cd
                c = const if const is not None else color(px, py)
                a = cov * alpha * (c[3] if len(c) > 3 else 1.0)
                if a <= 0:
                    continue
                i = row + x
                k = 1.0 - a
                R[i] = c[0] * a + R[i] * k
                G[i] = c[1] * a + G[i] * k
                B[i] = c[2] * a + B[i] * k
                A[i] = a + A[i] * k

    def pixel(self, x, y):
        """Straight (non-premultiplied) RGBA as 0..255 integers."""
        i = y * self.w + x
        a = self.a[i]
        if a <= 0:
            return (0, 0, 0, 0)
        return (_byte(self.r[i] / a), _byte(self.g[i] / a), _byte(self.b[i] / a), _byte(a * 255))

    def set_pixel(self, x, y, rgb, a=1.0):
        i = y * self.w + x
        self.r[i], self.g[i], self.b[i], self.a[i] = rgb[0] * a, rgb[1] * a, rgb[2] * a, a

    def rows(self):
        return [[self.pixel(x, y) for x in range(self.w)] for y in range(self.h)]


def _byte(v):
    v = int(v + 0.5)
    return 0 if v < 0 else 255 if v > 255 else v
