// A keyed picture (a BMP file whose bottom-left colour is see-through) shown
// at a size other than its own, as at 150 % or 200 % display scale: the form
// drawn for that size when the program carries one (larger_form.h), else the
// picture resampled (resample.h).
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "framework/graphics/gdi.h"
#include "framework/graphics/resample.h"

namespace fw {

// The bytes of the program's RCDATA resource of that name; none when it has none.
std::optional<std::span<const std::uint8_t>> programResource(const std::wstring& name);

// The form of the picture in `file` drawn `width` pixels wide, when the
// program carries one (larger_form.h names it).
std::optional<std::span<const std::uint8_t>> largerForm(std::span<const std::uint8_t> file, int width);

// Premultiplied ARGB pixels of the picture at width × height; empty when GDI
// cannot read the file.
Pixels keyedAtSize(std::span<const std::uint8_t> file, int width, int height);

// The program's one holder of premultiplied pixels: a DIB section, drawn with
// AlphaBlend at its own size (edges resampled half see-through blend with
// what is behind), whose memory GDI+ can also read in place. Empty when the
// pixels are or GDI has no memory for them.
class AlphaBitmap {
 public:
  explicit AlphaBitmap(const Pixels& pixels);
  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ == 0; }
  // Top row first, width() a row; the section owns them and never moves them.
  std::uint32_t* pixels() const { return pixels_; }
  void draw(HDC dc, int x, int y) const;

 private:
  GdiObject<HBITMAP> section_;
  std::uint32_t* pixels_ = nullptr;
  int width_ = 0, height_ = 0;
};

}  // namespace fw
