#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets: build/fuzz/<target>/.

  tools/make_fuzz_seeds.py [output folder, default build/fuzz]

Seeds are small well-formed inputs (and a few broken ones) that lead the
fuzzer quickly into the deep parts of each parser. Existing files are
replaced; files the fuzzer added to a corpus are left alone.
"""
import pathlib
import struct
import sys
import zlib

ROOT = pathlib.Path(__file__).resolve().parent.parent


def bmp24(width, height):
    stride = (width * 3 + 3) // 4 * 4
    rows = b"".join(  # bottom-up, blue-green-red
        b"".join(bytes((128, y * 40 % 256, x * 40 % 256)) for x in range(width)).ljust(stride, b"\0")
        for y in reversed(range(height)))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 54 + len(rows), 0, 0, 54) + info + rows


def png(width, height):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    raw = b"".join(  # each row: filter "none", then red-green-blue
        b"\0" + b"".join(bytes((x * 60 % 256, y * 60 % 256, 200)) for x in range(width))
        for y in range(height))
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(raw))
            + chunk(b"IEND", b""))


def jpeg(width, height, frame=0xC0):
    app0 = b"\xff\xe0" + struct.pack(">H", 16) + b"JFIF\0\1\1\0\0\1\0\1\0\0"
    sof = bytes((0xFF, frame)) + struct.pack(">HBHHB", 17, 8, height, width, 3)
    sof += b"".join(bytes((c, 0x11, 0)) for c in (1, 2, 3))
    return b"\xff\xd8" + app0 + b"\xff\xd0\xff\xff" + sof + b"\xff\xd9"


def tiff(width, height, big_endian, kind):
    e = ">" if big_endian else "<"
    value = (lambda v: struct.pack(e + "HH", v, 0)) if kind == 3 else (lambda v: struct.pack(e + "I", v))
    entries = b"".join(struct.pack(e + "HHI", tag, kind, 1) + value(v)
                       for tag, v in ((256, width), (257, height), (259, 1)))
    head = (b"MM\0*" if big_endian else b"II*\0") + struct.pack(e + "I", 8)
    return head + struct.pack(e + "H", 3) + entries + b"\0\0\0\0"


def gif(width, height, table):
    flags = 0x81 if table else 0
    out = b"GIF89a" + struct.pack("<HHBBB", width + 3, height + 3, flags, 0, 0)
    if table:
        out += bytes(12)
    out += b"\x21\xfe\x03abc\x00"
    out += b"," + struct.pack("<HHHHB", 0, 0, width, height, 0) + b"\x02\x02\x44\x01\x00;"
    return out


def image_seeds():
    seeds = {}
    for w, h in ((1, 1), (48, 48), (7, 3)):
        seeds[f"{w}x{h}.bmp"] = bmp24(w, h)
        seeds[f"{w}x{h}.png"] = png(w, h)
        seeds[f"{w}x{h}.jpg"] = jpeg(w, h)
        seeds[f"{w}x{h}_progressive.jpg"] = jpeg(w, h, 0xC2)
        seeds[f"{w}x{h}_ii_short.tif"] = tiff(w, h, False, 3)
        seeds[f"{w}x{h}_mm_long.tif"] = tiff(w, h, True, 4)
        seeds[f"{w}x{h}.gif"] = gif(w, h, True)
        seeds[f"{w}x{h}_no_table.gif"] = gif(w, h, False)
    seeds["jpeg_zero_length"] = b"\xff\xd8\xff\xe0\x00\x00"
    seeds["tiff_offset_past_end"] = b"II*\0\xff\xff\0\0"
    seeds["gif_trailer_only"] = b"GIF89a\x01\0\x01\0\0\0\0;"
    seeds["empty"] = b""
    for picture in sorted((ROOT / "resources").glob("*.bmp")):
        seeds[picture.name] = picture.read_bytes()
    return seeds


def description_seeds():
    seeds = {
        "form.desc": (
            'Form1: TForm {\n'
            '  Caption = "R\xc3\xa8gle \\"gradu\xc3\xa9e\\"\\r\\n"\n'
            '  Color = clGradientInactiveCaption\n'
            '  Left = -11\n'
            '  OnCreate = FormCreate\n'
            '}\n').encode("utf-8"),
        "children.desc": (
            'Form1: TForm {\n'
            '  Font.Color = 16711680\n'
            '  RG: TRadioGroup {\n'
            '    Items = [" 1:20", " 1:25"]\n'
            '    ItemIndex = 0\n'
            '    Anchors = [akLeft, akTop]\n'
            '  }\n'
            '  Logo: TImage {\n'
            '    Picture.Data = <\n'
            '      424D3A0000000000000036000000280000000100000001000000010018000000\n'
            '      0000040000000000000000000000000000000000000000FF0000\n'
            '    >\n'
            '    Stretch = true\n'
            '  }\n'
            '}\n').encode("utf-8"),
        "unknown_class.desc": b"X: TNothing {\n}\n",
        "unterminated.desc": b'Form1: TForm {\n  Caption = "open\n',
    }
    form = ROOT / "resources" / "Formmorvi.desc"
    if form.exists():
        seeds["Formmorvi.desc"] = form.read_bytes()
    return seeds


def bmp_seeds():
    seeds = {name: data for name, data in image_seeds().items() if name.endswith(".bmp")}
    # 8 bits with a 2-colour table, and the same as RLE8 runs.
    table = b"\0\0\0\0\xff\xff\xff\0"
    rows = bytes(4) * 2
    info = struct.pack("<IiiHHIIiiII", 40, 3, 2, 1, 8, 0, len(rows), 0, 0, 2, 0)
    seeds["palette.bmp"] = b"BM" + struct.pack("<IHHI", 62 + len(rows), 0, 0, 62) + info + table + rows
    runs = b"\x03\x01\x00\x00\x03\x00\x00\x01"
    info = struct.pack("<IiiHHIIiiII", 40, 3, 2, 1, 8, 1, len(runs), 0, 0, 2, 0)
    seeds["rle8.bmp"] = b"BM" + struct.pack("<IHHI", 62 + len(runs), 0, 0, 62) + info + table + runs
    return seeds


def ini_seeds():
    utf16 = lambda text: b"\xff\xfe" + text.encode("utf-16-le")
    return {
        "crlf.ini": b"; mine\r\n[Morvi]\r\n  Coef = -250 \r\nOrientation=1\r\n\r\n[Imprimantes]\r\nPDF=7\r\n",
        "lf_repeated.ini": b"[morvi]\nCoef=1\ncoef=2\n[Other]\nK='x'\n[MORVI]\nCoef=3",
        "utf8.ini": "[Imprimantes]\nTraceur-\u00c9=33\n".encode("utf-8"),
        "utf8_bom.ini": b"\xef\xbb\xbf[Morvi]\r\nCoef=\"5\"\r\n",
        "utf16.ini": utf16("[Morvi]\r\nCoef=1\r\n[Imprimantes]\r\n\u010a=2"),
        "code_page.ini": b"[Imprimantes]\r\nTraceur-\xc9=33\r\n",
    }


SEEDS = {"image_header_fuzz": image_seeds, "description_fuzz": description_seeds,
         "bmp_layout_fuzz": bmp_seeds, "ini_text_fuzz": ini_seeds}


def main():
    out = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / "build" / "fuzz"
    for target, make in SEEDS.items():
        folder = out / target
        folder.mkdir(parents=True, exist_ok=True)
        seeds = make()
        for name, data in seeds.items():
            (folder / name).write_bytes(data)
        print(f"{target}: {len(seeds)} seeds in {folder}")


if __name__ == "__main__":
    main()
