#include "controls/glow_appearance.h"

#include <gtest/gtest.h>

#include "framework/error/error.h"

namespace {

using ctl::TGlowButtonAppearance;
using V = ctl::GlowAppearanceValues;

std::uint32_t grey(int) { return 0x00808080; }

TEST(BrightnessColor, ScalesEachChannelDownAndLiftsOnlyZeroChannels) {
  struct Case {
    std::uint32_t in;
    int dR, dG, dB;
    std::uint32_t out;
  } cases[] = {
      {0xF5F0E1, -10, -10, 0, 0xF5D8CA},  // hot to down: 225 * 0.9 = 202.5 goes to 202
      {0xF9D2B2, -10, -10, 0, 0xF9BDA0},
      {0xF5C8AD, -10, -10, 0, 0xF5B49C},
      {0xFFF8F4, -10, -10, 0, 0xFFDFDC},
      {0xFFFFFF, -5, -5, -5, 0xF2F2F2},   // normal to disabled
      {0xC0C0C0, -5, -5, -5, 0xB6B6B6},
      {0x000000, -10, -10, -10, 0x000000},
      {0x000000, 10, 0, -3, 0x00000A},
      {0x8000FF, 10, 10, 10, 0x800AFF},   // a positive delta leaves a lit channel alone
      {0x8000000F, -50, -50, -50, 0x404040},  // a system colour, resolved first
  };
  for (const Case& c : cases)
    EXPECT_EQ(ctl::BrightnessColor(fw::Color{c.in}, c.dR, c.dG, c.dB, grey), fw::Color{c.out})
        << std::hex << c.in << " " << std::dec << c.dR << " " << c.dG << " " << c.dB;
}

TEST(GlowAppearance, SettersNotifyOnlyRealChanges) {
  TGlowButtonAppearance a;
  int calls = 0;
  a.OnChange = [&](TGlowButtonAppearance& sender) {
    EXPECT_EQ(&sender, &a);
    ++calls;
  };
  a.set(&V::ColorHot, fw::Color{0xF5F0E1});  // the value it has
  a.set(&V::GradientHot, ctl::TGDIPGradient::ggRadial);
  EXPECT_EQ(calls, 0);
  a.set(&V::ColorHot, fw::Color{0x123456});
  a.set(&V::SystemFont, false);
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(a.values().ColorHot, fw::Color{0x123456});
}

TEST(GlowAppearance, AssignCopiesThroughTheSettersInItsOrder) {
  TGlowButtonAppearance from, to;
  from.set(&V::TextColorHot, fw::clRed);
  from.set(&V::Color, fw::clBlue);
  from.set(&V::BorderColorDisabled, fw::clNavy);
  std::vector<V> seen;
  to.OnChange = [&](TGlowButtonAppearance& sender) { seen.push_back(sender.values()); };
  to.Assign(&from);
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].Color, fw::clBlue);  // the face colours first...
  EXPECT_NE(seen[0].BorderColorDisabled, fw::clNavy);
  EXPECT_EQ(seen[1].BorderColorDisabled, fw::clNavy);  // ...then the borders...
  EXPECT_NE(seen[1].TextColorHot, fw::clRed);
  EXPECT_EQ(to.values(), from.values());  // ...the text colours last
}

TEST(GlowAppearance, AssignFromAnythingElseIsTheAssignmentError) {
  TGlowButtonAppearance a;
  fw::Persistent other;
  for (auto [source, text] : {std::pair<const fw::Persistent*, std::wstring>{
                                  &other, L"Impossible d'affecter TPersistent à TGlowButtonAppearance"},
                              {nullptr, L"Impossible d'affecter nil à TGlowButtonAppearance"}}) {
    try {
      a.Assign(source);
      ADD_FAILURE() << "no error";
    } catch (const fw::Error& e) {
      EXPECT_EQ(e.message(), text);
    }
  }
}

TEST(GlowAppearance, TheSixteenStateColoursAreTheOnesWrittenAlways) {
  std::vector<std::string> always;
  for (const ctl::AppearanceProperty& p : ctl::appearanceProperties())
    if (p.alwaysWritten) always.push_back(p.name);
  // In the order the window description holds them.
  const std::vector<std::string> stored = {
      "ColorChecked",         "ColorCheckedTo",    "ColorDisabled",       "ColorDisabledTo",
      "ColorDown",            "ColorDownTo",       "ColorHot",            "ColorHotTo",
      "ColorMirrorHot",       "ColorMirrorHotTo",  "ColorMirrorDown",     "ColorMirrorDownTo",
      "ColorMirrorChecked",   "ColorMirrorCheckedTo", "ColorMirrorDisabled", "ColorMirrorDisabledTo"};
  EXPECT_EQ(always, stored);
  EXPECT_EQ(ctl::appearanceProperties().size(), 39u);
}

}  // namespace
