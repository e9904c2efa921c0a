"""The program icon (a monitor showing the helmet) and the three small title
bar buttons. These are drawn on the pixel grid: at 16-22 pixels a shape
that straddles pixel boundaries turns to mush."""
from raster import Canvas, clamp01, intersect, mix, polygon, rrect, stops, union
from art_banner import helmet

OUTLINE = (26, 32, 44)

# Geometry per size: bezel and screen boxes, the stand's neck and foot, and
# the helmet centre and size. Chosen by hand so edges land on pixel lines.
APP_LAYOUT = {
    64: dict(bezel=(3, 5, 61, 47, 4), screen=(7, 9, 57, 42, 1.5),
             neck=[(27, 47), (37, 47), (39, 53), (25, 53)], foot=(15, 53, 49, 59, 3),
             helmet=(32, 24.5, 17.5), edge=1.0),
    32: dict(bezel=(2, 3, 30, 23, 2), screen=(4, 5, 28, 20, 0.8),
             neck=[(13, 23), (19, 23), (20, 26), (12, 26)], foot=(7, 26, 25, 29, 1.5),
             helmet=(16, 11.7, 8.8), edge=0.8),
    16: dict(bezel=(1, 1, 15, 11, 1), screen=(2, 2, 14, 10, 0),
             neck=[(7, 11), (9, 11), (9.5, 13), (6.5, 13)], foot=(4, 13, 12, 14, 0.5),
             helmet=(8, 5.4, 4.6), edge=0.6),
}


def app_icon(size):
    L = APP_LAYOUT[size]
    c = Canvas(size, size)
    x0, y0, x1, y1, r = L["bezel"]
    bezel = rrect(x0, y0, x1, y1, r)
    neck = polygon(L["neck"])
    fx0, fy0, fx1, fy1, fr = L["foot"]
    foot = rrect(fx0, fy0, fx1, fy1, fr)
    sx0, sy0, sx1, sy1, sr = L["screen"]
    screen = rrect(sx0, sy0, sx1, sy1, sr)

    # One dark outline round the whole silhouette: the mask cuts the icon
    # with a hard edge, and a dark rim makes that edge look deliberate.
    c.paint(union(bezel, neck, foot).grow(1.0), OUTLINE)
    c.paint(neck, lambda x, y: mix((150, 156, 168), (96, 102, 116), clamp01((y - fy0 + 6) / 6)))
    c.paint(foot, lambda x, y: stops(clamp01((y - fy0) / (fy1 - fy0)),
                                     [(0, (226, 230, 236)), (0.5, (176, 182, 194)), (1, (120, 126, 140))]))
    c.paint(bezel, lambda x, y: stops(clamp01((y - y0) / (y1 - y0)),
                                      [(0, (236, 239, 244)), (0.5, (196, 201, 210)), (1, (150, 156, 168))]))
    if size >= 32:
        c.paint(screen.grow(1.0), (60, 66, 80))
    c.paint(screen, lambda x, y: stops(clamp01((y - sy0) / (sy1 - sy0)),
                                       [(0, (84, 164, 240)), (0.6, (36, 104, 210)), (1, (18, 66, 168))]))
    # Diagonal reflection across the upper left of the glass.
    w = sx1 - sx0
    glare = polygon([(sx0, sy0), (sx0 + w * 0.62, sy0), (sx0 + w * 0.30, sy1), (sx0, sy1)])
    c.paint(intersect(screen, glare), (255, 255, 255, 0.16))
    hx, hy, hs = L["helmet"]
    helmet(c, hx, hy, hs, edge=L["edge"])
    if size >= 32:
        # Power light on the bezel's chin.
        c.paint(rrect(x1 - 4 * size / 32 - 1.5, y1 - 2.4 * size / 32 - 0.8,
                      x1 - 4 * size / 32 + 0.5, y1 - 2.4 * size / 32 + 0.4, 0.3), (60, 210, 90))
    return c


def to_hard_edge(c):
    """Rows for a 24-bit icon: opaque where coverage >= 1/2, and edge pixels
    finished over the outline colour rather than over whatever lies beneath."""
    rows = []
    for y in range(c.h):
        row = []
        for x in range(c.w):
            i = y * c.w + x
            a = c.a[i]
            if a < 0.5:
                row.append((0, 0, 0, 0))
                continue
            k = 1 - a
            row.append((_b(c.r[i] + OUTLINE[0] * k), _b(c.g[i] + OUTLINE[1] * k),
                        _b(c.b[i] + OUTLINE[2] * k), 255))
        rows.append(row)
    return rows


def _b(v):
    return max(0, min(255, int(v + 0.5)))


# ---- title bar buttons -----------------------------------------------------------------

WHITE = (255, 255, 255)
SHADOW = (0, 16, 48)


def _glyph(c, shape):
    # A faint shadow one pixel down keeps the glyph a shape when greyed out.
    c.paint(shape.move(0, 1).grow(0.5), SHADOW, alpha=0.35)
    c.paint(shape, WHITE)


def button_menu():
    c = Canvas(22, 18)
    _glyph(c, union(rrect(6, 4, 16, 6, 0.4), polygon([(6, 8), (16, 8), (12, 13), (10, 13)])))
    return c


def button_minimize():
    c = Canvas(22, 18)
    _glyph(c, rrect(6, 11, 16, 13, 0.4))
    return c


CLOSE_FILL = (255, 214, 0)


def button_exit():
    """A 24-bit icon has no alpha, so the X is chosen pixel by pixel: each
    stroke is a three pixel staircase, symmetric, with no blended edge pixels
    that would look dirty against a background they were not made for."""
    w, h = 18, 16
    rows = [[(0, 0, 0, 0)] * w for _ in range(h)]
    x0, y0, n = 4, 3, 10          # strokes run over a 10 x 10 square
    for k in range(n):
        for dx in (-1, 0, 1):
            for x in (x0 + k + dx, x0 + n - 1 - k + dx):
                if x0 <= x < x0 + n:
                    rows[y0 + k][x] = CLOSE_FILL + (255,)
    return rows
