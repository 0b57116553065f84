// The ARGB values GDI+ takes, made from the colour values the window
// description stores. Pure arithmetic: the system colours come from a lookup.
#pragma once

#include "framework/desc/color_value.h"

#include <cstdint>
#include <functional>

namespace gdip {

using Argb = std::uint32_t;  // 0xAARRGGBB

// The RGB of a system colour index (what GetSysColor answers), 0x00BBGGRR.
using SystemColorLookup = std::function<std::uint32_t(int index)>;

// The colour with a system colour replaced by its RGB; anything else is
// returned as it is (clNone included).
fw::Color resolveColor(fw::Color c, const SystemColorLookup& system);

// opacity << 24 | red << 16 | green << 8 | blue, the colour resolved first.
Argb makeArgb(fw::Color c, std::uint8_t opacity, const SystemColorLookup& system);

}  // namespace gdip
