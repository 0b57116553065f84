#include "gdip/argb.h"

#include <gtest/gtest.h>

namespace {

using gdip::makeArgb;

std::uint32_t noSystemColour(int) {
  ADD_FAILURE() << "a plain colour must not be looked up";
  return 0;
}

TEST(GdipColor, PlainColourSwapsRedAndBlueUnderTheOpacity) {
  EXPECT_EQ(makeArgb(fw::Color{0x00336699}, 128, noSystemColour), 0x80996633u);
  EXPECT_EQ(makeArgb(fw::clBlack, 255, noSystemColour), 0xFF000000u);
  EXPECT_EQ(makeArgb(fw::clRed, 0, noSystemColour), 0x00FF0000u);  // see-through
  EXPECT_EQ(makeArgb(fw::clNavy, 255, noSystemColour), 0xFF000080u);
}

TEST(GdipColor, SystemColoursAreResolvedByTheirIndex) {
  int asked = -1;
  auto system = [&](int index) {
    asked = index;
    return std::uint32_t{0x00C0D0E0};
  };
  EXPECT_EQ(makeArgb(fw::clGradientInactiveCaption, 200, system), 0xC8E0D0C0u);
  EXPECT_EQ(asked, 0x1C);
  EXPECT_EQ(gdip::resolveColor(fw::clWindowText, system), fw::Color{0x00C0D0E0});
  EXPECT_EQ(asked, 8);
  // Whatever the lookup adds above the RGB is not taken.
  EXPECT_EQ(makeArgb(fw::clWindow, 255, [](int) { return std::uint32_t{0xAB123456}; }), 0xFF563412u);
}

TEST(GdipColor, NoneAndOtherHighBytesAreNotLookedUp) {
  EXPECT_EQ(gdip::resolveColor(fw::clNone, noSystemColour), fw::clNone);
  EXPECT_EQ(makeArgb(fw::clNone, 255, noSystemColour), 0xFFFFFFFFu);
  EXPECT_EQ(makeArgb(fw::Color{0x02102030}, 16, noSystemColour), 0x10302010u);
}

}  // namespace
