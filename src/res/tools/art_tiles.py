"""The five 95 x 95 command icons: one glossy blue tile, five symbols.

All symbols share one treatment (soft shadow, dark outline, vertical
gradient, a shine on the top half) so the list view reads as a family."""
import math

from raster import (Canvas, arc, capsule, circle, clamp01, frame, intersect, mix, polygon,
                    rrect, stops, subtract, union, ellipse, vgrad)

SIZE = 95
# The tile sits a little high so the shadow below it stays inside the image.
TX0, TY0, TX1, TY1, TR = 8.0, 6.0, 87.0, 85.0, 16.0
CX, CY = (TX0 + TX1) / 2, (TY0 + TY1) / 2   # symbol centre

NAVY = (0, 22, 70)


def tile(c):
    body = rrect(TX0, TY0, TX1, TY1, TR)
    # Drop shadow: a blurred copy of the tile, nudged down.
    c.paint(rrect(TX0 + 1, TY0 + 3, TX1 - 1, TY1 + 3, TR), NAVY, alpha=0.30, soft=4.5)
    c.paint(rrect(TX0, TY0 + 1.5, TX1, TY1 + 1.5, TR), NAVY, alpha=0.25, soft=1.5)
    # Body: bright azure at the top deepening to royal blue.
    ramp = [(0.0, (92, 170, 250)), (0.5, (34, 110, 225)), (1.0, (10, 58, 170))]
    c.paint(body, lambda x, y: stops((y - TY0) / (TY1 - TY0), ramp))
    # Light pooling at the bottom, as if the tile were glass lit from behind.
    c.paint(ellipse(CX, TY1 + 6, 34, 26), (70, 175, 255), alpha=0.55, soft=10, clip=body)
    # Gloss: the upper half, bounded below by a wide gentle curve.
    gloss = intersect(rrect(TX0 + 2, TY0 + 2, TX1 - 2, TY1 - 2, TR - 2),
                      ellipse(CX, TY0 - 40, 78, 88))
    c.paint(gloss, lambda x, y: (255, 255, 255, 0.50 - 0.42 * clamp01((y - TY0) / 40.0)))
    # Border: a crisp dark rim and a faint light line just inside it.
    inner = rrect(TX0 + 1.2, TY0 + 1.2, TX1 - 1.2, TY1 - 1.2, TR - 1.2)
    inner2 = rrect(TX0 + 2.2, TY0 + 2.2, TX1 - 2.2, TY1 - 2.2, TR - 2.2)
    c.paint(body - inner, (0, 40, 128), alpha=0.85)
    c.paint(inner - inner2, (255, 255, 255, 0.28))


def symbol(c, shape, top, bottom, edge, y0, y1, shine=True, outline=1.4):
    """Shadow, outline, gradient fill and shine for one piece of a symbol."""
    c.paint(shape.move(1.2, 2.4).grow(outline), NAVY, alpha=0.45, soft=2.2)
    c.paint(shape.grow(outline), edge)
    c.paint(shape, vgrad(y0, top, y1, bottom))
    if shine:
        mid = (y0 + y1) / 2
        c.paint(shape.grow(-1.2), lambda x, y: (255, 255, 255, 0.45 * clamp01((mid - y) / (mid - y0))),
                box=(shape.box[0], shape.box[1], shape.box[2], mid))


def rounded_triangle(pts, r):
    """Triangle with corners rounded by r: shrink it about its incentre by r,
    then grow the distance field back out by r."""
    (ax, ay), (bx, by), (cx, cy) = pts
    la = math.hypot(bx - cx, by - cy)
    lb = math.hypot(ax - cx, ay - cy)
    lc = math.hypot(ax - bx, ay - by)
    p = la + lb + lc
    ix, iy = (la * ax + lb * bx + lc * cx) / p, (la * ay + lb * by + lc * cy) / p
    area = abs((bx - ax) * (cy - ay) - (cx - ax) * (by - ay)) / 2
    k = (2 * area / p - r) / (2 * area / p)
    return polygon([(ix + (x - ix) * k, iy + (y - iy) * k) for x, y in pts]).grow(r)


# ---- the symbols --------------------------------------------------------------------------

def sym_run(c):
    # Optical centre of a triangle is its centroid; nudge it right of the tile centre.
    h = 44.0
    x0 = CX - 0.29 * h + 0.5
    pts = [(x0, CY - h / 2), (x0 + h * 0.87, CY), (x0, CY + h / 2)]
    tri = rounded_triangle(pts, 3.5)
    symbol(c, tri, (168, 240, 110), (34, 150, 30), (8, 70, 14), CY - h / 2, CY + h / 2)


def sym_help(c):
    w = 5.0
    cy = CY - 9.0
    hook = union(arc(CX, cy, 11.0, -58, 160, w),
                 capsule(CX + 11.0 * math.cos(math.radians(-58)),
                         cy - 11.0 * math.sin(math.radians(-58)), CX, cy + 16.5, w),
                 capsule(CX, cy + 16.5, CX, cy + 19.5, w))
    dot = circle(CX, CY + 20.5, 5.6)
    top, bottom, edge = (255, 160, 215), (218, 40, 140), (104, 6, 64)
    symbol(c, hook, top, bottom, edge, cy - 16, cy + 25)
    symbol(c, dot, top, bottom, edge, CY + 15, CY + 26)


def sym_about(c):
    top, bottom, edge = (255, 238, 120), (238, 160, 0), (112, 62, 0)
    dot = circle(CX, CY - 17.5, 6.0)
    stem = union(rrect(CX - 6, CY - 6.5, CX + 6, CY + 17, 1.5),
                 rrect(CX - 12, CY - 6.5, CX + 6, CY - 1.0, 1.5),
                 rrect(CX - 12, CY + 14.0, CX + 12, CY + 20.0, 1.5))
    symbol(c, dot, top, bottom, edge, CY - 23.5, CY - 11.5)
    symbol(c, stem, top, bottom, edge, CY - 6.5, CY + 20)


def sym_exit(c):
    top, bottom, edge = (205, 240, 255), (70, 170, 245), (0, 40, 110)
    ring = arc(CX, CY + 2.0, 16.0, 129, 51, 4.6)
    bar = capsule(CX, CY - 19.0, CX, CY - 1.0, 4.6)
    ring_and_bar = union(ring, bar)
    # One shadow for ring and bar; the bar's outline is painted over the ring
    # so the two read as separate strokes.
    c.paint(ring_and_bar.move(1.2, 2.4).grow(1.4), NAVY, alpha=0.45, soft=2.2)
    c.paint(ring.grow(1.4), edge)
    c.paint(ring, vgrad(CY - 16, top, CY + 20, bottom))
    c.paint(bar.grow(1.4), edge)
    c.paint(bar, vgrad(CY - 24, top, CY + 4, bottom))
    mid = CY - 4
    c.paint(ring_and_bar.grow(-1.2), lambda x, y: (255, 255, 255, 0.45 * clamp01((mid - y) / 20.0)),
            box=(TX0, TY0, TX1, mid))


def _metal(ca, sa, cx, cy, light, dark, half):
    """Paint for a round bar seen from the side: bright along its upper edge."""
    def paint(x, y):
        v = -(x - cx) * sa + (y - cy) * ca
        t = clamp01((v + half) / (2 * half))
        return stops(t, [(0.0, light), (0.35, mix(light, dark, 0.25)), (1.0, dark)])
    return paint


def sym_config(c):
    steel_l, steel_d, steel_e = (250, 252, 255), (128, 140, 160), (30, 40, 62)

    # Screwdriver: lies along u, tip at -u, handle at +u, drawn first (underneath).
    sd_ang = 45.0
    a = math.radians(sd_ang)
    ca, sa = math.cos(a), math.sin(a)
    shaft = frame(union(capsule(-21, 0, 6, 0, 2.3),
                        polygon([(-21, -2.3), (-27.5, -1.3), (-27.5, 1.3), (-21, 2.3)])),
                  CX, CY, sd_ang)
    ferrule = frame(rrect(3, -4.2, 9, 4.2, 1.2), CX, CY, sd_ang)
    handle = frame(union(rrect(8, -6.8, 29, 6.8, 5.5), rrect(7.5, -5.0, 12, 5.0, 1.5)),
                   CX, CY, sd_ang)
    sd_all = union(shaft, ferrule, handle)
    c.paint(sd_all.move(1.2, 2.4).grow(1.4), NAVY, alpha=0.45, soft=2.2)
    for piece, light, dark in ((shaft, steel_l, steel_d), (ferrule, (240, 240, 235), (140, 140, 130))):
        c.paint(piece.grow(1.3), steel_e)
        c.paint(piece, _metal(ca, sa, CX, CY, light, dark, 3.5))
    c.paint(handle.grow(1.3), (92, 10, 4))
    c.paint(handle, _metal(ca, sa, CX, CY, (255, 128, 96), (190, 28, 14), 6.8))
    # Grip grooves along the handle.
    for vv in (-2.6, 2.6):
        groove = frame(capsule(13.5, vv, 25.5, vv, 0.55), CX, CY, sd_ang)
        c.paint(groove, (120, 16, 8, 0.65))

    # Wrench: open jaw at +u (upper right), ring at -u (lower left), on top.
    wr_ang = -45.0
    a = math.radians(wr_ang)
    ca, sa = math.cos(a), math.sin(a)
    head = circle(19.0, 0, 9.2)
    jaw = union(rrect(17.5, -3.6, 34.0, 3.6, 0.5), circle(18.5, 0, 3.6))
    ring = circle(-21.0, 0, 6.8)
    body_local = union(capsule(-20.0, 0, 16.0, 0, 4.0), head, ring)
    wrench_local = subtract(subtract(body_local, jaw), circle(-21.0, 0, 3.0))
    wrench = frame(wrench_local, CX, CY, wr_ang)
    c.paint(wrench.move(1.2, 2.4).grow(1.4), NAVY, alpha=0.45, soft=2.2)
    c.paint(wrench.grow(1.4), steel_e)
    c.paint(wrench, _metal(ca, sa, CX, CY, steel_l, steel_d, 7.0))
    # Shine along the handle's upper edge.
    c.paint(frame(capsule(-13.0, -1.6, 10.0, -1.6, 0.9), CX, CY, wr_ang), (255, 255, 255, 0.7))


SYMBOLS = {
    "command_run": sym_run,
    "command_help": sym_help,
    "command_config": sym_config,
    "command_about": sym_about,
    "command_exit": sym_exit,
}


def render(name):
    c = Canvas(SIZE, SIZE)
    tile(c)
    SYMBOLS[name](c)
    return c
