#include "gdip/image_header.h"

#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

namespace gdip {
namespace {

using Bytes = std::span<const std::uint8_t>;

// Bounds-checked reads: nothing when the value does not lie wholly inside.
std::optional<std::uint32_t> read(Bytes b, std::size_t at, std::size_t size, bool bigEndian) {
  if (at > b.size() || size > b.size() - at) return std::nullopt;
  std::uint32_t v = 0;
  for (std::size_t i = 0; i < size; ++i) {
    const std::size_t index = bigEndian ? at + i : at + size - 1 - i;
    v = (v << 8) | b[index];
  }
  return v;
}
std::optional<std::uint32_t> le16(Bytes b, std::size_t at) { return read(b, at, 2, false); }
std::optional<std::uint32_t> be16(Bytes b, std::size_t at) { return read(b, at, 2, true); }

bool startsWith(Bytes b, std::string_view prefix) {
  if (b.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (b[i] != static_cast<std::uint8_t>(prefix[i])) return false;
  return true;
}

ImageSize sizeOf(std::optional<std::uint32_t> w, std::optional<std::uint32_t> h) {
  constexpr auto kMax = static_cast<std::uint32_t>(std::numeric_limits<int>::max());
  // A zero side (a JPEG whose height comes later, say) is no size either.
  if (!w || !h || *w == 0 || *h == 0 || *w > kMax || *h > kMax) return {};
  return {static_cast<int>(*w), static_cast<int>(*h)};
}

ImageSize jpegSize(Bytes b) {
  if (!startsWith(b, "\xFF\xD8")) return {};
  std::size_t pos = 2;
  while (pos < b.size()) {
    if (b[pos++] != 0xFF) continue;  // only a 0xFF begins a marker
    while (pos < b.size() && b[pos] == 0xFF) ++pos;  // fill bytes
    if (pos >= b.size()) break;
    const std::uint8_t marker = b[pos++];
    if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) continue;
    if (marker == 0xD9) break;  // end of image before any frame
    const auto length = be16(b, pos);
    if (!length || *length < 2) break;  // the length counts its own two bytes
    if (marker == 0xC0 || marker == 0xC1 || marker == 0xC2) {
      if (*length < 8) break;
      // Length, then sample precision, then height and width.
      const auto height = be16(b, pos + 3), width = be16(b, pos + 5);
      return sizeOf(width, height);
    }
    pos += *length;
  }
  return {};
}

ImageSize pngSize(Bytes b) {
  // Signature, then the IHDR chunk (length 13) whose 32-bit width and
  // height are read by their low halves.
  if (!startsWith(b, "\x89PNG\r\n\x1A\n")) return {};
  if (read(b, 8, 4, true) != 13u || !startsWith(b.subspan(std::min<std::size_t>(12, b.size())), "IHDR"))
    return {};
  return sizeOf(be16(b, 18), be16(b, 22));
}

ImageSize bmpSize(Bytes b) {
  if (!startsWith(b, "BM")) return {};
  const auto infoSize = read(b, 14, 4, false);
  if (infoSize == 12u) return sizeOf(le16(b, 18), le16(b, 20));  // old core header
  if (!infoSize || *infoSize < 40) return {};
  const auto width = read(b, 18, 4, false), height = read(b, 22, 4, false);
  if (!width || !height) return {};
  // A negative height marks a top-down bitmap; the size is its magnitude.
  const auto magnitude = [](std::uint32_t v) {
    return static_cast<std::uint32_t>(std::llabs(static_cast<std::int32_t>(v))) & 0xFFFF;
  };
  if (static_cast<std::int32_t>(*width) < 0) return {};
  return sizeOf(*width & 0xFFFF, magnitude(*height));
}

ImageSize tiffSize(Bytes b) {
  bool bigEndian;
  if (startsWith(b, std::string_view("II*\0", 4))) bigEndian = false;
  else if (startsWith(b, std::string_view("MM\0*", 4))) bigEndian = true;
  else return {};
  const auto directory = read(b, 4, 4, bigEndian);
  if (!directory) return {};
  const auto count = read(b, *directory, 2, bigEndian);
  if (!count) return {};
  constexpr std::size_t kEntry = 12;
  const std::size_t first = std::size_t{*directory} + 2;
  if (std::size_t{*count} * kEntry > b.size() - first) return {};  // read() proved first <= size

  std::optional<std::uint32_t> width, height;
  for (std::size_t i = 0; i < *count; ++i) {
    const std::size_t entry = first + i * kEntry;
    const auto tag = *read(b, entry, 2, bigEndian);
    if (tag != 256 && tag != 257) continue;
    const auto type = *read(b, entry + 2, 2, bigEndian);
    // A SHORT sits in the first two bytes of the value field, a LONG fills it.
    std::uint32_t value;
    if (type == 3) value = *read(b, entry + 8, 2, bigEndian);
    else if (type == 4) value = *read(b, entry + 8, 4, bigEndian);
    else return {};
    // Stored signed by some writers: the magnitude is the size.
    const auto signedValue = type == 4 ? std::int64_t{static_cast<std::int32_t>(value)} : value;
    (tag == 256 ? width : height) = static_cast<std::uint32_t>(std::llabs(signedValue));
  }
  return sizeOf(width, height);
}

ImageSize gifSize(Bytes b) {
  if (!startsWith(b, "GIF87a") && !startsWith(b, "GIF89a")) return {};
  const auto flags = read(b, 10, 1, false);
  if (!flags) return {};
  std::size_t pos = 13;  // header and logical screen descriptor
  if (*flags & 0x80) pos += 3u << ((*flags & 7) + 1);  // global colour table
  // Extensions (introducer, label, sub-blocks ended by a zero size) may come
  // before the first image descriptor.
  while (pos < b.size()) {
    const std::uint8_t block = b[pos];
    if (block == 0x2C) return sizeOf(le16(b, pos + 5), le16(b, pos + 7));
    if (block != 0x21) return {};  // the trailer, or not a GIF block
    pos += 2;
    for (;;) {
      if (pos >= b.size()) return {};
      const std::uint8_t size = b[pos++];
      if (size == 0) break;
      pos += size;
    }
  }
  return {};
}

}  // namespace

ImageFormat formatFromFileName(std::wstring_view fileName) {
  const auto dot = fileName.find_last_of(L'.');
  const auto separator = fileName.find_last_of(L"\\/");
  if (dot == std::wstring_view::npos || (separator != std::wstring_view::npos && separator > dot))
    return ImageFormat::Unknown;
  std::wstring ext(fileName.substr(dot));
  for (auto& c : ext)
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  if (ext == L".JPG" || ext == L".JPEG") return ImageFormat::Jpeg;
  if (ext == L".PNG") return ImageFormat::Png;
  if (ext == L".BMP") return ImageFormat::Bmp;
  if (ext == L".TIF" || ext == L".TIFF") return ImageFormat::Tiff;
  if (ext == L".GIF") return ImageFormat::Gif;
  return ImageFormat::Unknown;
}

ImageSize headerSize(ImageFormat format, std::span<const std::uint8_t> file) {
  switch (format) {
    case ImageFormat::Jpeg: return jpegSize(file);
    case ImageFormat::Png: return pngSize(file);
    case ImageFormat::Bmp: return bmpSize(file);
    case ImageFormat::Tiff: return tiffSize(file);
    case ImageFormat::Gif: return gifSize(file);
    case ImageFormat::Unknown: break;
  }
  return {};
}

}  // namespace gdip
