// The resampler that draws a picture at a size it has no drawn form for.
#include <gtest/gtest.h>

#include <functional>

#include "framework/graphics/resample.h"

namespace {

using PixelAt = std::function<std::uint32_t(int x, int y)>;

fw::Pixels image(int w, int h, const PixelAt& at) {
  fw::Pixels p{w, h, {}};
  for (int i = 0; i < w * h; ++i) p.argb.push_back(at(i % w, i / w));
  return p;
}

int channel(std::uint32_t p, int shift) { return int(p >> shift & 0xFF); }

TEST(Resample, MakesEachSizeFromTheWholePicture) {
  const PixelAt gradient = [](int x, int y) { return 0xFF000000u | std::uint32_t(x * 40) << 16 | std::uint32_t(y * 60); };
  const PixelAt flat = [](int, int) { return 0x80402010u; };
  const struct {
    const char* what;
    fw::Pixels source;
    int width, height;
    PixelAt expected;  // per channel, within the tolerance
    int tolerance;
  } cases[] = {
      {"one colour, half see-through, stays so larger", image(3, 3, flat), 7, 5, flat, 0},
      {"and smaller", image(5, 4, flat), 2, 3, flat, 0},
      {"the same size keeps the pixels", image(5, 4, gradient), 5, 4, gradient, 0},
      // One white column in three: taking one pixel in three would give all
      // black; the widened filter gives grey (off by the repeated edge).
      {"a third of the size averages", image(9, 2, [](int x, int) { return x % 3 ? 0xFF000000u : 0xFFFFFFFFu; }), 3,
       1, [](int, int) { return 0xFF555555u; }, 30},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const fw::Pixels out = fw::resample(c.source, c.width, c.height);
    ASSERT_EQ(out.argb.size(), std::size_t(c.width * c.height));
    for (int i = 0; i < c.width * c.height; ++i)
      for (int shift : {24, 16, 8, 0})
        EXPECT_NEAR(channel(out.argb[i], shift), channel(c.expected(i % c.width, i / c.width), shift), c.tolerance);
  }
  EXPECT_TRUE(fw::resample(image(2, 2, gradient), 0, 3).argb.empty());
}

// See-through, see-through, red, black, made 9 wide: the first third, between
// see-through and red alone, stays pure red however faint (no dark fringe),
// and the overshoot beside black never leaves red above its alpha (a speck).
TEST(Resample, EdgesBlendWithoutFringeOrSpeck) {
  const auto source = [](int x, int) { return x < 2 ? 0u : x == 2 ? 0xFFFF0000u : 0xFF000000u; };
  const fw::Pixels out = fw::resample(image(4, 1, source), 9, 1);
  for (int i = 0; i < 9; ++i) {
    const std::uint32_t p = out.argb[i];
    EXPECT_EQ(p & 0xFFFF, 0u) << i;
    EXPECT_LE(channel(p, 16), channel(p, 24)) << i;
    if (i < 3) {
      EXPECT_EQ(channel(p, 16), channel(p, 24)) << i;
    }
  }
}

}  // namespace
