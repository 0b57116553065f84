#include "gdip/keyed_bitmap.h"

#include "framework/graphics/bitmap.h"

namespace gdip {

std::optional<KeyedBitmap> KeyedBitmap::fromBmp(std::span<const std::uint8_t> file, std::optional<Argb> key) {
  fw::Bitmap bitmap;
  if (!bitmap.loadFromBytes(file)) return std::nullopt;
  constexpr std::uint32_t rgb = 0x00FFFFFF;
  const std::span<const std::uint32_t> source = bitmap.pixels();
  if (source.empty()) return std::nullopt;
  const std::uint32_t leftOut = (key ? *key : source[std::size_t(bitmap.height() - 1) * bitmap.width()]) & rgb;
  std::vector<std::uint32_t> pixels(source.size());
  // A left-out pixel is wholly transparent, every other one opaque.
  for (std::size_t i = 0; i < source.size(); ++i)
    pixels[i] = (source[i] & rgb) == leftOut ? 0 : 0xFF000000 | (source[i] & rgb);
  KeyedBitmap keyed(bitmap.width(), bitmap.height(), std::move(pixels));
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
