// The GDI+ fill painted into a memory bitmap and read back at named points.
#include "gdip/gdip_fill.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <vector>

#include "tests/support/canvas.h"

namespace {

using namespace gdip;
using testcanvas::Canvas;
using testcanvas::closeTo;
using testcanvas::kGrey;

constexpr std::uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kGreen = 0x00FF00;

struct Point {
  int x, y;
  std::uint32_t rgb;  // 0xRRGGBB
  int tolerance = 40;
};

// Paints a fill set up by `setUp` over (5, 5, 40, 40) of a grey canvas.
void paint(Canvas& canvas, const std::function<void(TGDIPFill&)>& setUp, FRect area = {5, 5, 40, 40}) {
  TGDIPFill fill;
  setUp(fill);
  Graphics g(canvas.dc());
  fill.Fill(&g, area);
  flat::GdipFlush(g.get(), Gdiplus::FlushIntentionSync);
}

TEST(GdipFill, BodyFollowsItsColoursAndKind) {
  const fw::Color red{0x0000FF}, blue{0xFF0000}, green{0x00FF00}, yellow{0x00FFFF};
  const struct {
    const char* what;
    std::function<void(TGDIPFill&)> setUp;
    std::vector<Point> points;
  } cases[] = {
      {"ColorTo clNone paints solid",
       [&](TGDIPFill& f) {
         f.set(&FillValues::Color, red);
         f.set(&FillValues::ColorTo, fw::clNone);
       },
       {{25, 6, kRed}, {25, 43, kRed}}},
      {"a vertical gradient runs from Color to ColorTo",
       [&](TGDIPFill& f) {
         f.set(&FillValues::Color, red);
         f.set(&FillValues::ColorTo, blue);
       },
       {{25, 5, kRed}, {25, 44, kBlue}}},
      {"Color clNone leaves the body unpainted, the border shows",
       [&](TGDIPFill& f) {
         f.set(&FillValues::Color, fw::clNone);
         f.set(&FillValues::BorderColor, blue);
       },
       {{25, 25, kGrey}, {5, 25, kBlue}, {25, 5, kBlue}}},
      {"gtPath paints no body",
       [&](TGDIPFill& f) { f.set(&FillValues::GradientType, gtPath); },
       {{25, 25, kGrey}, {10, 40, kGrey}}},
      // Halves of 20: the upper (5, 5, 40, 21), the mirror from y = 24.
      {"the mirror's first row has the mirror's first colour",
       [&](TGDIPFill& f) {
         f.set(&FillValues::Color, red);
         f.set(&FillValues::ColorTo, yellow);
         f.set(&FillValues::ColorMirror, green);
         f.set(&FillValues::ColorMirrorTo, blue);
         f.set(&FillValues::GradientMirrorType, gtVertical);
       },
       {{25, 5, kRed}, {25, 24, kGreen, 2}, {25, 44, kBlue}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Canvas canvas(50, 50);
    paint(canvas, c.setUp);
    for (const Point& p : c.points)
      EXPECT_TRUE(closeTo(canvas.at(p.x, p.y), p.rgb, p.tolerance)) << p.x << "," << p.y;
    EXPECT_TRUE(closeTo(canvas.at(2, 2), kGrey)) << "outside the area";
  }
}

TEST(GdipFill, ThinAreaGetsOnlyTheBorderLine) {
  Canvas canvas(50, 50);
  paint(
      canvas,
      [](TGDIPFill& f) {
        f.set(&FillValues::Color, fw::Color{0x0000FF});
        f.set(&FillValues::BorderColor, fw::Color{0xFF0000});
        f.set(&FillValues::ShadowOffset, 3);
      },
      {5, 10, 40, 1});
  int line = 0;
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 50; ++x) {
      const std::uint32_t rgb = canvas.at(x, y);
      if (closeTo(rgb, kBlue, 40)) ++line;
      else EXPECT_TRUE(closeTo(rgb, kGrey)) << "no body, no shadow at " << x << "," << y;
    }
  EXPECT_GE(line, 38);
}

TEST(GdipFill, ShadowFadesFromItsEdgeAndShrinksTheContent) {
  for (TShadowType type : {stRightBottom, stSurround, stBottom}) {
    SCOPED_TRACE(testing::Message() << "shadow type " << type);
    TGDIPFill fill;
    fill.set(&FillValues::Color, fw::clNone);
    fill.set(&FillValues::ShadowColor, fw::clBlack);
    fill.set(&FillValues::ShadowOffset, 5);
    fill.set(&FillValues::ShadowType, type);
    Canvas canvas(50, 50);
    Graphics g(canvas.dc());
    const FRect content = fill.Fill(&g, {5, 5, 40, 40});
    flat::GdipFlush(g.get(), Gdiplus::FlushIntentionSync);
    EXPECT_EQ(content, contentAfterShadow({5, 5, 40, 40}, type, 5, fw::clBlack));
    // Dark inside (the bottom strip for stBottom), untouched outside.
    const int y = type == stBottom ? 37 : 25;
    EXPECT_LT(canvas.at(25, y) & 0xFF, 0x90u) << "inside the shadow";
    EXPECT_TRUE(closeTo(canvas.at(2, 2), kGrey));
    if (type == stRightBottom) {
      // With the preset blend drawn, the shade is full from a tenth of the
      // way in; without it, the centre and edge colours fade all the way.
      Path path;
      path.addEllipse(0, 0, 10, 10);
      PathGradientBrush probe(path);
      const Gdiplus::ARGB colors[] = {0, 0xB4000000, 0xB4000000};
      const REAL positions[] = {0, 0.1f, 1};
      const GpStatus status = probe.setPresetBlend(colors, positions);
      const bool drawn = (canvas.at(25, 8) & 0xFF) < 0x60;
      std::printf("GdipSetPathGradientPresetBlend answered %d; the shadow %s\n", int(status),
                  drawn ? "has its full shade a tenth of the way in (blend drawn)"
                        : "fades from edge to centre (blend not drawn, two colours)");
      RecordProperty("PresetBlendStatus", int(status));
      RecordProperty("PresetBlendDrawn", drawn ? "yes" : "no");
    }
  }
}

TEST(GdipFill, SettersRaiseChangeOnlyForNewValuesAndAssignTakesOnlyAFill) {
  TGDIPFill fill, other;
  int changes = 0;
  fill.OnChange = [&](TGDIPFill& sender) {
    EXPECT_EQ(&sender, &fill);
    ++changes;
  };
  fill.set(&FillValues::Rounding, 0);
  EXPECT_EQ(changes, 0);
  fill.set(&FillValues::Rounding, 4);
  EXPECT_EQ(changes, 1);
  fill.Assign(static_cast<const fw::Persistent*>(nullptr));
  EXPECT_EQ(changes, 1);
  other.set(&FillValues::Glow, gmRadial);
  other.set(&FillValues::Opacity, std::uint8_t{7});
  fill.Assign(&other);
  EXPECT_GE(changes, 2);
  EXPECT_EQ(fill.values().Glow, gmRadial);
  EXPECT_EQ(fill.values().Opacity, 7);
  EXPECT_EQ(fill.values().Rounding, 0);
}

TEST(GdipFill, ClipboardFormatIsRegisteredUnderItsName) {
  registerFillClipboardFormat();
  ASSERT_NE(fillClipboardFormat(), 0u);
  wchar_t name[32] = {};
  GetClipboardFormatNameW(fillClipboardFormat(), name, 32);
  EXPECT_STREQ(name, L"GDI+ Fill");
}

}  // namespace
