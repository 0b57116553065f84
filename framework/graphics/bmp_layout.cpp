#include "framework/graphics/bmp_layout.h"

#include <cstdlib>

namespace fw {
namespace {

std::uint32_t u16(std::span<const std::uint8_t> b, std::size_t at) {
  return b[at] | (std::uint32_t{b[at + 1]} << 8);
}
std::uint32_t u32(std::span<const std::uint8_t> b, std::size_t at) {
  return u16(b, at) | (u16(b, at + 2) << 16);
}

enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

bool knownInfoSize(std::uint32_t size) {
  return size == 12 || size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

}  // namespace

std::optional<BmpLayout> bmpLayout(std::span<const std::uint8_t> file) {
  constexpr std::size_t kFileHeader = 14;
  if (file.size() < kFileHeader + 4 || file[0] != 'B' || file[1] != 'M') return std::nullopt;
  const std::uint32_t infoSize = u32(file, kFileHeader);
  if (!knownInfoSize(infoSize) || file.size() < kFileHeader + infoSize) return std::nullopt;

  const bool core = infoSize == 12;
  std::int64_t width, height;
  std::uint32_t planes, bits, compression = kRgb, sizeImage = 0, coloursUsed = 0;
  if (core) {
    width = u16(file, 18);
    height = u16(file, 20);
    planes = u16(file, 22);
    bits = u16(file, 24);
  } else {
    width = static_cast<std::int32_t>(u32(file, 18));
    height = static_cast<std::int32_t>(u32(file, 22));
    planes = u16(file, 26);
    bits = u16(file, 28);
    compression = u32(file, 30);
    sizeImage = u32(file, 34);
    coloursUsed = u32(file, 46);
  }
  const bool topDown = height < 0;
  height = std::llabs(height);
  if (planes != 1 || width <= 0 || height == 0 || width * height > kMaxBmpPixels) return std::nullopt;

  switch (compression) {
    case kRgb:
      if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return std::nullopt;
      break;
    case kRle8:
    case kRle4:
      if (topDown || bits != (compression == kRle8 ? 8u : 4u)) return std::nullopt;
      break;
    case kBitFields:
      if (bits != 16 && bits != 32) return std::nullopt;
      break;
    default:
      return std::nullopt;
  }

  // Colour masks follow a plain info header; the larger headers hold them.
  const std::uint64_t masks = (compression == kBitFields && infoSize == 40) ? 12 : 0;
  const std::uint64_t paletteMax = bits <= 8 ? (std::uint64_t{1} << bits) : 0;
  const std::uint64_t entries = coloursUsed != 0 ? coloursUsed : paletteMax;
  if (bits <= 8 && entries > paletteMax) return std::nullopt;
  const std::uint64_t tableEnd = kFileHeader + infoSize + masks + entries * (core ? 3 : 4);
  const std::uint64_t bitsOffset = u32(file, 10);
  if (tableEnd > bitsOffset || bitsOffset > file.size()) return std::nullopt;

  const std::uint64_t available = file.size() - bitsOffset;
  if (compression == kRle8 || compression == kRle4) {
    // The decoder stops at the stated size of the runs.
    if (sizeImage == 0 || sizeImage > available) return std::nullopt;
  } else {
    const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
    if (stride * static_cast<std::uint64_t>(height) > available) return std::nullopt;
  }
  return BmpLayout{static_cast<int>(width), static_cast<int>(height), kFileHeader,
                   static_cast<std::size_t>(bitsOffset)};
}

}  // namespace fw
