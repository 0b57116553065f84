"""A stroke font with just the letters of the program's name, so the logo can
show it without any font file. Units: the capital height is 1, y grows
downwards from the capital line, the x-height line is at 0.38."""

from artwork import raster

_X = 0.38  # top of the small letters


def _glyphs(weight):
    """Letter: (advance, strokes), strokes as raster shapes in em units."""
    w = weight
    return {
        "M": (0.82, [raster.polyline([(0, 1), (0, 0), (0.41, 0.64), (0.82, 0), (0.82, 1)], w)]),
        "o": (0.56, [raster.outline(raster.ellipse(0.28, 0.69, 0.28, 0.31), w)]),
        "r": (0.36, [raster.segment(0, _X, 0, 1, w),
                     raster.arc(0.34, 0.72, 0.34, 0.32, 180, 268, w, 12)]),
        "v": (0.52, [raster.polyline([(0, _X), (0.26, 1), (0.52, _X)], w)]),
        "i": (0.0, [raster.segment(0, _X, 0, 1, w), raster.circle(0, 0.13, w * 0.62)]),
    }


def _scaled(shape, x, y, size):
    def sdf(px, py):
        return shape.sdf((px - x) / size, (py - y) / size) * size
    x0, y0, x1, y1 = shape.bbox
    return raster.Shape(sdf, (x + x0 * size, y + y0 * size, x + x1 * size, y + y1 * size))


def width(text, weight, gap):
    """Inked width in em units, stroke ends included."""
    glyphs = _glyphs(weight)
    return sum(glyphs[ch][0] for ch in text) + gap * (len(text) - 1) + weight


def text(line, x, y, size, weight=0.14, gap=0.16):
    """The line as one shape whose ink starts at x, capital line at y,
    capitals size pixels tall."""
    glyphs = _glyphs(weight)
    pen, strokes = weight / 2.0, []
    for ch in line:
        advance, parts = glyphs[ch]
        strokes += [_scaled(raster.moved(p, pen, 0), x, y, size) for p in parts]
        pen += advance + gap
    return raster.union(*strokes)
