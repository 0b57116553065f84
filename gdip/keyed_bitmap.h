// A BMP picture made ready for GDI+ once, with one colour left out (or
// pixels already premultiplied), then drawn as often as wanted. GDI reads the
// file (every depth and compression it knows), so neither making nor drawing
// it needs GDI+'s image decoders; GDI+ reads the pixels where the program's
// one holder of them (fw::AlphaBitmap) keeps them.
#pragma once

#include "framework/graphics/resample.h"
#include "framework/graphics/scaled_picture.h"
#include "gdip/objects.h"

#include <cstdint>
#include <optional>
#include <span>

namespace gdip {

class KeyedBitmap {
 public:
  // Nothing when GDI cannot read the file. The colour left out is `key`, or
  // the file's bottom-left pixel when none is given; only red, green and
  // blue are compared.
  static std::optional<KeyedBitmap> fromBmp(std::span<const std::uint8_t> file, std::optional<Argb> key);
  // Pixels already premultiplied (see fw::Bitmap::keyedPixels, fw::resample).
  static std::optional<KeyedBitmap> fromPixels(const fw::Pixels& pixels);

  int width() const { return pixels_.width(); }
  int height() const { return pixels_.height(); }
  // At its own size, its top-left corner at (x, y).
  GpStatus draw(Graphics& graphics, int x, int y) const;

 private:
  explicit KeyedBitmap(fw::AlphaBitmap pixels);

  fw::AlphaBitmap pixels_;  // the image reads them in place, where a move leaves them
  BitmapImage image_;       // declared after the pixels, so it goes first
};

}  // namespace gdip
