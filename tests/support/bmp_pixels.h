// The pixels of a BMP file, read where fw::bmpLayout finds them: 24 bits a
// pixel, or 4 with a colour table, rows bottom-up or top-down.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "framework/graphics/bmp_layout.h"

namespace testfiles {

class BmpPixels {
 public:
  explicit BmpPixels(std::vector<std::uint8_t> file)
      : data(std::move(file)), layout_(fw::bmpLayout(std::span<const std::uint8_t>(data))) {}

  int width() const { return layout_ ? layout_->width : 0; }
  int height() const { return layout_ ? layout_->height : 0; }
  int bits() const { return layout_ ? int(field(layout_->infoOffset + 14, 2)) : 0; }
  std::size_t bitsOffset() const { return layout_ ? layout_->bitsOffset : 0; }
  std::size_t rowBytes() const { return (std::size_t(width()) * bits() + 31) / 32 * 4; }

  // 0x00RRGGBB of column x, row y from the top.
  std::uint32_t at(int x, int y) const {
    const bool topDown = static_cast<std::int32_t>(field(layout_->infoOffset + 8, 4)) < 0;
    const std::size_t row = layout_->bitsOffset + (topDown ? y : height() - 1 - y) * rowBytes();
    if (bits() == 24) return field(row + x * 3, 3);
    const int nibble = x % 2 ? data.at(row + x / 2) & 15 : data.at(row + x / 2) >> 4;
    // The colour table follows the info header, four bytes an entry.
    return field(layout_->infoOffset + field(layout_->infoOffset, 4) + nibble * 4, 3);
  }

  // A little-endian field of `size` bytes of the file.
  std::uint32_t field(std::size_t at, int size) const {
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) v = v << 8 | data.at(at + i);
    return v;
  }

  const std::vector<std::uint8_t> data;

 private:
  std::optional<fw::BmpLayout> layout_;
};

}  // namespace testfiles
