"""The title banner (440 x 68), the publisher strip (440 x 28) and the safety
helmet they share with the program icon."""
import math

from raster import (Canvas, circle, clamp01, ellipse, halfplane, intersect, mix, rrect,
                    smoothstep, stops)
import worldmap

HELMET_EDGE = (96, 56, 0)


def helmet(c, cx, cy, s, edge=1.0):
    """A front-facing safety helmet s pixels from centre to brim tip.

    edge is the outline width; the dome is lit from the upper left."""
    brim_y = cy + 0.30 * s
    dome = intersect(ellipse(cx, brim_y, 0.74 * s, 0.96 * s), halfplane(0, 1, brim_y + 0.02 * s))
    brim = ellipse(cx, brim_y + 0.02 * s, 1.0 * s, 0.19 * s)
    ridge = intersect(rrect(cx - 0.15 * s, brim_y - 1.0 * s, cx + 0.15 * s, brim_y, 0.05 * s),
                      dome.grow(-max(0.6, 0.06 * s)))
    c.paint((dome | brim).grow(edge), HELMET_EDGE)

    hx, hy = cx - 0.32 * s, brim_y - 0.62 * s

    def dome_paint(x, y):
        t = clamp01(math.hypot(x - hx, (y - hy) * 1.1) / (1.25 * s))
        return stops(t, [(0.0, (255, 248, 190)), (0.3, (255, 222, 50)), (0.75, (246, 180, 0)),
                         (1.0, (200, 128, 0))])
    c.paint(dome, dome_paint)

    def ridge_paint(x, y):
        t = clamp01((y - (brim_y - 0.9 * s)) / (0.9 * s))
        return mix((255, 250, 205), (250, 196, 20), t)
    if s >= 6:
        # A groove either side of the ridge, then the raised ridge itself.
        c.paint(ridge.grow(max(0.5, 0.05 * s)), (214, 140, 0, 0.8))
        c.paint(ridge, ridge_paint)

    def brim_paint(x, y):
        t = clamp01((y - (brim_y - 0.17 * s)) / (0.38 * s))
        return stops(t, [(0.0, (255, 236, 120)), (0.45, (250, 196, 10)), (1.0, (196, 120, 0))])
    c.paint(brim, brim_paint)
    # The dome's shadow falling on the brim keeps dome and brim apart.
    c.paint(intersect(brim, ellipse(cx, brim_y - 0.05 * s, 0.74 * s, 0.14 * s)),
            (170, 100, 0, 0.55), clip=halfplane(0, -1, -brim_y))


# ---- banner -----------------------------------------------------------------------------

BANNER_W, BANNER_H = 440, 68
VISIBLE_H = 66


def _banner_background(x, y):
    # Across: a lively blue behind the helmet and title, settling into a deep
    # navy on the right where the white controls sit.
    tx = x / BANNER_W
    base = stops(tx, [(0.0, (38, 124, 222)), (0.35, (24, 96, 200)), (0.72, (14, 66, 162)),
                      (1.0, (8, 46, 128))])
    # Down: a soft sheen on the upper half, darker towards the bottom edge.
    ty = y / VISIBLE_H
    lift = 26 * (1 - smoothstep(0.0, 0.55, ty)) - 18 * smoothstep(0.55, 1.0, ty)
    return tuple(v + lift for v in base)


def banner():
    c = Canvas(BANNER_W, BANNER_H)
    c.paint(rrect(-10, -10, BANNER_W + 10, BANNER_H + 10), _banner_background)
    # A broad light sweep, top left to centre, as if the panel caught the light.
    c.paint(ellipse(90, -30, 260, 60), (255, 255, 255, 0.10), soft=30)

    # Dotted world map, centred a little right of the title, fading out at its ends.
    lon0, lon1, lat0, lat1 = -170.0, 180.0, 80.0, -56.0
    mx0, mx1, my0, my1 = 120.0, 400.0, 1.0, 65.0
    step = 3.0
    y = my0 + step / 2
    while y < my1:
        x = mx0 + step / 2
        while x < mx1:
            lon = lon0 + (x - mx0) / (mx1 - mx0) * (lon1 - lon0)
            lat = lat0 + (y - my0) / (my1 - my0) * (lat1 - lat0)
            if worldmap.is_land(lon, lat):
                t = (x - mx0) / (mx1 - mx0)
                fade = smoothstep(0.0, 0.18, t) * (1 - smoothstep(0.82, 1.0, t))
                c.paint(circle(x, y, 0.8), (200, 230, 255), alpha=0.26 * fade)
            x += step
        y += step

    # Helmet at the far left, with a faint glow so it lifts off the blue.
    c.paint(circle(15, 35, 12), (150, 210, 255, 0.35), soft=9)
    helmet(c, 15.0, 34.5, 12.6, edge=1.0)

    # Bottom edge: a dark line where the banner meets the pane below.
    c.paint(rrect(-1, VISIBLE_H - 1, BANNER_W + 1, BANNER_H + 1), (6, 34, 96))
    c.paint(rrect(-1, VISIBLE_H - 2, BANNER_W + 1, VISIBLE_H - 1), (120, 180, 250, 0.18))
    return c


# ---- publisher strip ---------------------------------------------------------------------

STRIP_W, STRIP_H = 440, 28
STRIP_VISIBLE = 23


def _strip_background(x, y):
    tx = x / STRIP_W
    base = stops(tx, [(0.0, (132, 186, 240)), (0.45, (70, 136, 222)), (0.72, (34, 96, 196)),
                      (1.0, (20, 70, 168))])
    ty = (y - 1) / (STRIP_VISIBLE - 1)
    lift = 14 * (1 - ty) - 10 * ty
    return tuple(v + lift for v in base)


def strip():
    c = Canvas(STRIP_W, STRIP_H)
    c.paint(rrect(-10, -10, STRIP_W + 10, STRIP_H + 10), _strip_background)
    c.paint(rrect(-1, 1, STRIP_W + 1, 2), (255, 255, 255, 0.30))
    c.paint(rrect(-1, -1, STRIP_W + 1, 1), (10, 48, 128))
    return c
