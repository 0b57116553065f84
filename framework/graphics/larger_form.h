// Where the program keeps the forms of its pictures drawn for 150 % and 200 %
// display scale (tools/make_resources.py writes them, resources/scaled): an
// RCDATA resource named by the FNV-1a hash of the 96-dpi picture's BMP file
// and the width it was drawn at. A picture replaced in the window
// description hashes otherwise, so it never meets a larger form drawn for the
// one before. Portable.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace fw {

// The 32-bit FNV-1a hash of the bytes.
std::uint32_t fnv1a(std::span<const std::uint8_t> bytes);

// "PICTURE_<hash, 8 upper-case hex digits>_<width>".
std::wstring largerFormName(std::span<const std::uint8_t> file, int width);

}  // namespace fw
