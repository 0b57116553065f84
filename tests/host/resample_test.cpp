// The resampler that draws a picture at a size it has no drawn form for.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "framework/graphics/resample.h"

namespace {

using fw::Pixels;
using PixelAt = std::function<std::uint32_t(int x, int y)>;

Pixels image(int w, int h, const PixelAt& at) {
  Pixels p{w, h, {}};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.argb.push_back(at(x, y));
  return p;
}

int channel(std::uint32_t p, int shift) { return int(p >> shift & 0xFF); }

struct Case {
  const char* what;
  Pixels source;
  int width, height;
  PixelAt expected;
  int tolerance;  // per channel
};

TEST(Resample, MakesEachSizeFromTheWholePicture) {
  const PixelAt gradient = [](int x, int y) { return 0xFF000000u | std::uint32_t(x * 40) << 16 | std::uint32_t(y * 60); };
  // One white column in three: a shrink to a third that took one pixel in
  // three would show only black or only white; the filter, widened, gives
  // grey (off 85 by the edge pixels, which repeat past the edge).
  const PixelAt stripes = [](int x, int) { return x % 3 ? 0xFF000000u : 0xFFFFFFFFu; };
  const Case cases[] = {
      {"one colour stays that colour, larger", image(3, 3, [](int, int) { return 0xFF3366CCu; }), 7, 5,
       [](int, int) { return 0xFF3366CCu; }, 0},
      {"half see-through stays so, smaller", image(5, 4, [](int, int) { return 0x80402010u; }), 2, 3,
       [](int, int) { return 0x80402010u; }, 0},
      {"the same size gives the same pixels", image(5, 4, gradient), 5, 4, gradient, 0},
      {"a third of the size averages the stripes", image(9, 2, stripes), 3, 1,
       [](int, int) { return 0xFF555555u; }, 30},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Pixels out = fw::resample(c.source, c.width, c.height);
    ASSERT_EQ(out.width, c.width);
    ASSERT_EQ(out.height, c.height);
    ASSERT_EQ(out.argb.size(), std::size_t(c.width * c.height));
    for (int y = 0; y < c.height; ++y)
      for (int x = 0; x < c.width; ++x)
        for (int shift : {24, 16, 8, 0})
          EXPECT_NEAR(channel(out.argb[y * c.width + x], shift), channel(c.expected(x, y), shift), c.tolerance)
              << "pixel " << x << "," << y << " shift " << shift;
  }
  EXPECT_TRUE(fw::resample(image(2, 2, gradient), 0, 3).argb.empty());
}

// A see-through pixel beside red must not darken or tint the red edge that
// blends into it, and the filter's overshoot never gives a colour above its
// alpha (which AlphaBlend and GDI+ would show as a bright speck).
TEST(Resample, EdgesBlendWithoutFringeOrOvershoot) {
  const Pixels source = image(4, 1, [](int x, int) { return x < 2 ? 0u : 0xFFFF0000u; });
  for (int width : {3, 6, 9}) {
    SCOPED_TRACE(width);
    const Pixels out = fw::resample(source, width, 1);
    int previous = 0;
    for (std::uint32_t p : out.argb) {
      EXPECT_EQ(channel(p, 16), channel(p, 24)) << std::hex << p;
      EXPECT_EQ(p & 0xFFFF, 0u) << std::hex << p;
      EXPECT_GE(channel(p, 24), previous - 20) << "alpha rises across the edge";
      previous = channel(p, 24);
    }
    EXPECT_EQ(out.argb.front(), 0u);
    EXPECT_EQ(out.argb.back(), 0xFFFF0000u);
  }
}

}  // namespace
