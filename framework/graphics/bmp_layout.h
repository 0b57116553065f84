// Where the parts of a BMP file lie, checked against the file's length so
// that GDI is never handed a header that promises more bytes than there are.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace fw {

struct BmpLayout {
  int width = 0;
  int height = 0;               // always positive; the header's sign says top-down
  std::size_t infoOffset = 14;  // the info header, colour masks and table follow
  std::size_t bitsOffset = 0;
};

// The layout of a BMP file that GDI can draw (1, 4, 8, 16, 24 or 32 bits,
// uncompressed, RLE or bit fields; core or info headers), or nothing when the
// file is truncated, lies about its parts or is larger than
// kMaxBmpPixels pixels.
inline constexpr std::int64_t kMaxBmpPixels = std::int64_t{1} << 24;
std::optional<BmpLayout> bmpLayout(std::span<const std::uint8_t> file);

}  // namespace fw
