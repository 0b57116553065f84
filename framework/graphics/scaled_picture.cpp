#include "framework/graphics/scaled_picture.h"

#include <algorithm>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/larger_form.h"

namespace fw {
namespace {

Pixels keyed(const Bitmap& bitmap) { return {bitmap.width(), bitmap.height(), bitmap.keyedPixels(std::nullopt)}; }

}  // namespace

std::optional<std::span<const std::uint8_t>> programResource(const std::wstring& name) {
  const HRSRC found = FindResourceW(nullptr, name.c_str(), RT_RCDATA);
  if (!found) return std::nullopt;
  const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(nullptr, found)));
  if (!bytes) return std::nullopt;
  return std::span<const std::uint8_t>(bytes, SizeofResource(nullptr, found));
}

std::optional<std::span<const std::uint8_t>> largerForm(std::span<const std::uint8_t> file, int width) {
  return programResource(largerFormName(file, width));
}

Pixels keyedAtSize(std::span<const std::uint8_t> file, int width, int height) {
  Bitmap bitmap;
  if (const auto form = largerForm(file, width);
      form && bitmap.loadFromBytes(*form) && bitmap.width() == width && bitmap.height() == height)
    return keyed(bitmap);
  if (!bitmap.loadFromBytes(file)) return {};
  return resample(keyed(bitmap), width, height);
}

AlphaBitmap::AlphaBitmap(const Pixels& pixels) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), pixels.width, -pixels.height, 1, 32, BI_RGB};
  void* bits = nullptr;
  section_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!section_ || pixels.argb.empty()) return;
  pixels_ = static_cast<std::uint32_t*>(bits);
  std::copy(pixels.argb.begin(), pixels.argb.end(), pixels_);
  width_ = pixels.width;
  height_ = pixels.height;
}

void AlphaBitmap::draw(HDC dc, int x, int y) const {
  if (!width_) return;
  MemoryDc memory(dc, section_.get());
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, x, y, width_, height_, memory.get(), 0, 0, width_, height_, blend);
}

}  // namespace fw
