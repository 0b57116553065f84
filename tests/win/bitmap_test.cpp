#include "framework/graphics/bitmap.h"

#include <gtest/gtest.h>

#include "tests/support/canvas.h"
#include "tests/support/image_files.h"

namespace {

using testcanvas::Canvas;
using testcanvas::closeTo;
using testcanvas::kGrey;
using testfiles::Bytes;

constexpr COLORREF kOliveRef = RGB(0x80, 0x80, 0x00);

// 4 × 2: top row red then green, bottom row olive then blue.
Bytes smallBmp() {
  return testfiles::bmp24(4, 2, [](int x, int y) -> std::uint32_t {
    if (y == 0) return x < 2 ? 0xFF0000 : 0x00FF00;
    return x < 2 ? 0x808000 : 0x0000FF;
  });
}

TEST(Bitmap, KeepsItsFileAndReadsItsPixels) {
  fw::Bitmap bitmap;
  int changes = 0;
  bitmap.OnChange = [&] { ++changes; };
  ASSERT_TRUE(bitmap.loadFromBytes(smallBmp()));
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(bitmap.empty());
  EXPECT_EQ(bitmap.width(), 4);
  EXPECT_EQ(bitmap.height(), 2);
  EXPECT_EQ(bitmap.pixel(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(bitmap.pixel(3, 0), RGB(0, 255, 0));
  EXPECT_EQ(bitmap.pixel(3, 1), RGB(0, 0, 255));
  EXPECT_EQ(bitmap.transparentColor(), kOliveRef);
  EXPECT_EQ(bitmap.pixel(4, 0), CLR_INVALID);
  std::vector<std::uint8_t> saved;
  bitmap.saveToStream(saved);
  EXPECT_EQ(saved, smallBmp());
}

TEST(Bitmap, TopDownAndPaletteFilesComeOutTheRightWayUp) {
  Bytes topDown = smallBmp();
  const std::uint32_t minusTwo = static_cast<std::uint32_t>(-2);
  for (int i = 0; i < 4; ++i) topDown[22 + i] = static_cast<std::uint8_t>(minusTwo >> (8 * i));
  fw::Bitmap flipped;
  ASSERT_TRUE(flipped.loadFromBytes(topDown));
  EXPECT_EQ(flipped.pixel(0, 0), kOliveRef);  // the first stored row is now the top
  EXPECT_EQ(flipped.transparentColor(), RGB(255, 0, 0));

  // 2 × 1, 8 bits: palette entries 0 (blue) and 1 (yellow), stored blue-green-red.
  Bytes palette{'B', 'M', 66, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0,
                1, 0, 8, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0,
                255, 0, 0, 0, 0, 255, 255, 0, 1, 0, 0, 0};
  fw::Bitmap indexed;
  ASSERT_TRUE(indexed.loadFromBytes(palette));
  EXPECT_EQ(indexed.pixel(0, 0), RGB(255, 255, 0));
  EXPECT_EQ(indexed.pixel(1, 0), RGB(0, 0, 255));
}

TEST(Bitmap, AnythingElseLeavesItEmpty) {
  fw::Bitmap bitmap;
  ASSERT_TRUE(bitmap.loadFromBytes(smallBmp()));
  const Bytes png = testfiles::pngRgb(2, 2, [](int, int) { return 0u; });
  EXPECT_FALSE(bitmap.loadFromBytes(png));
  EXPECT_TRUE(bitmap.empty());
  EXPECT_EQ(bitmap.width(), 0);
  std::vector<std::uint8_t> saved;
  bitmap.saveToStream(saved);
  EXPECT_TRUE(saved.empty());
  Canvas canvas(8, 8);
  bitmap.draw(canvas.dc(), RECT{0, 0, 8, 8});
  EXPECT_TRUE(canvas.untouched());
}

TEST(Bitmap, DrawsStretchedOrAtAPointAndLeavesItsColourOutWhenTransparent) {
  fw::Bitmap bitmap;
  ASSERT_TRUE(bitmap.loadFromBytes(smallBmp()));
  Canvas canvas(30, 20);
  bitmap.draw(canvas.dc(), RECT{0, 0, 8, 4});  // twice the size
  EXPECT_TRUE(closeTo(canvas.at(1, 1), 0xFF0000));
  EXPECT_TRUE(closeTo(canvas.at(7, 1), 0x00FF00));
  EXPECT_TRUE(closeTo(canvas.at(3, 3), 0x808000));  // drawn: not transparent
  EXPECT_TRUE(closeTo(canvas.at(9, 1), kGrey));

  bitmap.setTransparent(true);
  bitmap.drawAt(canvas.dc(), 10, 10);  // its own size
  EXPECT_TRUE(closeTo(canvas.at(10, 10), 0xFF0000));
  EXPECT_TRUE(closeTo(canvas.at(13, 11), 0x0000FF));
  EXPECT_TRUE(closeTo(canvas.at(11, 11), kGrey));  // olive left out
  EXPECT_TRUE(closeTo(canvas.at(14, 10), kGrey));
}

}  // namespace
