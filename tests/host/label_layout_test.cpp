#include "controls/label_layout.h"

#include <gtest/gtest.h>

namespace {

using namespace ctl;
using namespace gdip;

TEST(LabelLayout, CaptionPositionForEachLocation) {
  // A 40 × 10 text in a 100 × 30 label.
  const struct {
    TAdvSmoothLabelLocation location;
    FPoint at;
  } cases[] = {
      {plTopLeft, {0, 0}},     {plTopCenter, {30, 0}},     {plTopRight, {60, 0}},
      {plCenterLeft, {0, 10}}, {plCenterCenter, {30, 10}}, {plCenterRight, {60, 10}},
      {plBottomLeft, {0, 20}}, {plBottomCenter, {30, 20}}, {plBottomRight, {60, 20}},
      {plCustom, {7, 8}},
  };
  for (const auto& c : cases) {
    CaptionLayout layout{c.location, {100, 30}, {40, 10}, {7, 8}};
    EXPECT_EQ(captionOrigin(layout), c.at) << "location " << c.location;
    // The shadow's offsets and a surrounding fill shadow move every location.
    layout.offset = {1, 2};
    layout.fillShift = 3;
    EXPECT_EQ(captionOrigin(layout), (FPoint{c.at.x + 4, c.at.y + 5})) << "location " << c.location;
  }
  // No rounding: half pixels stay.
  EXPECT_EQ(captionOrigin({plCenterCenter, {101, 30}, {40, 9}}), (FPoint{30.5f, 10.5f}));
  EXPECT_EQ(wrappedAlignment(plBottomCenter), WrappedAlign::Centre);
  EXPECT_EQ(wrappedAlignment(plTopRight), WrappedAlign::Far);
  EXPECT_EQ(wrappedAlignment(plCenterLeft), WrappedAlign::Near);
  EXPECT_EQ(wrappedAlignment(plCustom), WrappedAlign::FormatDefault);
}

TEST(LabelLayout, TextBrushByGradientKind) {
  const FPoint o{10, 20};
  const FSize t{40, 8};
  const struct {
    TAdvGradientType type;
    TextBrushKind kind;
    FPoint from, to;
  } cases[] = {
      {gtVertical, TextBrushKind::Linear, {10, 20}, {10, 28}},
      {gtHorizontal, TextBrushKind::Linear, {10, 20}, {50, 20}},
      {gtForwardDiagonal, TextBrushKind::Linear, {10, 20}, {50, 28}},
      {gtBackwardDiagonal, TextBrushKind::Linear, {50, 20}, {10, 28}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(textBrushKind(c.type), c.kind);
    EXPECT_EQ(textGradientLine(c.type, o, t).from, c.from) << c.type;
    EXPECT_EQ(textGradientLine(c.type, o, t).to, c.to) << c.type;
  }
  EXPECT_EQ(textBrushKind(gtSolid), TextBrushKind::Solid);
  EXPECT_EQ(textBrushKind(gtHatch), TextBrushKind::Hatch);
  EXPECT_EQ(textBrushKind(gtTexture), TextBrushKind::Texture);
  for (TAdvGradientType none : {gtRadial, gtAngle, gtPath, gtNone}) EXPECT_EQ(textBrushKind(none), TextBrushKind::None);
}

TEST(LabelLayout, FontSizeStyleAutoSizeAndVersion) {
  EXPECT_EQ(fontPoints(-12, 96), 9);
  EXPECT_EQ(fontPoints(-27, 96), 20);
  EXPECT_EQ(fontHeight(20, 96), -27);  // 26.67
  EXPECT_EQ(fontHeight(9, 96), -12);
  EXPECT_EQ(gdipFontStyle(1 | 2 | 4 | 8), 7);  // strike-out dropped
  EXPECT_EQ(autoSize({10.5f, 3.5f}), (ISize{12, 6}));  // 12.5 → 12, 5.5 → 6
  // A caption hinted wider than its design scaled keeps the design's width.
  EXPECT_FLOAT_EQ(scaledCaptionPoints(9, 414.4f, 267, 144), 9 * 400.5f / 414.4f);
  EXPECT_FLOAT_EQ(scaledCaptionPoints(9, 400, 267, 144), 9);
  EXPECT_EQ(versionText(0x01060002), "1.6.0.2");
  EXPECT_EQ(drawnText(L"\r\n  a\r\rb\r\n\r"), L"\n  a\r\rb\n\r");
  EXPECT_EQ(versionText(0xFF0A0100), "255.10.1.0");
}

}  // namespace
