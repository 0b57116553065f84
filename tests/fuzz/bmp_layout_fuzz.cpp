// The BMP layout check on arbitrary bytes: what it accepts must lie inside
// the file, since GDI is then handed those parts without further checks.
#include <cstddef>
#include <cstdint>
#include <span>

#include "framework/graphics/bmp_layout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto layout = fw::bmpLayout(std::span<const std::uint8_t>(data, size));
  if (!layout) return 0;
  if (layout->width <= 0 || layout->height <= 0) __builtin_trap();
  if (std::int64_t{layout->width} * layout->height > fw::kMaxBmpPixels) __builtin_trap();
  if (layout->infoOffset + 12 > size || layout->bitsOffset > size) __builtin_trap();
  return 0;
}
