// The image header readers on arbitrary bytes, under every format: they must
// stay inside the buffer (the sanitizer watches) and never give a negative
// size or half of one.
#include <cstddef>
#include <cstdint>
#include <span>

#include "gdip/image_header.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> file(data, size);
  for (auto format : {gdip::ImageFormat::Jpeg, gdip::ImageFormat::Png, gdip::ImageFormat::Bmp,
                      gdip::ImageFormat::Tiff, gdip::ImageFormat::Gif}) {
    const gdip::ImageSize s = gdip::headerSize(format, file);
    if (s.width < 0 || s.height < 0) __builtin_trap();
    if ((s.width == 0) != (s.height == 0)) __builtin_trap();
  }
  return 0;
}
