#include "gdip/argb.h"

namespace gdip {

fw::Color resolveColor(fw::Color c, const SystemColorLookup& system) {
  return c.isSystem() ? fw::Color{system(c.systemIndex()) & 0xFFFFFF} : c;
}

Argb makeArgb(fw::Color c, std::uint8_t opacity, const SystemColorLookup& system) {
  const std::uint32_t rgb = resolveColor(c, system).value;
  const Argb red = rgb & 0xFF, green = (rgb >> 8) & 0xFF, blue = (rgb >> 16) & 0xFF;
  return (Argb{opacity} << 24) | (red << 16) | (green << 8) | blue;
}

}  // namespace gdip
