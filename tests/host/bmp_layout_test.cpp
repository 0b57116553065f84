#include "framework/graphics/bmp_layout.h"

#include <gtest/gtest.h>

#include "tests/support/image_files.h"

namespace {

using testfiles::Bytes;

std::uint32_t white(int, int) { return 0xFFFFFF; }

void setLe(Bytes& b, std::size_t at, std::uint32_t v, int size) {
  for (int i = 0; i < size; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// An 8-bit palette BMP: 14 + 40 + `colours` × 4 bytes, then the rows.
Bytes bmp8(int width, int height, std::uint32_t colours) {
  const std::uint32_t stride = (width + 3) / 4 * 4, offset = 54 + colours * 4;
  Bytes b(offset + stride * height, 0);
  b[0] = 'B';
  b[1] = 'M';
  setLe(b, 2, static_cast<std::uint32_t>(b.size()), 4);
  setLe(b, 10, offset, 4);
  setLe(b, 14, 40, 4);
  setLe(b, 18, width, 4);
  setLe(b, 22, height, 4);
  setLe(b, 26, 1, 2);
  setLe(b, 28, 8, 2);
  setLe(b, 46, colours, 4);
  return b;
}

TEST(BmpLayout, TheProgramsPictureKind) {
  const Bytes file = testfiles::bmp24(48, 48, white);
  ASSERT_EQ(file.size(), 6966u);
  const auto layout = fw::bmpLayout(file);
  ASSERT_TRUE(layout);
  EXPECT_EQ(layout->width, 48);
  EXPECT_EQ(layout->height, 48);
  EXPECT_EQ(layout->infoOffset, 14u);
  EXPECT_EQ(layout->bitsOffset, 54u);
}

TEST(BmpLayout, PaletteAndTopDownBitmaps) {
  EXPECT_TRUE(fw::bmpLayout(bmp8(5, 3, 256)));
  EXPECT_TRUE(fw::bmpLayout(bmp8(5, 3, 2)));
  EXPECT_FALSE(fw::bmpLayout(bmp8(5, 3, 0)));  // 0 stands for 256 colours, not there
  Bytes topDown = testfiles::bmp24(4, 6, white);
  setLe(topDown, 22, static_cast<std::uint32_t>(-6), 4);
  const auto layout = fw::bmpLayout(topDown);
  ASSERT_TRUE(layout);
  EXPECT_EQ(layout->height, 6);
}

TEST(BmpLayout, HeadersThatPromiseMoreThanTheFileHolds) {
  const Bytes good = testfiles::bmp24(10, 10, white);
  for (std::size_t n = 0; n < good.size(); ++n)
    EXPECT_FALSE(fw::bmpLayout(Bytes(good.begin(), good.begin() + n))) << n << " bytes";

  Bytes bitsPastEnd = good;
  setLe(bitsPastEnd, 10, static_cast<std::uint32_t>(good.size() + 1), 4);
  EXPECT_FALSE(fw::bmpLayout(bitsPastEnd));
  Bytes bitsOverHeader = good;
  setLe(bitsOverHeader, 10, 40, 4);
  EXPECT_FALSE(fw::bmpLayout(bitsOverHeader));
  Bytes taller = good;
  setLe(taller, 22, 11, 4);
  EXPECT_FALSE(fw::bmpLayout(taller));
  Bytes tooManyColours = bmp8(5, 3, 256);
  setLe(tooManyColours, 46, 257, 4);
  EXPECT_FALSE(fw::bmpLayout(tooManyColours));
  Bytes rle = bmp8(5, 3, 256);
  setLe(rle, 30, 1, 4);  // RLE8, its run size beyond the end
  setLe(rle, 34, 1000, 4);
  EXPECT_FALSE(fw::bmpLayout(rle));
}

TEST(BmpLayout, ShapesGdiCannotDraw) {
  const Bytes good = testfiles::bmp24(10, 10, white);
  auto with = [&](std::size_t at, std::uint32_t v, int size) {
    Bytes b = good;
    setLe(b, at, v, size);
    return b;
  };
  EXPECT_FALSE(fw::bmpLayout(with(0, 'X', 1)));
  EXPECT_FALSE(fw::bmpLayout(with(14, 41, 4)));        // unknown header size
  EXPECT_FALSE(fw::bmpLayout(with(18, 0, 4)));         // no width
  EXPECT_FALSE(fw::bmpLayout(with(18, static_cast<std::uint32_t>(-10), 4)));
  EXPECT_FALSE(fw::bmpLayout(with(22, 0, 4)));         // no height
  EXPECT_FALSE(fw::bmpLayout(with(26, 2, 2)));         // two planes
  EXPECT_FALSE(fw::bmpLayout(with(28, 7, 2)));         // 7 bits a pixel
  EXPECT_FALSE(fw::bmpLayout(with(30, 4, 4)));         // embedded JPEG
  EXPECT_FALSE(fw::bmpLayout(with(30, 1, 4)));         // RLE8 needs 8 bits
  // Huge sizes are refused before anything is allocated for them.
  Bytes huge = with(18, 1 << 20, 4);
  setLe(huge, 22, 1 << 20, 4);
  EXPECT_FALSE(fw::bmpLayout(huge));
}

}  // namespace
