// The pixel size of an image file read from its header alone, without
// decoding it. The bytes can come from any file: a truncated, lying or
// hostile file gives 0 × 0, and no reader looks outside the span.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace gdip {

enum class ImageFormat { Unknown, Jpeg, Png, Bmp, Tiff, Gif };

struct ImageSize {
  int width = 0;
  int height = 0;
  bool operator==(const ImageSize&) const = default;
};

// The format a file name's extension stands for, in any letter case
// (.jpg .jpeg .png .bmp .tif .tiff .gif).
ImageFormat formatFromFileName(std::wstring_view fileName);

// The size in the header of a file of that format; 0 × 0 when the file is
// not one (or the format is Unknown).
ImageSize headerSize(ImageFormat format, std::span<const std::uint8_t> file);

}  // namespace gdip
