#include "gdip/fill_geometry.h"

#include <gtest/gtest.h>

namespace {

using namespace gdip;

// The figure of (10, 20, 100, 50) with radius 5 (d = 10), written out.
TEST(FillGeometry, RoundedRectanglePiecesForEachType) {
  using L = PathLine;
  using A = PathArc;
  const A tl{10, 20, 10, 10, 180, 90}, tr{100, 20, 10, 10, 270, 90}, br{100, 60, 10, 10, 0, 90},
      bl{10, 60, 10, 10, 90, 90};
  const struct {
    TFillRoundingType type;
    std::vector<PathPiece> pieces;
  } cases[] = {
      {rtNone, {L{10, 20, 110, 20}, L{110, 20, 110, 70}, L{110, 70, 10, 70}, L{10, 70, 10, 20}}},
      {rtTop, {tl, L{15, 20, 105, 20}, tr, L{110, 25, 110, 70}, L{110, 70, 10, 70}, L{10, 70, 10, 25}}},
      {rtBottom, {L{10, 20, 110, 20}, L{110, 20, 110, 65}, br, L{105, 70, 15, 70}, bl, L{10, 65, 10, 20}}},
      {rtBoth, {tl, L{15, 20, 105, 20}, tr, L{110, 25, 110, 65}, br, L{105, 70, 15, 70}, bl, L{10, 65, 10, 25}}},
      {rtLeft, {tl, L{15, 20, 105, 20}, L{110, 20, 110, 70}, L{105, 70, 15, 70}, bl, L{10, 65, 10, 25}}},
      {rtRight, {L{10, 20, 105, 20}, tr, L{110, 25, 110, 65}, br, L{105, 70, 10, 70}, L{10, 65, 10, 25}}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(roundedRectangle({10, 20, 100, 50}, 5, c.type), c.pieces) << "type " << c.type;
}

TEST(FillGeometry, ContentRectangleAfterEachShadow) {
  const FRect r{2, 3, 100, 40};
  EXPECT_EQ(contentAfterShadow(r, stRightBottom, 4, fw::clBlack), (FRect{2, 3, 96, 36}));
  EXPECT_EQ(contentAfterShadow(r, stBottom, 4, fw::clBlack), (FRect{2, 3, 100, 36}));
  EXPECT_EQ(contentAfterShadow(r, stSurround, 4, fw::clBlack), (FRect{6, 7, 92, 32}));
  EXPECT_EQ(bottomShadowStrip(r, 4), (FRect{2, 35, 100, 8}));
  // No shadow, no shrinking.
  EXPECT_EQ(contentAfterShadow(r, stSurround, 0, fw::clBlack), r);
  EXPECT_EQ(contentAfterShadow(r, stSurround, 4, fw::clNone), r);
}

TEST(FillGeometry, MirroredBodySplitsInHalvesOverlappingByTwoPixels) {
  EXPECT_EQ(splitBody({0, 0, 50, 40}).upper, (FRect{0, 0, 50, 21}));
  EXPECT_EQ(splitBody({0, 0, 50, 40}).mirror, (FRect{0, 19, 50, 21}));
  EXPECT_EQ(splitBody({5, 10, 50, 9}).upper, (FRect{5, 10, 50, 5.5f}));  // float halves
  EXPECT_EQ(splitBody({5, 10, 50, 9}).mirror, (FRect{5, 13.5f, 50, 5.5f}));
  // Corners each half keeps: (type, upper, mirror).
  const TFillRoundingType kept[][3] = {{rtNone, rtNone, rtNone},    {rtTop, rtTop, rtNone},
                                       {rtBottom, rtNone, rtBottom}, {rtBoth, rtTop, rtBottom},
                                       {rtLeft, rtLeft, rtLeft},     {rtRight, rtRight, rtRight}};
  for (auto& k : kept) {
    EXPECT_EQ(partRounding(k[0], true, false), k[1]) << k[0];
    EXPECT_EQ(partRounding(k[0], true, true), k[2]) << k[0];
    EXPECT_EQ(partRounding(k[0], false, false), k[0]) << k[0];
  }
  EXPECT_EQ(effectiveKind(fw::clNone, fw::clBlack, gtVertical), gtNone);
  EXPECT_EQ(effectiveKind(fw::clBlack, fw::clNone, gtVertical), gtSolid);
  EXPECT_EQ(effectiveKind(fw::clBlack, fw::clRed, gtHatch), gtHatch);
}

TEST(FillGeometry, AspectFit) {
  const struct {
    float w, h, aw, ah;
    TPictureMode mode;
    FSize fit;
  } cases[] = {
      {0, 10, 100, 100, pmStretch, {0, 0}},       {10, 10, 100, -1, pmNormal, {0, 0}},
      {20, 10, 100, 100, pmNormal, {20, 10}},     // smaller: its own size
      {20, 10, 100, 100, pmStretch, {100, 50}},   // wider than the area: full width
      {10, 20, 100, 100, pmStretch, {50, 100}},   // taller: full height
      {200, 100, 100, 100, pmNormal, {100, 50}},  // larger: shrunk even when normal
      {20, 100, 100, 100, pmNormal, {20, 100}},   // as high: fitted
  };
  for (const auto& c : cases)
    EXPECT_EQ(aspectFit(c.w, c.h, c.aw, c.ah, c.mode), c.fit) << c.w << "x" << c.h << " in " << c.aw << "x" << c.ah;
}

TEST(FillGeometry, PicturePlacementForEachPosition) {
  const IRect area{10, 20, 111, 70};  // 101 × 50: the halves round toward zero
  const struct {
    PicturePlacement how;
    IRect rect;
  } cases[] = {
      {{ppTopLeft}, {10, 20, 30, 30}},        {{ppTopCenter}, {50, 20, 70, 30}},
      {{ppTopRight}, {91, 20, 111, 30}},      {{ppBottomLeft}, {10, 60, 30, 70}},
      {{ppBottomCenter}, {50, 60, 70, 70}},   {{ppBottomRight}, {91, 60, 111, 70}},
      {{ppCenterLeft}, {10, 40, 30, 50}},     {{ppCenterCenter}, {50, 40, 70, 50}},
      {{ppCenterRight}, {91, 40, 111, 50}},   {{ppCustom, 3, 4}, {3, 4, 23, 14}},
      {{ppTiled}, area},                      {{ppStretched}, area},
      // 20 × 10 fitted into 101 × 50: 100 × 50, centred at 10.5 → 10 (even).
      {{ppStretched, 0, 0, true}, {10, 20, 110, 70}},
      // Normal mode keeps a smaller picture's size: centred at 50.5 → 50.
      {{ppStretched, 0, 0, true, pmNormal}, {50, 40, 70, 50}},
  };
  for (const auto& c : cases) EXPECT_EQ(placePicture(area, 20, 10, c.how), c.rect) << "position " << c.how.position;
  // A picture larger than the area: centred with a negative half.
  EXPECT_EQ(placePicture({0, 0, 10, 10}, 15, 15, {ppCenterCenter}), (IRect{-2, -2, 13, 13}));
  EXPECT_EQ(integerRect({0.5f, 1.5f, 10.5f, 2.5f}), (IRect{0, 2, 10, 4}));
}

}  // namespace
