#!/usr/bin/env python3
"""Draws the program's pictures and writes them as the files it carries.

  make_resources.py                 rewrite the pictures, icon and glyphs in resources/
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


def form_pictures():
    """File name -> (bytes, rows of (r, g, b)) of the pictures the window shows."""
    drawn = {
        "print.bmp": pictures.print_button(),
        "scale.bmp": pictures.scale_button(),
        "help.bmp": pictures.help_button(),
        "web.bmp": pictures.web_button(),
        "logo.bmp": pictures.logo(),
    }
    return {name: (image_files.bmp24(rows), rows) for name, rows in drawn.items()}


def write_files(out, preview):
    out.mkdir(parents=True, exist_ok=True)
    shown = form_pictures()
    files = {name: data for name, (data, _) in shown.items()}
    icons = [pictures.icon(size) for size in ICON_SIZES]
    files["morvi.ico"] = image_files.ico(icons)
    files["spinup.bmp"] = image_files.bmp4(pictures.spin_glyph(up=True))
    files["spindown.bmp"] = image_files.bmp4(pictures.spin_glyph(up=False))
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
