// A window designed at 96 dots per inch shown at another DPI: every length of
// its description (positions, sizes, font heights, margins, spacing, radii,
// offsets) multiplied by dpi / 96 with one rounding. Portable.
#pragma once

#include <cstdint>
#include <string_view>

#include "framework/desc/description.h"

namespace desc {

inline constexpr int kDesignDpi = 96;

// The one rounding of every scaled length: v × dpi / 96 to the nearest
// integer, a half away from zero (as Windows' MulDiv scales font heights), so
// -11 gives -17 at 144 dpi and 497 gives 746.
int scaleLength(std::int64_t designed, int dpi);

// Whether a property of the description holds a length in pixels.
bool isLength(std::string_view property);

// The description with every length scaled to `dpi`. A length the object
// does not write (its class's default, such as a glow button's notes font
// height) is written scaled when scaling changes it.
Object scaledToDpi(const Object& root, const Schema& schema, int dpi);

}  // namespace desc
