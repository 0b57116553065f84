// Colour values as the window description stores them, and the ARGB values
// GDI+ takes. Pure arithmetic: the system colours come from a lookup.
#pragma once

#include <cstdint>
#include <functional>

namespace gdip {

// 0x00BBGGRR (red in the low byte); 0x80000000 | index for a system colour.
using ColorValue = std::uint32_t;
using Argb = std::uint32_t;  // 0xAARRGGBB

inline constexpr ColorValue clNone = 0x1FFFFFFF;
inline constexpr ColorValue clBlack = 0x000000;
inline constexpr ColorValue clWhite = 0xFFFFFF;

inline constexpr bool isSystemColor(ColorValue c) { return (c & 0xFF000000) == 0x80000000; }

// The RGB of a system colour index (what GetSysColor answers), 0x00BBGGRR.
using SystemColorLookup = std::function<std::uint32_t(int index)>;

// The colour value with a system colour replaced by its RGB; anything else
// is returned as it is (clNone included).
ColorValue resolveColor(ColorValue c, const SystemColorLookup& system);

// opacity << 24 | red << 16 | green << 8 | blue, the colour resolved first.
Argb makeArgb(ColorValue c, std::uint8_t opacity, const SystemColorLookup& system);

}  // namespace gdip
