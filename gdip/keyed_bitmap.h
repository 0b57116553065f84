// A BMP picture made ready for GDI+ once, with one colour left out (or
// pixels already premultiplied), then drawn as often as wanted. GDI reads the
// file (every depth and compression it knows), so neither making nor drawing
// it needs GDI+'s image decoders.
#pragma once

#include "framework/graphics/resample.h"
#include "gdip/objects.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace gdip {

class KeyedBitmap {
 public:
  // Nothing when GDI cannot read the file. The colour left out is `key`, or
  // the file's bottom-left pixel when none is given; only red, green and
  // blue are compared.
  static std::optional<KeyedBitmap> fromBmp(std::span<const std::uint8_t> file, std::optional<Argb> key);
  // Pixels already premultiplied (see fw::Bitmap::keyedPixels, fw::resample).
  static std::optional<KeyedBitmap> fromPixels(fw::Pixels pixels);

  int width() const { return width_; }
  int height() const { return height_; }
  // At its own size, its top-left corner at (x, y).
  GpStatus draw(Graphics& graphics, int x, int y) const;

 private:
  KeyedBitmap(int width, int height, std::vector<std::uint32_t> pixels);

  int width_, height_;
  std::vector<std::uint32_t> pixels_;  // premultiplied ARGB, top row first; the image reads them in place
  BitmapImage image_;                  // declared after the pixels, so it goes first
};

}  // namespace gdip
