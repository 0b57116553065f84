// A keyed picture (a BMP file whose bottom-left colour is see-through) shown
// at a size other than its own, as at 150 % or 200 % display scale: the form
// drawn for that size when the program carries one (larger_form.h), else the
// picture resampled (resample.h).
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

#include "framework/graphics/gdi.h"
#include "framework/graphics/resample.h"

namespace fw {

// Premultiplied ARGB pixels of the picture at width × height; empty when GDI
// cannot read the file.
Pixels keyedAtSize(std::span<const std::uint8_t> file, int width, int height);

// Premultiplied pixels in a DIB section, drawn with AlphaBlend at their own
// size: edges resampled half see-through blend with what is behind.
class AlphaBitmap {
 public:
  explicit AlphaBitmap(const Pixels& pixels);
  int width() const { return width_; }
  int height() const { return height_; }
  void draw(HDC dc, int x, int y) const;

 private:
  GdiObject<HBITMAP> section_;
  int width_ = 0, height_ = 0;
};

}  // namespace fw
