// A bitmap picture made from the bytes of a BMP file. It keeps the bytes (so
// that it can save itself unchanged) and a 32-bit copy of its pixels to draw
// from. Drawn transparent, the colour of its bottom-left pixel is left out.
#pragma once

#include "framework/graphics/gdi.h"
#include "framework/graphics/graphic.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace fw {

class Bitmap : public Graphic {
 public:
  // Takes a BMP file. Anything GDI cannot draw (another format, a truncated
  // or lying file) leaves the bitmap empty and returns false.
  bool loadFromBytes(std::span<const std::uint8_t> file);

  // Stretches the bitmap into the rectangle.
  void draw(HDC dc, const RECT& rect) override;
  bool empty() const override { return !section_; }
  int width() const override { return width_; }
  int height() const override { return height_; }
  void saveToStream(std::vector<std::uint8_t>& out) const override;

  // The colour at a pixel, 0x00BBGGRR; (0, height - 1) is the automatic
  // transparent colour.
  COLORREF pixel(int x, int y) const;
  COLORREF transparentColor() const { return pixel(0, height_ - 1); }
  // All the pixels, top row first, each 0xAARRGGBB (alpha as the file gave it).
  std::span<const std::uint32_t> pixels() const {
    return {pixels_, pixels_ ? static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) : 0};
  }
  // The pixels as premultiplied ARGB with one colour left out, wholly
  // transparent, and every other one opaque: `key` (0x00RRGGBB), or the
  // bottom-left pixel's colour when none is given. Empty when the bitmap is.
  std::vector<std::uint32_t> keyedPixels(std::optional<std::uint32_t> key) const;

 private:
  std::vector<std::uint8_t> file_;
  GdiObject<HBITMAP> section_;             // 32-bit top-down copy of the pixels
  const std::uint32_t* pixels_ = nullptr;  // its memory, owned by the section
  int width_ = 0;
  int height_ = 0;
};

}  // namespace fw
