#include "framework/graphics/larger_form.h"

#include <cstdio>

namespace fw {

std::uint32_t fnv1a(std::span<const std::uint8_t> bytes) {
  std::uint32_t h = 0x811C9DC5u;
  for (const std::uint8_t b : bytes) h = (h ^ b) * 0x01000193u;
  return h;
}

std::wstring largerFormName(std::span<const std::uint8_t> file, int width) {
  char name[32];
  std::snprintf(name, sizeof name, "PICTURE_%08X_%d", unsigned(fnv1a(file)), width);
  return std::wstring(name, name + std::char_traits<char>::length(name));
}

}  // namespace fw
