#include "gdip/keyed_bitmap.h"

#include "framework/graphics/bitmap.h"

namespace gdip {

std::optional<KeyedBitmap> KeyedBitmap::fromBmp(std::span<const std::uint8_t> file, std::optional<Argb> key) {
  fw::Bitmap bitmap;
  if (!bitmap.loadFromBytes(file)) return std::nullopt;
  return fromPixels({bitmap.width(), bitmap.height(), bitmap.keyedPixels(key)});
}

std::optional<KeyedBitmap> KeyedBitmap::fromPixels(const fw::Pixels& pixels) {
  fw::AlphaBitmap held(pixels);
  if (held.empty()) return std::nullopt;
  KeyedBitmap keyed(std::move(held));
  if (keyed.image_.status() != Gdiplus::Ok || !keyed.image_) return std::nullopt;
  return keyed;
}

KeyedBitmap::KeyedBitmap(fw::AlphaBitmap pixels)
    : pixels_(std::move(pixels)),
      image_(BitmapImage::over(pixels_.width(), pixels_.height(), pixels_.width() * 4, PixelFormat32bppPARGB,
                               reinterpret_cast<BYTE*>(pixels_.pixels()))) {}

GpStatus KeyedBitmap::draw(Graphics& graphics, int x, int y) const {
  return graphics.drawImage(image_, RectF(REAL(x), REAL(y), REAL(width()), REAL(height())));
}

}  // namespace gdip
