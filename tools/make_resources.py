#!/usr/bin/env python3
"""Draws the program's pictures and writes them as the files it carries.

  make_resources.py                 rewrite the pictures, icon and glyphs in resources/,
                                    with the larger forms of the window's pictures
  make_resources.py --out DIR       write them into DIR instead
  make_resources.py --preview DIR   also write enlarged PNG copies to look at
  make_resources.py --embed FILE    put the button pictures and the logo into
                                    the window description FILE

The output depends on nothing but this code: run it again and the files
come out byte for byte the same.
"""

import argparse
import pathlib
import sys

sys.dont_write_bytecode = True  # keep the source tree clean

from artwork import form_embed, image_files, pictures  # noqa: E402

RESOURCES = pathlib.Path(__file__).resolve().parent.parent / "resources"

# Window-description object -> its picture.
FORM_PICTURES = {
    "BtImprimer": "print.bmp",
    "BtEchelle": "scale.bmp",
    "BtAide": "help.bmp",
    "BtSavoirPlus": "web.bmp",
    "Image1": "logo.bmp",
}

ICON_SIZES = (256, 128, 64, 48, 24, 16)

# 150 % and 200 % display scale: the window's pictures are also drawn this
# many device pixels per design pixel.
SCALES = (1.5, 2)
SCALED_FOLDER = "scaled"
SCALED_LIST = "scaled_pictures.rc"

DRAWINGS = {
    "print.bmp": pictures.print_button,
    "scale.bmp": pictures.scale_button,
    "help.bmp": pictures.help_button,
    "web.bmp": pictures.web_button,
    "logo.bmp": pictures.logo,
}


def form_pictures():
    """File name -> (bytes, rows of (r, g, b)) of the pictures the window shows."""
    drawn = {name: draw() for name, draw in DRAWINGS.items()}
    return {name: (image_files.bmp24(rows), rows) for name, rows in drawn.items()}


def fnv1a(data):
    """The 32-bit FNV-1a hash, as the program computes it."""
    h = 0x811C9DC5
    for byte in data:
        h = ((h ^ byte) * 0x01000193) & 0xFFFFFFFF
    return h


def spin_arrows():
    """File name -> (drawing at a scale, the BMP file of a drawing) of the
    spin field's arrows: pixel art, in four bits."""
    return {
        "spinup.bmp": (lambda scale=1: pictures.spin_glyph(True, scale), image_files.bmp4),
        "spindown.bmp": (lambda scale=1: pictures.spin_glyph(False, scale), image_files.bmp4),
    }


def scaled_files(shown):
    """Path under resources/ -> bytes of the larger forms of the window's
    pictures and of the spin arrows, and the resource list naming each by its
    96-dpi picture's hash and its width: a picture redrawn gets new names, so
    the program never shows a stale larger form."""
    drawings = {name: (DRAWINGS[name], image_files.bmp24) for name in shown}
    drawings.update(spin_arrows())
    files, lines = {}, [
        "// The larger forms of the window's pictures and of the spin arrows, for 150 % and\n",
        "// 200 % display scale, written by tools/make_resources.py.\n",
        "// PICTURE_<FNV-1a of the 96-dpi BMP file>_<width>.\n",
    ]
    for name, (draw, encode) in drawings.items():
        designed = encode(draw())
        for scale in SCALES:
            rows = draw(scale)
            path = "%s/%s_%d.bmp" % (SCALED_FOLDER, name[:-4], len(rows[0]))
            files[path] = encode(rows)
            lines.append('PICTURE_%08X_%d RCDATA "%s"\n' % (fnv1a(designed), len(rows[0]), path))
    files[SCALED_LIST] = "".join(lines).encode("ascii")
    return files


def write_files(out, preview):
    out.mkdir(parents=True, exist_ok=True)
    shown = form_pictures()
    files = {name: data for name, (data, _) in shown.items()}
    icons = [pictures.icon(size) for size in ICON_SIZES]
    files["morvi.ico"] = image_files.ico(icons)
    for name, (draw, encode) in spin_arrows().items():
        files[name] = encode(draw())
    files.update(scaled_files(shown))
    (out / SCALED_FOLDER).mkdir(exist_ok=True)
    for name, data in files.items():
        (out / name).write_bytes(data)
    if preview:
        write_previews(preview, shown, icons)


def _enlarged(rows, factor):
    return [[p for p in row for _ in range(factor)] for row in rows for _ in range(factor)]


def write_previews(folder, shown, icons):
    folder.mkdir(parents=True, exist_ok=True)
    for name, (_, rows) in shown.items():
        (folder / name.replace(".bmp", ".png")).write_bytes(image_files.png(_enlarged(rows, 4)))
    for rows in icons:
        factor = max(1, 256 // len(rows))
        (folder / ("icon%d.png" % len(rows))).write_bytes(image_files.png(_enlarged(rows, factor)))


def embed_into(path):
    bmp = {name: data for name, (data, _) in form_pictures().items()}
    text = path.read_text(encoding="utf-8")
    updated, missing = form_embed.embed(text, {obj: bmp[f] for obj, f in FORM_PICTURES.items()})
    for name in missing:
        print("warning: %s: no Picture.Data for %s, left unchanged" % (path, name), file=sys.stderr)
    if updated != text:
        with open(path, "w", encoding="utf-8", newline="") as f:
            f.write(updated)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", type=pathlib.Path, default=RESOURCES)
    parser.add_argument("--preview", type=pathlib.Path)
    parser.add_argument("--embed", type=pathlib.Path, metavar="FILE")
    args = parser.parse_args()
    if args.embed:
        embed_into(args.embed)
    else:
        write_files(args.out, args.preview)


if __name__ == "__main__":
    main()
