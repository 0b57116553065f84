#include "gdip/keyed_bitmap.h"

#include "framework/graphics/bitmap.h"

namespace gdip {

std::optional<KeyedBitmap> KeyedBitmap::fromBmp(std::span<const std::uint8_t> file, std::optional<Argb> key) {
  fw::Bitmap bitmap;
  if (!bitmap.loadFromBytes(file)) return std::nullopt;
  return fromPixels({bitmap.width(), bitmap.height(), bitmap.keyedPixels(key)});
}

std::optional<KeyedBitmap> KeyedBitmap::fromPixels(fw::Pixels pixels) {
  if (pixels.argb.empty()) return std::nullopt;
  KeyedBitmap keyed(pixels.width, pixels.height, std::move(pixels.argb));
  if (keyed.image_.status() != Gdiplus::Ok || !keyed.image_) return std::nullopt;
  return keyed;
}

KeyedBitmap::KeyedBitmap(int width, int height, std::vector<std::uint32_t> pixels)
    : width_(width),
      height_(height),
      pixels_(std::move(pixels)),
      image_(BitmapImage::over(width, height, width * 4, PixelFormat32bppPARGB,
                               reinterpret_cast<BYTE*>(pixels_.data()))) {}

GpStatus KeyedBitmap::draw(Graphics& graphics, int x, int y) const {
  return graphics.drawImage(image_, RectF(REAL(x), REAL(y), REAL(width_), REAL(height_)));
}

}  // namespace gdip
