#include "framework/graphics/bitmap.h"

#include "framework/graphics/bmp_layout.h"

#include <memory>
#include <type_traits>

namespace fw {
namespace {

COLORREF fromBgra(std::uint32_t p) {
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

}  // namespace

bool Bitmap::loadFromBytes(std::span<const std::uint8_t> file) {
  section_.reset();
  pixels_ = nullptr;
  width_ = height_ = 0;
  file_.assign(file.begin(), file.end());

  const auto layout = bmpLayout(file_);
  if (layout) {
    BITMAPINFO target{};
    target.bmiHeader = {sizeof(BITMAPINFOHEADER), layout->width, -layout->height, 1, 32, BI_RGB};
    void* bits = nullptr;
    section_.reset(CreateDIBSection(nullptr, &target, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (section_) {
      // GDI converts every depth and compression into the 32-bit copy.
      MemoryDc memory(nullptr, section_.get());
      const auto* info = reinterpret_cast<const BITMAPINFO*>(file_.data() + layout->infoOffset);
      const int rows = StretchDIBits(memory.get(), 0, 0, layout->width, layout->height, 0, 0,
                                     layout->width, layout->height, file_.data() + layout->bitsOffset,
                                     info, DIB_RGB_COLORS, SRCCOPY);
      if (rows > 0) {
        GdiFlush();
        pixels_ = static_cast<const std::uint32_t*>(bits);
        width_ = layout->width;
        height_ = layout->height;
      } else {
        section_.reset();
      }
    }
  }
  if (!section_) file_.clear();
  changed();
  return static_cast<bool>(section_);
}

void Bitmap::draw(HDC dc, const RECT& rect) {
  if (!section_) return;
  MemoryDc memory(dc, section_.get());
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (transparent()) {
    TransparentBlt(dc, rect.left, rect.top, w, h, memory.get(), 0, 0, width_, height_,
                   transparentColor());
  } else {
    const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, rect.left, rect.top, w, h, memory.get(), 0, 0, width_, height_, SRCCOPY);
    SetStretchBltMode(dc, oldMode);
  }
}

void Bitmap::saveToStream(std::vector<std::uint8_t>& out) const {
  out.insert(out.end(), file_.begin(), file_.end());
}

std::vector<std::uint32_t> Bitmap::keyedPixels(std::optional<std::uint32_t> key) const {
  constexpr std::uint32_t rgb = 0x00FFFFFF;
  const std::span<const std::uint32_t> source = pixels();
  if (source.empty()) return {};
  const std::uint32_t leftOut = (key ? *key : source[std::size_t(height_ - 1) * width_]) & rgb;
  std::vector<std::uint32_t> keyed(source.size());
  for (std::size_t i = 0; i < source.size(); ++i)
    keyed[i] = (source[i] & rgb) == leftOut ? 0 : 0xFF000000 | (source[i] & rgb);
  return keyed;
}

COLORREF Bitmap::pixel(int x, int y) const {
  if (!pixels_ || x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  return fromBgra(pixels_[static_cast<std::size_t>(y) * width_ + x]);
}

}  // namespace fw
