#include "controls/glow_look.h"

#include <gtest/gtest.h>

namespace {

using namespace ctl;
using V = GlowAppearanceValues;

std::uint32_t noSystemColour(int) {
  ADD_FAILURE() << "no system colour here";
  return 0;
}

TEST(BlendColor, MixesChannelByChannelWithItsEnds) {
  struct Case {
    fw::Color a, b;
    int p;
    fw::Color out;
  } cases[] = {
      {fw::Color{0xF5F0E1}, fw::clWhite, 20, fw::Color{0xFDFCF9}},  // first frame of the hover fade
      {fw::clWhite, fw::clBlack, 50, fw::Color{0x808080}},          // 127.5 goes to 128
      {fw::Color{0x0000FF}, fw::Color{0x00FF00}, 99, fw::Color{0x0003FC}},
      {fw::clRed, fw::clBlue, 100, fw::clRed},
      {fw::clRed, fw::clBlue, 250, fw::clRed},
      {fw::clRed, fw::clBlue, 0, fw::clBlue},
      {fw::clRed, fw::clBlue, -20, fw::clBlue},
      {fw::clNone, fw::clBlue, 50, fw::clBlue},
      {fw::clRed, fw::clNone, 50, fw::clRed},
  };
  for (const Case& c : cases)
    EXPECT_EQ(BlendColor(c.a, c.b, c.p, noSystemColour), c.out) << std::hex << c.a.value << " " << c.b.value
                                                               << " " << std::dec << c.p;
  EXPECT_EQ(BlendColor(fw::clWindowText, fw::clBlack, 50, [](int) { return 0x00FEFEFEu; }), fw::Color{0x7F7F7F});
}

TEST(GlowLook, StateAndFadesPickTheColours) {
  const V a{};
  const GlowColors normal{a.Color, a.ColorTo, a.ColorMirror, a.ColorMirrorTo, a.BorderColor, a.Gradient,
                          a.GradientMirror};
  const GlowColors hot{a.ColorHot,    a.ColorHotTo,  a.ColorMirrorHot, a.ColorMirrorHotTo,
                       a.BorderColorHot, a.GradientHot, a.GradientMirrorHot};
  const GlowColors down{a.ColorDown,       a.ColorDownTo,  a.ColorMirrorDown, a.ColorMirrorDownTo,
                        a.BorderColorDown, a.GradientDown, a.GradientMirrorDown};
  const GlowColors checked{a.ColorChecked,       a.ColorCheckedTo,  a.ColorMirrorChecked, a.ColorMirrorCheckedTo,
                           a.BorderColorChecked, a.GradientChecked, a.GradientMirrorChecked};
  const GlowColors disabled{a.ColorDisabled,       a.ColorDisabledTo,  a.ColorMirrorDisabled,
                            a.ColorMirrorDisabledTo, a.BorderColorDisabled, a.GradientDisabled,
                            a.GradientMirrorDisabled};
  auto mix = [](GlowColors base, const GlowColors& x, const GlowColors& y, int p) {
    for (auto m : {&GlowColors::color, &GlowColors::colorTo, &GlowColors::colorMirror, &GlowColors::colorMirrorTo,
                   &GlowColors::border})
      base.*m = BlendColor(x.*m, y.*m, p, noSystemColour);
    return base;
  };
  using S = ButtonState;
  struct Case {
    const char* what;
    GlowPaintState s;
    GlowColors want;
  } cases[] = {
      {"idle", {}, normal},
      {"hot", {.button = {.hotLook = true}}, hot},
      {"pressed", {.button = {.buttonState = S::StateDown, .hotLook = true, .pressed = true}}, down},
      {"down in a group",
       {.button = {.buttonState = S::StateExclusive, .down = true}, .group = {.groupIndex = 1}}, checked},
      {"disabled, even pressed and fading",
       {.button = {.buttonState = S::StateDown, .pressed = true, .pressFade = 40, .fadeTimer = true},
        .enabled = false},
       disabled},
      {"disabled without its colours", {.enabled = false, .showDisabled = false}, normal},
      {"hover fade at 20", {.button = {.hotLook = true, .hoverFade = 20, .fadeTimer = true}},
       mix(hot, hot, normal, 20)},
      {"hover fade out at 60", {.button = {.hoverFade = 60, .fadeTimer = true}}, mix(normal, hot, normal, 60)},
      {"press fade at 40",
       {.button = {.buttonState = S::StateDown, .hotLook = true, .pressed = true, .pressFade = 40, .fadeTimer = true}},
       mix(down, down, hot, 40)},
      {"focused with ftHot", {.button = {.focused = true}, .focusType = TFocusType::ftHot}, hot},
  };
  for (const Case& c : cases) EXPECT_EQ(glowColors(c.s, a, noSystemColour), c.want) << c.what;

  V noMirror{};
  noMirror.ColorMirror = fw::clNone;
  EXPECT_EQ(glowColors({}, noMirror, noSystemColour).colorMirror, noMirror.Color);
}

TEST(GlowLook, CaptionColourPictureAndOutlineFollowTheState) {
  V a{};
  a.TextColorHot = fw::clRed;
  a.TextColorDown = fw::clNavy;
  EXPECT_EQ(captionColor({}, fw::clBlue, a), fw::clBlue);
  EXPECT_EQ(captionColor({.button = {.hotLook = true}}, fw::clBlue, a), fw::clRed);
  EXPECT_EQ(captionColor({.button = {.buttonState = ButtonState::StateDown, .hotLook = true}}, fw::clBlue, a),
            fw::clNavy);
  EXPECT_EQ(captionColor({.enabled = false}, fw::clBlue, a), fw::Color{0x808080});

  EXPECT_EQ(glowPicture({.enabled = false}, true, false), GlowPicture::Normal);
  EXPECT_EQ(glowPicture({.enabled = false}, true, true), GlowPicture::Disabled);
  EXPECT_EQ(glowPicture({.button = {.hotLook = true}}, true, true), GlowPicture::Hot);
  EXPECT_EQ(glowPicture({.button = {.hotLook = true}}, false, true), GlowPicture::Normal);

  EXPECT_TRUE(wantsFocusOutline({.button = {.focused = true}}));
  EXPECT_FALSE(wantsFocusOutline({.button = {.focused = true}, .focusType = TFocusType::ftHot}));
  EXPECT_FALSE(wantsFocusOutline({}));
  EXPECT_EQ(normalisedState({.button = {.buttonState = ButtonState::StateDisabled, .down = true},
                             .group = {.groupIndex = 2}}),
            ButtonState::StateExclusive);
  EXPECT_EQ(normalisedState({.button = {.buttonState = ButtonState::StateDisabled}}), ButtonState::StateUp);
  EXPECT_EQ(normalisedState({.button = {.down = true}, .group = {.style = TAdvButtonStyle::bsCheck}}),
            ButtonState::StateDown);
  EXPECT_EQ(normalisedState({.button = {.buttonState = ButtonState::StateDown}, .enabled = false}),
            ButtonState::StateDisabled);
}

TEST(GlowLook, TheLowerHalfGoesFirstAndTheUpperHalfCoversTheOverlap) {
  GlowColors c{fw::Color{1}, fw::Color{2}, fw::Color{3}, fw::Color{4}, fw::Color{5},
               TGDIPGradient::ggRadial, TGDIPGradient::ggVertical};
  struct Case {
    int h;
    GlowBox lower, upper;
  } cases[] = {
      {41, {0, 19, 183, 22}, {0, 0, 183, 21}},  // rows 19..40 and 0..20
      {40, {0, 19, 183, 21}, {0, 0, 183, 20}},  // rows 19..39 and 0..19
  };
  for (const Case& k : cases) {
    const auto [lower, upper] = glowFace(c, 0, 0, 183, k.h);
    EXPECT_EQ(lower.rect, k.lower) << k.h;
    EXPECT_EQ(upper.rect, k.upper) << k.h;
  }
  const auto [lower, upper] = glowFace(c, 0, 0, 183, 52);
  // Upper half, radial: an ellipse raised by half its height less 2, lit from
  // the middle of its top edge with ColorTo, Color around and beneath.
  EXPECT_TRUE(upper.radial);
  EXPECT_EQ(upper.ellipse, (GlowBox{0, -11, 183, 26}));
  EXPECT_EQ(std::pair(upper.centreX, upper.centreY), std::pair(91, 0));
  EXPECT_EQ(upper.centre, fw::Color{2});
  EXPECT_EQ(upper.surround, fw::Color{1});
  EXPECT_EQ(upper.solid, fw::Color{1});
  // Lower half, linear: ColorMirrorTo at its top down to ColorMirror.
  EXPECT_FALSE(lower.radial);
  EXPECT_EQ(lower.from, fw::Color{4});
  EXPECT_EQ(lower.to, fw::Color{3});
  EXPECT_EQ(lower.mode, LinearMode::Vertical);

  c.colorMirror = fw::clNone;  // the partner colour is taken
  EXPECT_EQ(glowFace(c, 0, 0, 183, 52).first.to, fw::Color{4});
}

TEST(GlowLayout, PrintAndHelpButtonsOfTheWindow) {
  // The print button: notes force the left-adjusted layout.
  GlowLayoutInput print{0, 0, 183, 52, effectiveLayout(TButtonLayout::blGlyphLeft, true), 48, 48, 1, 2, true, true,
                        false};
  EXPECT_EQ(print.layout, TButtonLayout::blGlyphLeftAdjusted);
  EXPECT_EQ(captionMeasureArea(print), (TextBox{1, 0, 182, 52}));
  EXPECT_EQ(notesMeasureArea(print), (TextBox{1, 0, 132, 52}));
  const GlowLayout p = layoutGlowButton(print, {1, 0, 93.6, 13.8}, 25.9);
  EXPECT_EQ(std::pair(p.pictureX, p.pictureY), std::pair(3, 2));
  EXPECT_EQ(p.align, TextAlign::Near);
  EXPECT_EQ(p.lineAlign, TextAlign::Near);
  EXPECT_EQ(p.captionArea, (TextBox{50, 6, 132, 52}));  // (52 - 14 - 26) / 2 down: one block
  EXPECT_EQ(p.notesArea, (TextBox{50, 20, 132, 52}));

  // The help button: the picture centred above "Aide", the pair centred.
  GlowLayoutInput help{0, 0, 57, 79, TButtonLayout::blGlyphTop, 48, 48, 1, 2, true, false, false};
  const GlowLayout h = layoutGlowButton(help, {16.2, 32.6, 24.6, 13.8}, 0);
  EXPECT_EQ(std::pair(h.pictureX, h.pictureY), std::pair(4, 7));  // (79 - 48 - 2 - 14) div 2
  EXPECT_EQ(h.align, TextAlign::Center);
  EXPECT_EQ(h.lineAlign, TextAlign::Center);
  EXPECT_EQ(h.captionArea, (TextBox{-1, 48, 57, 29}));

  // Without a caption the picture is centred; without a picture a
  // blGlyphLeft caption is centred in the whole width.
  help.hasCaption = false;
  EXPECT_EQ(std::pair(layoutGlowButton(help, {}, 0).pictureX, layoutGlowButton(help, {}, 0).pictureY),
            std::pair(4, 15));
  GlowLayoutInput bare{0, 0, 100, 41, TButtonLayout::blGlyphLeft, 0, 0, 1, 2, true, false, false};
  const TextBox area = layoutGlowButton(bare, {30, 14, 40, 13}, 0).captionArea;
  EXPECT_EQ(area.x + area.w / 2, 50);
}

}  // namespace
