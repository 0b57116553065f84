"""The program's pictures: four glow-button pictures, the logo, the icon
images and the two spin glyphs. The button pictures and the logo take a
scale (1.5 and 2 for 150 % and 200 % display scale) and draw the same design
at that many device pixels per design pixel.

The button pictures and the logo are shown with their bottom-left pixel's
colour made see-through, so they are painted on KEY, and KEY is kept out of
every painted pixel. KEY is a light grey close to the button faces and the
window, so that the anti-aliased edges blend into what shows behind.
"""

from artwork import raster, stroke_font
from artwork.raster import (Canvas, arc, bar, box, circle, ellipse, intersect, linear,
                            moved, outline, polygon, radial, rect, segment, union)

KEY = (240, 240, 240)
OLIVE_INDEX, BLACK_INDEX = 3, 0  # in the 16-colour palette

INK = (40, 48, 60)
PAPER = (255, 255, 255)
SHADOW = (0, 0, 0, 0.28)
RULER_LIGHT, RULER_DARK, RULER_EDGE = (255, 222, 105), (236, 170, 40), (130, 86, 14)


def _finish(canvas):
    return canvas.over(KEY, reserved=KEY)


def _ruler(c, cx, cy, length, width, degrees, ticks, pitch, line, shadow=True):
    """A yellow ruler turned clockwise by degrees, graduated along its upper
    edge: ticks pitch apart, every fifth one longer; line is the pen width."""
    body = box(cx, cy, length, width, radius=line * 1.5, degrees=degrees)
    if shadow:
        c.fill(moved(body, line * 1.4, line * 2.2), SHADOW, feather=line * 4)
    c.fill(body, linear(cx, cy - width, RULER_LIGHT, cx, cy + width, RULER_DARK))
    c.fill(outline(body, line), RULER_EDGE)
    along, across = raster.polar(0, 0, 1, degrees), raster.polar(0, 0, 1, degrees + 90)
    top_x, top_y = cx - across[0] * width / 2, cy - across[1] * width / 2
    for i in range(ticks):
        t = (i - (ticks - 1) / 2.0) * pitch
        depth = width * (0.5 if i % 5 == 2 else 0.28)
        x0, y0 = top_x + along[0] * t, top_y + along[1] * t
        c.fill(bar(x0, y0, x0 + across[0] * depth, y0 + across[1] * depth, line * 1.3), RULER_EDGE)


def print_button(scale=1):
    """A printer with a printed sheet coming out."""
    c = Canvas(48, 48, scale)
    back = rect(13, 3, 35, 20, 1)
    c.fill(back, PAPER)
    c.fill(outline(back, 1), (120, 128, 140))
    body = rect(3, 16, 45, 37, 4)
    c.fill(moved(body, 1, 2), SHADOW, feather=2.5)
    c.fill(body, linear(0, 16, (218, 222, 230), 0, 37, (118, 126, 140)))
    c.fill(outline(body, 1.2), (62, 68, 80))
    c.fill(rect(8, 20, 40, 23, 1.5), (52, 58, 70))
    c.fill(circle(39.5, 29, 2), radial(39, 28.5, 2, (170, 255, 150), (30, 160, 40)))
    sheet = rect(11, 27, 37, 46)
    c.fill(moved(sheet, 0, -1), (52, 58, 70))
    c.fill(sheet, linear(0, 27, (236, 240, 246), 0, 46, PAPER))
    c.fill(outline(sheet, 1), (120, 128, 140))
    for y, right in ((32, 33), (36, 30), (40, 32)):
        c.fill(rect(15, y - 0.6, right, y + 0.6), (70, 110, 190))
    return _finish(c)


def scale_button(scale=1):
    """A magnifying glass over a graduated ruler."""
    c = Canvas(48, 48, scale)
    _ruler(c, 23, 29, 42, 13, -30, 11, 3.2, 0.56)
    lens = circle(28, 19, 10.5)
    handle = segment(36, 27, 44.5, 35.5, 5)
    c.fill(moved(union(lens, handle), 1, 1.5), SHADOW, feather=2.5)
    c.fill(lens, radial(25, 16, 12, (235, 248, 255, 0.55), (150, 200, 240, 0.45)))
    c.fill(handle, linear(36, 27, (90, 60, 40), 44, 35, (40, 26, 16)))
    c.fill(outline(lens, 3), linear(18, 9, (150, 160, 175), 38, 29, (60, 66, 80)))
    c.fill(arc(28, 19, 6.5, 6.5, 200, 250, 1.8, 8), (255, 255, 255, 0.85))
    return _finish(c)


def help_button(scale=1):
    """A white question mark in a blue disc."""
    c = Canvas(48, 48, scale)
    disc = circle(24, 24, 21)
    c.fill(moved(disc, 1, 1.5), SHADOW, feather=2.5)
    c.fill(disc, radial(17, 14, 30, (110, 180, 250), (18, 70, 170)))
    c.fill(outline(disc, 1.3), (14, 52, 130))
    c.fill(intersect(ellipse(24, 13, 15, 9), disc), (255, 255, 255, 0.18))
    mark = union(arc(24, 18.5, 7, 7, 180, 405, 5, 24),
                 segment(*raster.polar(24, 18.5, 7, 405), 24, 29, 5))
    c.fill(moved(mark, 0.6, 0.9), (0, 20, 70, 0.35), feather=1.5)
    c.fill(mark, PAPER)
    c.fill(circle(24, 36.5, 3), PAPER)
    return _finish(c)


def web_button(scale=1):
    """A globe with its meridians and parallels."""
    c = Canvas(48, 48, scale)
    cx, cy, r = 24, 24, 21
    globe = circle(cx, cy, r)
    c.fill(moved(globe, 1, 1.5), SHADOW, feather=2.5)
    c.fill(globe, radial(17, 15, 32, (120, 200, 255), (16, 80, 170)))
    land = union(ellipse(15, 17, 9, 6.5), ellipse(12, 27, 4, 7), ellipse(31, 30, 7, 10),
                 ellipse(34, 14, 7, 4))
    c.fill(intersect(land, globe), linear(0, 4, (130, 210, 110), 0, 46, (40, 130, 50)))
    line = (255, 255, 255, 0.75)
    grid = union(outline(ellipse(cx, cy, 8, r), 1.2), outline(ellipse(cx, cy, 15, r), 1.2),
                 bar(cx, cy - r, cx, cy + r, 1.2), bar(cx - r, cy, cx + r, cy, 1.2),
                 bar(cx - r, cy - 11, cx + r, cy - 11, 1.2), bar(cx - r, cy + 11, cx + r, cy + 11, 1.2))
    c.fill(intersect(grid, circle(cx, cy, r - 0.5)), line)
    c.fill(intersect(ellipse(cx, 13, 15, 8), globe), (255, 255, 255, 0.2))
    c.fill(outline(globe, 1.3), (12, 50, 120))
    return _finish(c)


def _floor_plan(c, x0, y0, x1, y1, wall, colour):
    """Walls of a small flat: two rooms and a cupboard, with a doorway."""
    mid = (x0 + x1) / 2 + 4
    door = (y0 + y1) / 2
    walls = union(
        outline(rect(x0, y0, x1, y1), wall),
        bar(mid, y0, mid, door - 5, wall),
        bar(mid, door + 5, mid, y1, wall),
        bar(mid, door + 12, x1, door + 12, wall),
    )
    c.fill(walls, colour)


def logo(scale=1):
    """A folded paper ruler laid on a plan, and the program's name."""
    c = Canvas(128, 122, scale)
    sheet = rect(8, 4, 120, 84, 2)
    c.fill(moved(sheet, 1.5, 2), SHADOW, feather=3)
    c.fill(sheet, linear(0, 4, (232, 242, 255), 0, 84, (206, 224, 248)))
    for gx in range(16, 120, 8):
        c.fill(bar(gx, 5, gx, 83, 0.5), (150, 180, 225, 0.5))
    for gy in range(12, 84, 8):
        c.fill(bar(9, gy, 119, gy, 0.5), (150, 180, 225, 0.5))
    c.fill(outline(sheet, 1), (110, 140, 190))
    _floor_plan(c, 18, 12, 104, 66, 3, (40, 70, 140))
    # The ruler: a strip of printed paper folded along its graduated edge;
    # the turned-under half shows as the darker band below the fold.
    fold = [(6, 70), (122, 30)]
    under = polygon([fold[0], fold[1], (124, 37), (8, 78)])
    face = polygon([fold[0], fold[1], (118, 17), (2, 57)])
    c.fill(moved(union(under, face), 1.5, 2.5), SHADOW, feather=3)
    c.fill(under, linear(0, 40, (222, 200, 150), 0, 80, (190, 160, 100)))
    c.fill(face, linear(60, 30, (255, 252, 236), 66, 52, (250, 236, 196)))
    c.fill(outline(union(face, under), 0.9), (120, 96, 50))
    c.fill(segment(*fold[0], *fold[1], 1.1), (120, 96, 50))
    (fx, fy), (gx, gy) = fold
    steps = 40
    for i in range(1, steps):
        t = i / steps
        x, y = fx + (gx - fx) * t, fy + (gy - fy) * t
        depth = 9 if i % 10 == 0 else 6 if i % 5 == 0 else 3.5
        c.fill(bar(x, y, x - 0.34 * depth, y - 0.94 * depth, 0.8), (30, 30, 30))
    name = stroke_font.text
    size, weight, gap = 21, 0.15, 0.14
    left = (128 - stroke_font.width("Morvi", weight, gap) * size) / 2
    c.fill(moved(name("Morvi", left, 95, size, weight, gap), 1, 1.5), (0, 0, 0, 0.3), feather=2)
    c.fill(name("Morvi", left, 95, size, weight, gap), linear(0, 95, (40, 90, 190), 0, 116, (16, 40, 110)))
    return _finish(c)


def icon(size):
    """The program icon at one size: a yellow ruler across a blueprint.
    Drawn on a 256 grid; small sizes drop the fine detail and get fewer,
    wider-spaced ticks so that each stays a whole pixel."""
    k = size / 256.0
    detailed = size >= 48
    line = max(1.0, 4 * k)
    c = Canvas(size, size)
    margin = max(1, round(20 * k))  # whole pixels keep the small edges sharp
    sheet = rect(margin, margin, size - margin, size - margin, 22 * k)
    if detailed:
        c.fill(moved(sheet, 4 * k, 6 * k), SHADOW, feather=12 * k)
    c.fill(sheet, linear(0, 20 * k, (60, 140, 225), 0, 236 * k, (20, 70, 160)))
    if detailed:
        for g in range(52, 236, 32):
            c.fill(intersect(bar(g * k, 20 * k, g * k, 236 * k, 2 * k), sheet), (255, 255, 255, 0.25))
            c.fill(intersect(bar(20 * k, g * k, 236 * k, g * k, 2 * k), sheet), (255, 255, 255, 0.25))
        wall = 7 * k
        rooms = union(outline(rect(48 * k, 44 * k, 212 * k, 150 * k), wall),
                      bar(128 * k, 44 * k, 128 * k, 80 * k, wall),
                      bar(128 * k, 112 * k, 128 * k, 150 * k, wall))
        c.fill(rooms, (255, 255, 255, 0.9))
    c.fill(intersect(outline(sheet, 2 * line), sheet), (14, 44, 110))
    ticks = 11 if detailed else 5 if size >= 24 else 4
    width = 70 if detailed else 96
    _ruler(c, 128 * k, 156 * k, 240 * k, width * k, -30, ticks, 200 * k / (ticks - 1), line, detailed)
    return c.straight()


def spin_glyph(up, scale=1):
    """9 x 6 palette indexes (times the scale, rounded): a black triangle of
    four rows, 1, 3, 5 and 7 pixels wide, on olive, pointing up or down. At a
    larger scale it keeps whole pixels, two wider a row, so that it stays
    crisp and centred: 2 to 12 at 1.5 (14 x 9), 2 to 16 at 2 (18 x 12)."""
    width, height = raster.device_length(9, scale), raster.device_length(6, scale)
    rows = raster.device_length(4, scale)
    top = (height - rows) // 2
    out = [[OLIVE_INDEX] * width for _ in range(height)]
    for i in range(rows):
        n = (1 if width % 2 else 2) + 2 * i
        first = (width - n) // 2
        out[top + i][first:first + n] = [BLACK_INDEX] * n
    return out if up else out[::-1]
