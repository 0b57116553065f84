#include "gdip/color.h"

#include <gtest/gtest.h>

namespace {

using gdip::makeArgb;

std::uint32_t noSystemColour(int) {
  ADD_FAILURE() << "a plain colour must not be looked up";
  return 0;
}

TEST(GdipColor, PlainColourSwapsRedAndBlueUnderTheOpacity) {
  EXPECT_EQ(makeArgb(0x00336699, 128, noSystemColour), 0x80996633u);
  EXPECT_EQ(makeArgb(gdip::clBlack, 255, noSystemColour), 0xFF000000u);
  EXPECT_EQ(makeArgb(0x000000FF, 0, noSystemColour), 0x00FF0000u);  // red, see-through
  EXPECT_EQ(makeArgb(0x00800000, 255, noSystemColour), 0xFF000080u);  // navy
}

TEST(GdipColor, SystemColoursAreResolvedByTheirIndex) {
  int asked = -1;
  auto system = [&](int index) {
    asked = index;
    return std::uint32_t{0x00C0D0E0};
  };
  EXPECT_EQ(makeArgb(0x8000001B, 200, system), 0xC8E0D0C0u);  // clGradientInactiveCaption
  EXPECT_EQ(asked, 0x1B);
  EXPECT_EQ(gdip::resolveColor(0x80000008, system), 0x00C0D0E0u);  // clWindowText
  EXPECT_EQ(asked, 8);
  // Whatever the lookup adds above the RGB is not taken.
  EXPECT_EQ(makeArgb(0x80000005, 255, [](int) { return std::uint32_t{0xAB123456}; }), 0xFF563412u);
}

TEST(GdipColor, NoneAndOtherHighBytesAreNotLookedUp) {
  EXPECT_EQ(gdip::resolveColor(gdip::clNone, noSystemColour), gdip::clNone);
  EXPECT_EQ(makeArgb(gdip::clNone, 255, noSystemColour), 0xFFFFFFFFu);
  EXPECT_EQ(makeArgb(0x02102030, 16, noSystemColour), 0x10302010u);
  EXPECT_FALSE(gdip::isSystemColor(0x1FFFFFFF));
  EXPECT_TRUE(gdip::isSystemColor(0x8000000F));
}

}  // namespace
