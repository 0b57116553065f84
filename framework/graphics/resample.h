// A picture redrawn at another size with a smooth filter, for the pictures
// that have no form drawn for the display's scale. Portable.
#pragma once

#include <cstdint>
#include <vector>

namespace fw {

// Premultiplied ARGB pixels (0xAARRGGBB, each colour at most its alpha), top
// row first: the layout GDI+'s PARGB bitmaps and AlphaBlend read.
struct Pixels {
  int width = 0, height = 0;
  std::vector<std::uint32_t> argb;
  bool operator==(const Pixels&) const = default;
};

// The picture at width × height, through a cubic filter (Catmull-Rom), one
// direction after the other. Shrinking widens the filter to the source pixels
// an output pixel covers, so no detail aliases. Being premultiplied, a see-through pixel adds nothing to
// its neighbours: no fringe of its colour appears at the edges. Empty when
// either size is not positive or the source is empty.
Pixels resample(const Pixels& source, int width, int height);

}  // namespace fw
