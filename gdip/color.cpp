#include "gdip/color.h"

namespace gdip {

ColorValue resolveColor(ColorValue c, const SystemColorLookup& system) {
  return isSystemColor(c) ? (system(static_cast<int>(c & 0xFF)) & 0xFFFFFF) : c;
}

Argb makeArgb(ColorValue c, std::uint8_t opacity, const SystemColorLookup& system) {
  const ColorValue rgb = resolveColor(c, system);
  const Argb red = rgb & 0xFF, green = (rgb >> 8) & 0xFF, blue = (rgb >> 16) & 0xFF;
  return (Argb{opacity} << 24) | (red << 16) | (green << 8) | blue;
}

}  // namespace gdip
