"""Writers for the file formats the program carries: BMP (24 and 4 bits),
ICO with 32-bit entries, and PNG (for the largest icon image and previews).

PNG data is compressed by a tiny deflate of our own (greedy matching,
fixed codes) rather than zlib.compress, whose output differs between zlib builds:
the committed files must come out byte for byte the same everywhere.
"""

import struct
import zlib

# The Windows 16-colour palette, in its usual index order.
VGA_PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def _row_padding(row_bytes):
    return (-row_bytes) % 4


def _info_header(width, height, bits, image_size, colours=0):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0,
                       image_size, 0, 0, colours, 0)


def _file_header(total, offset):
    return b"BM" + struct.pack("<IHHI", total, 0, 0, offset)


def bmp24(rows):
    """Uncompressed bottom-up 24-bit BMP from rows of (r, g, b), top first."""
    height, width = len(rows), len(rows[0])
    pad = bytes(_row_padding(width * 3))
    bits = b"".join(bytes(c for r, g, b in row for c in (b, g, r)) + pad
                    for row in reversed(rows))
    offset = 14 + 40
    return _file_header(offset + len(bits), offset) + _info_header(width, height, 24, len(bits)) + bits


def bmp4(rows, palette=VGA_PALETTE):
    """Uncompressed bottom-up 4-bit BMP from rows of palette indexes."""
    height, width = len(rows), len(rows[0])
    packed_width = (width + 1) // 2
    bits = b""
    for row in reversed(rows):
        nibbles = list(row) + [0] * (width % 2)
        bits += bytes(nibbles[i] << 4 | nibbles[i + 1] for i in range(0, len(nibbles), 2))
        bits += bytes(_row_padding(packed_width))
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + 40 + len(table)
    return (_file_header(offset + len(bits), offset)
            + _info_header(width, height, 4, len(bits), len(palette)) + table + bits)


def _icon_bmp(rows):
    """An icon entry as a 32-bit DIB (height doubled for the AND mask) with
    its mask, set where the pixel is fully transparent."""
    size = len(rows)
    colour = b"".join(bytes(c for r, g, b, a in row for c in (b, g, r, a)) for row in reversed(rows))
    mask_row = (size + 31) // 32 * 4
    mask = b""
    for row in reversed(rows):
        bits = 0
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits |= 1 << (mask_row * 8 - 1 - x)
        mask += bits.to_bytes(mask_row, "big")
    return _info_header(size, size * 2, 32, len(colour) + len(mask)) + colour + mask


def ico(images):
    """ICO file from square RGBA images (rows of (r, g, b, a)); the 256-pixel
    image is stored as PNG, as Windows Vista and later expect."""
    entries = [png(rows) if len(rows) == 256 else _icon_bmp(rows) for rows in images]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for rows, data in zip(images, entries):
        side = len(rows) % 256  # 0 stands for 256
        directory += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return directory + b"".join(entries)


# --- PNG ---------------------------------------------------------------------

def _chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def _filtered(raw_rows, stride):
    """Each row with the filter (none, sub or up) that leaves the smallest
    residue, which makes flat areas into long runs of zeros."""
    out, previous = b"", bytes(len(raw_rows[0]))
    for row in raw_rows:
        candidates = [
            (0, row),
            (1, bytes((row[i] - (row[i - stride] if i >= stride else 0)) & 255 for i in range(len(row)))),
            (2, bytes((row[i] - previous[i]) & 255 for i in range(len(row)))),
        ]
        kind, data = min(candidates, key=lambda c: (sum(min(v, 256 - v) for v in c[1]), c[0]))
        out += bytes((kind,)) + data
        previous = row
    return out


def png(rows):
    """8-bit RGBA PNG from rows of (r, g, b, a) or RGB PNG from (r, g, b)."""
    height, width, channels = len(rows), len(rows[0]), len(rows[0][0])
    raw_rows = [bytes(c for pixel in row for c in pixel) for row in rows]
    stream = _deflate_zlib(_filtered(raw_rows, channels))
    colour_type = 6 if channels == 4 else 2
    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", header) + _chunk(b"IDAT", stream)
            + _chunk(b"IEND", b""))


class _BitWriter:
    def __init__(self):
        self.out, self.acc, self.count = bytearray(), 0, 0

    def bits(self, value, n):
        """Least significant bit first, as deflate packs numbers."""
        self.acc |= value << self.count
        self.count += n
        while self.count >= 8:
            self.out.append(self.acc & 255)
            self.acc >>= 8
            self.count -= 8

    def code(self, value, n):
        """Huffman codes go most significant bit first."""
        self.bits(int(format(value, "0%db" % n)[::-1], 2), n)

    def flush(self):
        if self.count:
            self.out.append(self.acc & 255)
        return bytes(self.out)


_LENGTH_BASE = [3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31, 35, 43, 51, 59,
                67, 83, 99, 115, 131, 163, 195, 227, 258]
_LENGTH_EXTRA = [0] * 8 + [1] * 4 + [2] * 4 + [3] * 4 + [4] * 4 + [5] * 4 + [0]


def _literal_code(w, symbol):
    """The fixed Huffman code of a literal/length symbol."""
    if symbol < 144:
        w.code(0x30 + symbol, 8)
    elif symbol < 256:
        w.code(0x190 + symbol - 144, 9)
    elif symbol < 280:
        w.code(symbol - 256, 7)
    else:
        w.code(0xC0 + symbol - 280, 8)


_DISTANCE_BASE = [1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129, 193, 257, 385, 513, 769,
                  1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577]
_DISTANCE_EXTRA = [0, 0, 0, 0] + [n // 2 for n in range(2, 28)]
_WINDOW, _CHAIN = 32768, 8


def _code_for(bases, value):
    return max(k for k, base in enumerate(bases) if base <= value)


def _longest_match(data, i, candidates):
    """(length, distance) of the longest earlier copy of the bytes at i among
    the latest positions that start with the same three bytes."""
    best, distance = 0, 0
    limit = min(258, len(data) - i)
    for j in reversed(candidates[-_CHAIN:]):
        if i - j > _WINDOW:
            break
        length = 3
        while length < limit and data[j + length] == data[i + length]:
            length += 1
        if length > best:
            best, distance = length, i - j
            if length == limit:
                break
    return best, distance


def _deflate_zlib(data):
    """zlib stream of one fixed-code deflate block, greedy LZ77 matching."""
    w = _BitWriter()
    w.bits(1, 1)  # last block
    w.bits(1, 2)  # fixed codes
    seen = {}
    i = 0
    while i < len(data):
        key = data[i:i + 3]
        length, distance = _longest_match(data, i, seen.get(key, [])) if len(key) == 3 else (0, 0)
        if length >= 3:
            code = _code_for(_LENGTH_BASE, length)
            _literal_code(w, 257 + code)
            w.bits(length - _LENGTH_BASE[code], _LENGTH_EXTRA[code])
            code = _code_for(_DISTANCE_BASE, distance)
            w.code(code, 5)
            w.bits(distance - _DISTANCE_BASE[code], _DISTANCE_EXTRA[code])
        else:
            _literal_code(w, data[i])
            length = 1
        for k in range(i, min(i + length, len(data) - 2)):
            seen.setdefault(data[k:k + 3], []).append(k)
        i += length
    _literal_code(w, 256)
    stream = b"\x78\x01" + w.flush() + struct.pack(">I", zlib.adler32(data))
    assert zlib.decompress(stream) == data
    return stream
