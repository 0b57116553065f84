#include "controls/glow_paint.h"

#include <gtest/gtest.h>

#include "gdip/gdip_picture.h"
#include "tests/support/canvas.h"
#include "tests/support/image_files.h"

namespace {

using namespace ctl;
using testcanvas::Canvas;
using testcanvas::closeTo;

constexpr std::uint32_t kOlive = 0x808000, kRed = 0xFF0000, kGreen = 0x00FF00;
constexpr int kW = 183, kH = 52;

// The canvas reads 0x00RRGGBB; colour values are 0x00BBGGRR.
std::uint32_t rgb(fw::Color c) { return (c.value & 0xFF) << 16 | (c.value & 0xFF00) | (c.value >> 16 & 0xFF); }

// The window's print button. Its picture is a red square on olive, so the
// bottom-left colour that is keyed out is olive.
struct PrintButton {
  gdip::TGDIPPicture picture;
  GlowButtonPaint paint;
  explicit PrintButton(glow::GlowState state = {}) {
    picture.readData(testfiles::bmp24(48, 48, [](int x, int y) {
      return x >= 12 && x < 36 && y >= 12 && y < 36 ? kRed : kOlive;
    }));
    paint.state.button = state;
    paint.caption = L"Imprimer le morvi";
    paint.notes = {L"(et pliez la feuille sur les graduations)"};
    paint.font = {L"Segoe UI", -11, fw::clBlack, {}};
    paint.notesFont = {L"Tahoma", -11, fw::clBlue, {}};
    paint.picture = &picture;
  }
  void draw(Canvas& canvas) const { DrawGlowButton(canvas.dc(), RECT{0, 0, kW, kH}, paint); }
};

TEST(GlowPaint, FacesOfTheNormalHotAndDownStates) {
  const GlowAppearanceValues a{};
  // Clear of picture and text: the top row and the bottom row under the
  // centres of the radial halves; at the right end the last row of the upper
  // half (painted over the lower one) and the first row of the lower half.
  struct Point {
    const char* name;
    int x, y;
  };
  const Point top{"top", 91, 1}, overlap{"overlap", 178, 25}, seam{"seam", 178, 26}, bottom{"bottom", 91, 50};
  struct Case {
    const char* state;
    glow::GlowState button;
    std::vector<std::pair<Point, fw::Color>> expected;
    fw::Color border;
    TGlowButtonState told;
  } cases[] = {
      {"normal",
       {},
       {{top, a.Color}, {overlap, a.ColorTo}, {seam, a.ColorMirrorTo}, {bottom, fw::Color{0xC3C3C3}}},
       a.BorderColor,
       TGlowButtonState::gsNormal},
      {"hot",
       {.mouseInControl = true, .hotLook = true},
       {{top, a.ColorHotTo}, {overlap, a.ColorHot}, {seam, a.ColorMirrorHot}, {bottom, a.ColorMirrorHotTo}},
       a.BorderColorHot,
       TGlowButtonState::gsHot},
      {"down",
       {.buttonState = ButtonState::StateDown, .mouseInControl = true, .hotLook = true, .pressed = true},
       {{top, a.ColorDownTo}, {overlap, a.ColorDown}, {seam, a.ColorMirrorDown}, {bottom, a.ColorMirrorDownTo}},
       a.BorderColorDown,
       TGlowButtonState::gsDown},
  };
  for (const Case& c : cases) {
    PrintButton button(c.button);
    std::vector<TGlowButtonState> told;
    button.paint.onDrawButton = [&](HDC, const RECT& r, TGlowButtonState s) {
      EXPECT_EQ(r.right, kW);
      told.push_back(s);
    };
    Canvas canvas(kW, kH);
    button.draw(canvas);
    for (const auto& [point, colour] : c.expected)
      EXPECT_TRUE(closeTo(canvas.at(point.x, point.y), rgb(colour), 16)) << c.state << " at " << point.name;
    EXPECT_TRUE(closeTo(canvas.at(91, 0), rgb(c.border))) << c.state << " border";
    EXPECT_EQ(told, std::vector{c.told}) << c.state;
  }
}

TEST(GlowPaint, AButtonPaintedThroughItsCachePaintsAsAfresh) {
  // The caption and the notes change fonts, more of them than the cache keeps.
  GlowPaintCache cache;
  PrintButton kept, fresh;
  kept.paint.cache = &cache;
  const fw::FontSpec fonts[] = {{L"Tahoma", -11, fw::clBlue, {}},     {L"Tahoma", -15, fw::clBlue, {fw::fsBold}},
                                {L"Segoe UI", -9, fw::clRed, {}},     {L"Tahoma", -11, fw::clBlue, {fw::fsItalic}},
                                {L"Segoe UI", -13, fw::clBlue, {}},   {L"Tahoma", -11, fw::clBlue, {}}};
  for (const fw::FontSpec& notes : fonts) {
    for (PrintButton* b : {&kept, &fresh}) {
      b->paint.notesFont = notes;
      b->paint.font.height = notes.height - 1;
    }
    Canvas once(kW, kH), again(kW, kH);
    kept.draw(once);
    fresh.draw(again);
    EXPECT_TRUE(once.sameAs(again)) << "notes " << notes.height;
  }
}

TEST(GlowPaint, DisabledShowsGreyTextDisabledColoursAndTheNormalPicture) {
  const GlowAppearanceValues a{};
  // GDI+ text, and the system's text call without anti-aliasing.
  for (TAntiAlias antiAlias : {TAntiAlias::aaClearType, TAntiAlias::aaNone}) {
    PrintButton button;
    button.paint.state.enabled = false;
    button.paint.antiAlias = antiAlias;
    Canvas canvas(kW, kH);
    button.draw(canvas);
    EXPECT_TRUE(closeTo(canvas.at(178, 12), rgb(a.ColorDisabled)));
    EXPECT_TRUE(closeTo(canvas.at(178, 26), rgb(a.ColorMirrorDisabled)));
    EXPECT_TRUE(closeTo(canvas.at(91, 0), rgb(a.BorderColorDisabled)));
    EXPECT_TRUE(closeTo(canvas.at(27, 26), kRed)) << "the picture as it is";
    // The caption's line: grey ink, and nothing darker. The font may be
    // smoothed, so ink counts as any neutral pixel well below the face.
    int grey = 0;
    for (int y = 2; y < 18; ++y)
      for (int x = 50; x < 150; ++x) {
        const std::uint32_t c = canvas.at(x, y);
        grey += closeTo(c, (c & 0xFF) * 0x010101u, 8) && (c & 0xFF) < 0xC0 ? 1 : 0;
        ASSERT_GE(c & 0xFF, 0x70u) << x << "," << y << " " << int(antiAlias);
      }
    EXPECT_GT(grey, 20) << int(antiAlias);
  }
}

TEST(GlowPaint, ThePictureLosesItsBottomLeftColour) {
  PrintButton with, without;
  without.picture.readData(testfiles::bmp24(48, 48, [](int, int) { return kOlive; }));  // all see-through
  Canvas a(kW, kH), b(kW, kH);
  with.draw(a);
  without.draw(b);
  // The picture sits at (3, 2): its olive corner shows the face beneath.
  for (auto [x, y] : {std::pair{3, 49}, {3, 2}, {50, 49}, {14, 26}}) {
    EXPECT_EQ(a.at(x, y), b.at(x, y)) << x << "," << y;
    EXPECT_FALSE(closeTo(a.at(x, y), kOlive, 30)) << x << "," << y;
  }
  EXPECT_TRUE(closeTo(a.at(15, 14), kRed)) << "the square's corner at 3 + 12, 2 + 12";
}

TEST(GlowPaint, FocusOutlineAndTheParentsCorners) {
  PrintButton button({.focused = true});
  button.paint.paintParent = [](HDC dc, std::span<const RECT> areas) {
    fw::Brush green(CreateSolidBrush(RGB(0, 255, 0)));
    for (const RECT& r : areas) FillRect(dc, &r, green.get());
  };
  Canvas canvas(kW, kH);
  button.draw(canvas);
  EXPECT_TRUE(closeTo(canvas.at(1, 26), rgb(fw::Color{0xE4AD89}), 8));
  int dots = 0;
  for (int y = 4; y < 48; ++y) dots += canvas.at(2, y) == 0x808080 ? 1 : 0;
  EXPECT_GT(dots, 8);
  EXPECT_LT(dots, 40) << "dotted, not solid";
  for (auto [x, y] : {std::pair{0, 0}, {kW - 1, 0}, {0, kH - 1}, {kW - 1, kH - 1}})
    EXPECT_EQ(canvas.at(x, y), kGreen) << x << "," << y;
  EXPECT_NE(canvas.at(1, 0), kGreen) << "only the corner pixels";
}

}  // namespace
