"""A small anti-aliased vector painter.

Shapes are signed distance functions (negative inside) with a bounding box;
a pixel's coverage is taken from the distance at its centre, which gives
smooth one-pixel edges without supersampling. Only +, -, *, / and sqrt are
used on the pixel path and every angle is snapped to a grid, so the output
is the same bit for bit on any machine.
"""

import math


def snap(value):
    """Rounds a coordinate computed with sin/cos (whose last bit varies
    between C libraries) onto a fine grid."""
    return round(value * 4096) / 4096


def polar(cx, cy, radius, degrees, ry=None):
    """Point on a circle or ellipse, angle clockwise from 3 o'clock (y down)."""
    a = math.radians(degrees)
    ry = radius if ry is None else ry
    return snap(cx + radius * math.cos(a)), snap(cy + ry * math.sin(a))


def _clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def device_length(designed, scale):
    """A design length in device pixels, a half rounded up, as the program
    scales the window's lengths (desc::scaleLength)."""
    return math.floor(designed * scale + 0.5)


class Shape:
    def __init__(self, sdf, bbox):
        self.sdf = sdf
        self.bbox = bbox  # x0, y0, x1, y1


def circle(cx, cy, r):
    def sdf(x, y):
        dx, dy = x - cx, y - cy
        return math.sqrt(dx * dx + dy * dy) - r
    return Shape(sdf, (cx - r, cy - r, cx + r, cy + r))


def ellipse(cx, cy, rx, ry):
    # First-order distance (implicit value over its gradient): exact on the
    # outline, which is all that edges and strokes need.
    def sdf(x, y):
        ux, uy = (x - cx) / rx, (y - cy) / ry
        gx, gy = ux / rx, uy / ry
        g = math.sqrt(gx * gx + gy * gy)
        if g == 0.0:
            return -min(rx, ry)
        return (ux * ux + uy * uy - 1.0) / (2.0 * g)
    return Shape(sdf, (cx - rx, cy - ry, cx + rx, cy + ry))


def box(cx, cy, w, h, radius=0.0, degrees=0.0):
    """Rectangle centred on (cx, cy), optionally rounded and turned clockwise."""
    a = math.radians(degrees)
    c, s = snap(math.cos(a)), snap(math.sin(a))
    hw, hh = w / 2.0, h / 2.0

    def sdf(x, y):
        dx, dy = x - cx, y - cy
        qx = abs(dx * c + dy * s) - hw + radius
        qy = abs(dy * c - dx * s) - hh + radius
        ox, oy = max(qx, 0.0), max(qy, 0.0)
        return math.sqrt(ox * ox + oy * oy) + min(max(qx, qy), 0.0) - radius
    ex, ey = abs(c) * hw + abs(s) * hh, abs(s) * hw + abs(c) * hh
    return Shape(sdf, (cx - ex, cy - ey, cx + ex, cy + ey))


def rect(x0, y0, x1, y1, radius=0.0):
    return box((x0 + x1) / 2.0, (y0 + y1) / 2.0, x1 - x0, y1 - y0, radius)


def bar(x0, y0, x1, y1, width):
    """Straight stroke with square ends cut at the end points."""
    length = math.sqrt((x1 - x0) ** 2 + (y1 - y0) ** 2)
    degrees = math.degrees(math.atan2(y1 - y0, x1 - x0))
    return box((x0 + x1) / 2.0, (y0 + y1) / 2.0, length, width, 0.0, degrees)


def segment(x0, y0, x1, y1, width):
    """Straight stroke with round ends."""
    ex, ey = x1 - x0, y1 - y0
    length2 = ex * ex + ey * ey
    half = width / 2.0

    def sdf(x, y):
        wx, wy = x - x0, y - y0
        t = _clamp((wx * ex + wy * ey) / length2) if length2 else 0.0
        px, py = wx - ex * t, wy - ey * t
        return math.sqrt(px * px + py * py) - half
    return Shape(sdf, (min(x0, x1) - half, min(y0, y1) - half,
                       max(x0, x1) + half, max(y0, y1) + half))


def polyline(points, width):
    return union(*(segment(*points[i], *points[i + 1], width)
                   for i in range(len(points) - 1)))


def arc(cx, cy, rx, ry, start, end, width, steps=24):
    """Round-ended stroke along an ellipse from angle start to end."""
    pts = [polar(cx, cy, rx, start + (end - start) * i / steps, ry)
           for i in range(steps + 1)]
    return polyline(pts, width)


def polygon(points):
    n = len(points)

    def sdf(x, y):
        best, inside = float("inf"), False
        for i in range(n):
            ax, ay = points[i]
            bx, by = points[i - 1]
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            t = _clamp((wx * ex + wy * ey) / (ex * ex + ey * ey))
            px, py = wx - ex * t, wy - ey * t
            best = min(best, px * px + py * py)
            if (ay > y) != (by > y) and x < ax + ex * (y - ay) / ey:
                inside = not inside
        d = math.sqrt(best)
        return -d if inside else d
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    return Shape(sdf, (min(xs), min(ys), max(xs), max(ys)))


def union(*shapes):
    def sdf(x, y):
        return min(s.sdf(x, y) for s in shapes)
    boxes = [s.bbox for s in shapes]
    return Shape(sdf, (min(b[0] for b in boxes), min(b[1] for b in boxes),
                       max(b[2] for b in boxes), max(b[3] for b in boxes)))


def intersect(a, b):
    def sdf(x, y):
        return max(a.sdf(x, y), b.sdf(x, y))
    return Shape(sdf, (max(a.bbox[0], b.bbox[0]), max(a.bbox[1], b.bbox[1]),
                       min(a.bbox[2], b.bbox[2]), min(a.bbox[3], b.bbox[3])))


def outline(shape, width):
    """The band of the given width centred on the shape's edge."""
    half = width / 2.0

    def sdf(x, y):
        return abs(shape.sdf(x, y)) - half
    x0, y0, x1, y1 = shape.bbox
    return Shape(sdf, (x0 - half, y0 - half, x1 + half, y1 + half))


def moved(shape, dx, dy):
    def sdf(x, y):
        return shape.sdf(x - dx, y - dy)
    x0, y0, x1, y1 = shape.bbox
    return Shape(sdf, (x0 + dx, y0 + dy, x1 + dx, y1 + dy))


# Paints: a colour is (r, g, b) or (r, g, b, alpha) with channels 0-255 and
# alpha 0-1; a gradient is a function of the pixel centre giving a colour.

def _rgba(colour):
    return colour if len(colour) == 4 else (*colour, 1.0)


def _mix(c0, c1, t):
    return tuple(a + (b - a) * t for a, b in zip(_rgba(c0), _rgba(c1)))


def linear(x0, y0, c0, x1, y1, c1):
    ex, ey = x1 - x0, y1 - y0
    length2 = ex * ex + ey * ey

    def paint(x, y):
        return _mix(c0, c1, _clamp(((x - x0) * ex + (y - y0) * ey) / length2))
    return paint


def radial(cx, cy, r, c0, c1):
    def paint(x, y):
        dx, dy = x - cx, y - cy
        return _mix(c0, c1, _clamp(math.sqrt(dx * dx + dy * dy) / r))
    return paint


class Canvas:
    """Premultiplied RGBA pixels, painted back to front.

    A canvas of scale k has round(width * k) x round(height * k) device
    pixels for a design of width x height: shapes and paints keep design
    coordinates, and edges stay one device pixel wide, so a picture drawn at
    1.5 or 2 is as sharp as at 1."""

    def __init__(self, width, height, scale=1):
        self.scale = scale
        self.width, self.height = device_length(width, scale), device_length(height, scale)
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(self.width * self.height)]

    def fill(self, shape, paint, opacity=1.0, feather=1.0):
        """Paints the shape; a feather above 1 softens the edge over that
        many design pixels (shadows, glows)."""
        k = self.scale
        feather = feather * k if feather > 1.0 else feather
        x0, y0, x1, y1 = (v * k for v in shape.bbox)
        margin = feather / 2.0 + 1.0
        cols = range(max(0, math.floor(x0 - margin)), min(self.width, math.ceil(x1 + margin)))
        rows = range(max(0, math.floor(y0 - margin)), min(self.height, math.ceil(y1 + margin)))
        solid = None if callable(paint) else _rgba(paint)
        for py in rows:
            for px in cols:
                cx, cy = (px + 0.5) / k, (py + 0.5) / k
                cover = _clamp(0.5 - shape.sdf(cx, cy) * k / feather)
                if cover <= 0.0:
                    continue
                r, g, b, a = solid or paint(cx, cy)
                a *= cover * opacity
                dst = self.px[py * self.width + px]
                keep = 1.0 - a
                dst[0] = r * a + dst[0] * keep
                dst[1] = g * a + dst[1] * keep
                dst[2] = b * a + dst[2] * keep
                dst[3] = a + dst[3] * keep

    def over(self, background, reserved=None):
        """Rows of (r, g, b) bytes, top row first, on an opaque background.
        A mostly painted pixel that happens to come out as the reserved
        colour is moved one step off it, so that colour marks background
        alone; a faint one (a shadow's tail) simply stays background."""
        out = []
        for py in range(self.height):
            row = []
            for px in range(self.width):
                r, g, b, a = self.px[py * self.width + px]
                keep = 1.0 - a
                rgb = tuple(_byte(c + k * keep) for c, k in zip((r, g, b), background))
                if a >= 0.5 and rgb == reserved:
                    rgb = (rgb[0], rgb[1], rgb[2] - 1 if rgb[2] else 1)
                row.append(rgb)
            out.append(row)
        return out

    def straight(self):
        """Rows of (r, g, b, alpha) bytes, top row first, not premultiplied."""
        out = []
        for py in range(self.height):
            row = []
            for px in range(self.width):
                r, g, b, a = self.px[py * self.width + px]
                alpha = _byte(a * 255.0)
                if alpha == 0:
                    row.append((0, 0, 0, 0))
                else:
                    row.append((_byte(r / a), _byte(g / a), _byte(b / a), alpha))
            out.append(row)
        return out


def _byte(v):
    return 0 if v <= 0.0 else 255 if v >= 255.0 else int(v + 0.5)
