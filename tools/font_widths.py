#!/usr/bin/env python3
"""Measures how wide the main window's texts come out in candidate fonts,
from the fonts' advance widths (no hinting, no kerning), against a reference
font, to choose the face a missing Windows font is mapped to.

  font_widths.py REFERENCE CANDIDATE...

Each font is a TrueType/OpenType file (.ttf, .otf) or an SVG font (.svg).
Prints, for each candidate, each text's width in pixels beside the
reference's and the mean and largest difference in per cent.
"""

import re
import struct
import sys

# The texts the window shows in Segoe UI, with their heights in pixels.
TEXTS = [
    (12, "Saisissez une cote (en mètre) figurant sur le plan "),
    (12, "Saisissez la même cote mesurée sur le plan (en cm)"),
    (12, "               Découvrez nos autres logiciels"),
    (11, "Impression de règles graduées"),
    (11, "Recherche d'échelle"),
    (11, "Informations"),
    (11, "Echelles disponibles"),
    (11, "Orientation"),
    (11, "Portrait"),
    (11, "Paysage"),
    (11, "Etalonner"),
    (11, "contact@plandrel.fr"),
    (11, "https://www.plandrel.fr"),
    (11, "Imprimer le morvi"),
    (11, "Obtenir l'échelle"),
    (11, "En savoir plus..."),
    (11, " 1:2500"),
]


def sfnt_widths(path):
    data = open(path, "rb").read()
    count = struct.unpack(">H", data[4:6])[0]
    tables = {}
    for i in range(count):
        tag, _, offset, length = struct.unpack(">4sIII", data[12 + 16 * i:28 + 16 * i])
        tables[tag.decode()] = data[offset:offset + length]
    units = struct.unpack(">H", tables["head"][18:20])[0]
    metrics = struct.unpack(">H", tables["hhea"][34:36])[0]
    hmtx = tables["hmtx"]
    advance = [struct.unpack(">H", hmtx[4 * i:4 * i + 2])[0] for i in range(metrics)]
    cmap = tables["cmap"]
    glyphs = {}
    for i in range(struct.unpack(">H", cmap[2:4])[0]):
        platform, encoding, offset = struct.unpack(">HHI", cmap[4 + 8 * i:12 + 8 * i])
        if (platform, encoding) not in ((3, 1), (0, 3)) or struct.unpack(">H", cmap[offset:offset + 2])[0] != 4:
            continue
        sub = cmap[offset:]
        segments = struct.unpack(">H", sub[6:8])[0] // 2
        ends = struct.unpack(">%dH" % segments, sub[14:14 + 2 * segments])
        base = 16 + 2 * segments
        starts = struct.unpack(">%dH" % segments, sub[base:base + 2 * segments])
        deltas = struct.unpack(">%dh" % segments, sub[base + 2 * segments:base + 4 * segments])
        ranges_at = base + 4 * segments
        ranges = struct.unpack(">%dH" % segments, sub[ranges_at:ranges_at + 2 * segments])
        for s in range(segments):
            for c in range(starts[s], min(ends[s], 0xFFFE) + 1):
                if ranges[s] == 0:
                    g = (c + deltas[s]) & 0xFFFF
                else:
                    at = ranges_at + 2 * s + ranges[s] + 2 * (c - starts[s])
                    g = struct.unpack(">H", sub[at:at + 2])[0]
                    g = (g + deltas[s]) & 0xFFFF if g else 0
                glyphs[chr(c)] = advance[min(g, metrics - 1)]
        break
    return units, glyphs


def svg_widths(path):
    text = open(path, encoding="utf-8").read()
    units = int(re.search(r'units-per-em="(\d+)"', text).group(1))
    glyphs = {}
    for attributes in re.findall(r"<glyph\b([^>]*)", text):
        code = re.search(r'unicode="([^"]*)"', attributes)
        width = re.search(r'horiz-adv-x="(\d+)"', attributes)
        if code and width:
            char = re.sub(r"&#x([0-9a-fA-F]+);", lambda m: chr(int(m.group(1), 16)), code.group(1))
            char = char.replace("&quot;", '"').replace("&amp;", "&").replace("&lt;", "<").replace("&apos;", "'")
            if len(char) == 1:
                glyphs[char] = int(width.group(1))
    return units, glyphs


def widths(path):
    return svg_widths(path) if path.endswith(".svg") else sfnt_widths(path)


def measure(font, pixels, text):
    units, glyphs = font
    return sum(glyphs.get(c, 0) for c in text) * pixels / units


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    reference = widths(sys.argv[1])
    wanted = [measure(reference, px, t) for px, t in TEXTS]
    for path in sys.argv[2:]:
        font = widths(path)
        got = [measure(font, px, t) for px, t in TEXTS]
        diffs = [100 * (g - w) / w for g, w in zip(got, wanted)]
        print("%-60s mean %+5.1f %%  largest %+5.1f %%" % (path, sum(diffs) / len(diffs), max(diffs, key=abs)))
        for (px, text), g, w in zip(TEXTS, got, wanted):
            print("    %2d px %6.1f (reference %6.1f)  %s" % (px, g, w, text.strip()))


if __name__ == "__main__":
    main()
