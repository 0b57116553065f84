#include "gdip/objects.h"

namespace gdip {

Argb argb(fw::Color c, std::uint8_t opacity) {
  return makeArgb(c, opacity, [](int index) { return static_cast<std::uint32_t>(GetSysColor(index)); });
}

RectF Graphics::measureString(std::wstring_view text, const Font& font, const RectF& layout,
                              const StringFormat& format) {
  RectF box;
  INT characters = 0, lines = 0;
  keep(flat::GdipMeasureString(native_, text.data(), static_cast<INT>(text.size()), font.get(),
                               &layout, format.get(), &box, &characters, &lines));
  return box;
}

GpStatus Graphics::drawString(std::wstring_view text, const Font& font, const RectF& layout,
                              const StringFormat& format, Gdiplus::GpBrush* brush) {
  return keep(flat::GdipDrawString(native_, text.data(), static_cast<INT>(text.size()), font.get(),
                                   &layout, format.get(), brush));
}

GpStatus Graphics::drawImage(const Image& image, const RectF& dest, const RectF& source,
                             const ImageAttributes& attributes) {
  return keep(flat::GdipDrawImageRectRect(native_, image.get(), dest.X, dest.Y, dest.Width,
                                          dest.Height, source.X, source.Y, source.Width,
                                          source.Height, Gdiplus::UnitPixel, attributes.get(),
                                          nullptr, nullptr));
}

}  // namespace gdip
