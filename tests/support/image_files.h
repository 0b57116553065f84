// Small image files made byte by byte for the tests: a 24-bit BMP and an
// RGB PNG whose pixels a function gives, and the bare headers of the other
// formats the header readers know.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace testfiles {

using Bytes = std::vector<std::uint8_t>;
// 0x00RRGGBB of the pixel at column x, row y (row 0 at the top).
using PixelAt = std::function<std::uint32_t(int x, int y)>;

inline void putLe(Bytes& b, std::uint32_t v, int size) {
  for (int i = 0; i < size; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
inline void putBe(Bytes& b, std::uint32_t v, int size) {
  for (int i = size - 1; i >= 0; --i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
inline void putText(Bytes& b, std::string_view s) {
  for (char c : s) b.push_back(static_cast<std::uint8_t>(c));
}

// A bottom-up 24-bit BMP with a 40-byte info header.
inline Bytes bmp24(int width, int height, const PixelAt& pixel) {
  const std::uint32_t stride = (width * 3 + 3) / 4 * 4;
  const std::uint32_t size = 54 + stride * height;
  Bytes b;
  putText(b, "BM");
  putLe(b, size, 4);
  putLe(b, 0, 4);
  putLe(b, 54, 4);
  putLe(b, 40, 4);
  putLe(b, width, 4);
  putLe(b, height, 4);
  putLe(b, 1, 2);
  putLe(b, 24, 2);
  putLe(b, 0, 4);  // no compression
  putLe(b, stride * height, 4);
  putLe(b, 2835, 4);
  putLe(b, 2835, 4);
  putLe(b, 0, 4);
  putLe(b, 0, 4);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) putLe(b, pixel(x, y), 3);
    for (std::uint32_t pad = width * 3; pad < stride; ++pad) b.push_back(0);
  }
  return b;
}

inline std::uint32_t crc32(const std::uint8_t* p, std::size_t n) {
  std::uint32_t c = 0xFFFFFFFF;
  for (std::size_t i = 0; i < n; ++i) {
    c ^= p[i];
    for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320 & (0 - (c & 1)));
  }
  return ~c;
}

inline void pngChunk(Bytes& b, std::string_view type, const Bytes& data) {
  putBe(b, static_cast<std::uint32_t>(data.size()), 4);
  const std::size_t start = b.size();
  putText(b, type);
  b.insert(b.end(), data.begin(), data.end());
  putBe(b, crc32(b.data() + start, b.size() - start), 4);
}

// An 8-bit RGB PNG; its pixels go in zlib "stored" (uncompressed) blocks.
inline Bytes pngRgb(int width, int height, const PixelAt& pixel) {
  Bytes raw;
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);  // filter: none
    for (int x = 0; x < width; ++x) putBe(raw, pixel(x, y), 3);
  }
  Bytes zlib{0x78, 0x01};
  for (std::size_t at = 0; at < raw.size() || at == 0;) {
    const std::size_t n = std::min<std::size_t>(raw.size() - at, 65535);
    const bool last = at + n == raw.size();
    zlib.push_back(last ? 1 : 0);
    putLe(zlib, static_cast<std::uint32_t>(n), 2);
    putLe(zlib, static_cast<std::uint32_t>(~n & 0xFFFF), 2);
    zlib.insert(zlib.end(), raw.begin() + at, raw.begin() + at + n);
    at += n;
    if (last) break;
  }
  std::uint32_t a = 1, s = 0;
  for (auto byte : raw) {
    a = (a + byte) % 65521;
    s = (s + a) % 65521;
  }
  putBe(zlib, (s << 16) | a, 4);

  Bytes ihdr;
  putBe(ihdr, width, 4);
  putBe(ihdr, height, 4);
  ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter, no interlace
  Bytes b;
  putText(b, "\x89PNG\r\n\x1A\n");
  pngChunk(b, "IHDR", ihdr);
  pngChunk(b, "IDAT", zlib);
  pngChunk(b, "IEND", {});
  return b;
}

// A baseline JPEG's markers up to the frame header (enough for a header
// reader): start of image, an APP0 segment, a restart marker, the frame.
inline Bytes jpegHeader(int width, int height, std::uint8_t frameMarker = 0xC0) {
  Bytes b{0xFF, 0xD8, 0xFF, 0xE0};
  putBe(b, 16, 2);
  putText(b, std::string_view("JFIF\0\1\1\0\0\1\0\1\0\0", 14));
  b.insert(b.end(), {0xFF, 0xD0, 0xFF, 0xFF, frameMarker});  // standalone marker, fill byte
  putBe(b, 17, 2);
  b.push_back(8);
  putBe(b, height, 2);
  putBe(b, width, 2);
  b.push_back(3);
  for (std::uint8_t c = 1; c <= 3; ++c) b.insert(b.end(), {c, 0x11, 0});
  b.insert(b.end(), {0xFF, 0xD9});
  return b;
}

// A TIFF header and first directory: width and height tags of the given
// type (3 SHORT, 4 LONG), then one unrelated tag.
inline Bytes tiffHeader(int width, int height, bool bigEndian, std::uint16_t type) {
  Bytes b;
  auto put = [&](std::uint32_t v, int size) { bigEndian ? putBe(b, v, size) : putLe(b, v, size); };
  putText(b, bigEndian ? std::string_view("MM\0*", 4) : std::string_view("II*\0", 4));
  put(16, 4);                             // directory after some padding
  b.resize(16, 0xEE);
  put(3, 2);
  auto entry = [&](std::uint16_t tag, std::uint32_t value) {
    put(tag, 2);
    put(type, 2);
    put(1, 4);
    if (type == 3) {
      put(value, 2);
      put(0, 2);
    } else {
      put(value, 4);
    }
  };
  entry(256, width);
  entry(257, height);
  entry(259, 1);
  put(0, 4);  // no next directory
  return b;
}

// A GIF header with or without a global colour table (filled with 0x2C,
// the image separator, to catch a reader that does not skip it), a comment
// extension, then the first image descriptor.
inline Bytes gifHeader(int width, int height, bool colourTable) {
  Bytes b;
  putText(b, "GIF89a");
  putLe(b, width + 7, 2);  // the logical screen differs from the image
  putLe(b, height + 7, 2);
  b.push_back(colourTable ? 0x81 : 0x00);  // 4 colours when present
  b.push_back(0);
  b.push_back(0);
  if (colourTable) b.insert(b.end(), 12, 0x2C);
  b.insert(b.end(), {0x21, 0xFE, 3, 0x2C, 0x2C, 0x2C, 0});  // comment ",,,"
  b.push_back(0x2C);
  putLe(b, 0, 2);
  putLe(b, 0, 2);
  putLe(b, width, 2);
  putLe(b, height, 2);
  b.push_back(0);
  b.push_back(0x3B);
  return b;
}

}  // namespace testfiles
