#include "gdip/objects.h"
#include "gdip/session.h"

#include <gtest/gtest.h>

#include <utility>

#include "tests/support/canvas.h"

namespace {

using testcanvas::Canvas;
using testcanvas::closeTo;
using testcanvas::kGrey;

constexpr gdip::Argb kOpaqueRed = 0xFFFF0000, kOpaqueBlue = 0xFF0000FF;

TEST(GdipObjects, AnotherSessionStartsAndStopsCleanly) {
  gdip::Session session;  // GDI+ counts its start-ups
  EXPECT_EQ(session.status(), Gdiplus::Ok);
}

TEST(GdipObjects, ArgbResolvesSystemColoursThroughWindows) {
  const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
  const gdip::Argb want = 0x80000000u | (GetRValue(text) << 16) | (GetGValue(text) << 8) | GetBValue(text);
  EXPECT_EQ(gdip::argb(fw::clWindowText, 0x80), want);
  EXPECT_EQ(gdip::argb(fw::clRed), kOpaqueRed);
}

TEST(GdipObjects, ShapesAndBrushesDrawWhereTheyShould) {
  Canvas canvas(40, 40);
  gdip::Graphics g(canvas.dc());
  ASSERT_EQ(g.status(), Gdiplus::Ok);
  EXPECT_EQ(g.setSmoothingMode(Gdiplus::SmoothingModeNone), Gdiplus::Ok);
  EXPECT_EQ(g.smoothingMode(), Gdiplus::SmoothingModeNone);
  EXPECT_EQ(g.status(), Gdiplus::Ok);

  gdip::SolidBrush red(kOpaqueRed);
  ASSERT_EQ(red.status(), Gdiplus::Ok);
  EXPECT_EQ(g.fillRectangle(red.get(), gdip::RectF(0, 0, 10, 10)), Gdiplus::Ok);

  gdip::Path ellipse;
  ASSERT_EQ(ellipse.addEllipse(20, 20, 16, 16), Gdiplus::Ok);
  gdip::LinearBrush blues(gdip::RectF(20, 20, 16, 16), kOpaqueBlue, kOpaqueBlue, Gdiplus::LinearGradientModeVertical);
  ASSERT_EQ(blues.status(), Gdiplus::Ok);
  EXPECT_EQ(g.fillPath(blues.get(), ellipse), Gdiplus::Ok);

  gdip::Pen pen(0xFF00FF00, 3);
  ASSERT_EQ(pen.status(), Gdiplus::Ok);
  EXPECT_EQ(g.drawLine(pen, gdip::PointF(0, 15), gdip::PointF(40, 15)), Gdiplus::Ok);
  ASSERT_EQ(gdip::flat::GdipFlush(g.get(), Gdiplus::FlushIntentionSync), Gdiplus::Ok);

  EXPECT_TRUE(closeTo(canvas.at(5, 5), 0xFF0000)) << "inside the rectangle";
  EXPECT_TRUE(closeTo(canvas.at(12, 5), kGrey)) << "right of the rectangle";
  EXPECT_TRUE(closeTo(canvas.at(28, 28), 0x0000FF)) << "centre of the ellipse";
  EXPECT_TRUE(closeTo(canvas.at(21, 21), kGrey)) << "corner outside the ellipse";
  EXPECT_TRUE(closeTo(canvas.at(30, 15), 0x00FF00)) << "on the line";
}

TEST(GdipObjects, AClipRegionLimitsTheDrawingUntilReset) {
  Canvas canvas(20, 20);
  gdip::Graphics g(canvas.dc());
  gdip::SolidBrush red(kOpaqueRed), blue(kOpaqueBlue);
  gdip::Region left(gdip::RectF(0, 0, 10, 20));
  ASSERT_EQ(left.status(), Gdiplus::Ok);
  EXPECT_EQ(g.setClip(left), Gdiplus::Ok);
  EXPECT_EQ(g.fillRectangle(red.get(), gdip::RectF(0, 0, 20, 20)), Gdiplus::Ok);
  EXPECT_EQ(g.resetClip(), Gdiplus::Ok);
  EXPECT_EQ(g.fillRectangle(blue.get(), gdip::RectF(0, 15, 20, 5)), Gdiplus::Ok);
  ASSERT_EQ(gdip::flat::GdipFlush(g.get(), Gdiplus::FlushIntentionSync), Gdiplus::Ok);
  EXPECT_TRUE(closeTo(canvas.at(5, 5), 0xFF0000));
  EXPECT_TRUE(closeTo(canvas.at(15, 5), kGrey));
  EXPECT_TRUE(closeTo(canvas.at(15, 17), 0x0000FF));
}

TEST(GdipObjects, AFailedCallKeepsItsStatusAndTheNextOneReplacesIt) {
  gdip::FontFamily missing(L"No Such Family Anywhere");
  EXPECT_NE(missing.status(), Gdiplus::Ok);
  EXPECT_FALSE(missing);

  // A call on an object that could not be made fails; the surface keeps
  // that status, draws on, and its next call's status replaces it.
  Canvas canvas(4, 4);
  gdip::Graphics g(canvas.dc());
  gdip::Path made;
  gdip::Path taken(std::move(made));
  EXPECT_FALSE(made);
  EXPECT_EQ(g.fillPath(nullptr, taken), Gdiplus::InvalidParameter);
  EXPECT_EQ(g.status(), Gdiplus::InvalidParameter);
  gdip::SolidBrush red(kOpaqueRed);
  EXPECT_EQ(g.fillRectangle(red.get(), gdip::RectF(0, 0, 4, 4)), Gdiplus::Ok);
  EXPECT_EQ(g.status(), Gdiplus::Ok);
  ASSERT_EQ(gdip::flat::GdipFlush(g.get(), Gdiplus::FlushIntentionSync), Gdiplus::Ok);
  EXPECT_TRUE(closeTo(canvas.at(1, 1), 0xFF0000));
}

TEST(GdipObjects, AMovedOwnerHandsOverItsHandle) {
  gdip::SolidBrush first(kOpaqueRed);
  Gdiplus::GpSolidFill* handle = first.get();
  ASSERT_NE(handle, nullptr);
  gdip::SolidBrush second(std::move(first));
  EXPECT_EQ(first.get(), nullptr);
  EXPECT_EQ(second.get(), handle);

  gdip::SolidBrush third(kOpaqueBlue);
  third = std::move(second);  // the blue brush is deleted here, the red one moves
  EXPECT_EQ(third.get(), handle);
  EXPECT_EQ(second.get(), nullptr);

  Canvas canvas(4, 4);
  gdip::Graphics g(canvas.dc());
  EXPECT_EQ(g.fillRectangle(third.get(), gdip::RectF(0, 0, 4, 4)), Gdiplus::Ok);
  ASSERT_EQ(gdip::flat::GdipFlush(g.get(), Gdiplus::FlushIntentionSync), Gdiplus::Ok);
  EXPECT_TRUE(closeTo(canvas.at(2, 2), 0xFF0000));
}

}  // namespace
