// The smooth label painted into a memory bitmap: where its text goes and in
// which colours, and how its captions reach each other.
#include "controls/smooth_label.h"

#include <gtest/gtest.h>

#include "tests/support/canvas.h"

namespace {

using namespace ctl;
using namespace gdip;
using testcanvas::Canvas;
using testcanvas::closeTo;
using testcanvas::kGrey;

constexpr int kWidth = 200, kHeight = 80;

// A label over the grey of the canvas with a large bold "HH" at the top left.
struct Painted {
  explicit Painted(const std::function<void(TAdvSmoothLabel&)>& setUp = {}) {
    label.setBounds(0, 0, kWidth, kHeight);
    label.Caption().setFont({L"Tahoma", -40, fw::clWindowText, {fw::fsBold}});
    label.Caption().setText(L"HH");
    label.Caption().set(&CaptionValues::Location, plTopLeft);
    label.Caption().set(&CaptionValues::ColorStart, fw::Color{0x0000FF});
    if (setUp) setUp(label);
    label.paint(canvas.dc(), RECT{0, 0, kWidth, kHeight});
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x)
        if (!closeTo(canvas.at(x, y), kGrey, 40)) {
          ink.left = std::min<int>(ink.left, x);
          ink.top = std::min<int>(ink.top, y);
          ink.right = std::max<int>(ink.right, x + 1);
          ink.bottom = std::max<int>(ink.bottom, y + 1);
        }
  }
  bool blank() const { return ink.right == 0; }
  TAdvSmoothLabel label;
  Canvas canvas{kWidth, kHeight};
  RECT ink{kWidth, kHeight, 0, 0};
};

TEST(SmoothLabel, TransparentLabelIsShiftedByASurroundingFillShadow) {
  const Painted plain;
  ASSERT_FALSE(plain.blank());
  const Painted shifted([](TAdvSmoothLabel& l) {
    l.Fill().set(&FillValues::ShadowType, stSurround);
    l.Fill().set(&FillValues::ShadowOffset, 10);
  });
  EXPECT_EQ(shifted.ink.left, plain.ink.left + 10);
  EXPECT_EQ(shifted.ink.top, plain.ink.top + 10);
  // Transparent: the fill itself is not painted.
  EXPECT_TRUE(closeTo(shifted.canvas.at(kWidth - 3, kHeight - 3), kGrey));
  const Painted filled([](TAdvSmoothLabel& l) { l.set(&LabelValues::Transparent, false); });
  EXPECT_FALSE(closeTo(filled.canvas.at(kWidth - 3, kHeight - 3), kGrey));
}

TEST(SmoothLabel, TextColoursFollowTheCaption) {
  const struct {
    fw::Color end;
    std::uint32_t top, bottom;  // 0xRRGGBB, a stem's ends
  } cases[] = {{fw::clNone, 0xFF0000, 0xFF0000}, {fw::Color{0xFF0000}, 0xFF0000, 0x0000FF}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "ColorEnd " << std::hex << c.end.value);
    const Painted p([&](TAdvSmoothLabel& l) { l.Caption().set(&CaptionValues::ColorEnd, c.end); });
    ASSERT_FALSE(p.blank());
    const int stem = p.ink.left + 2;
    const std::uint32_t top = p.canvas.at(stem, p.ink.top + 1), bottom = p.canvas.at(stem, p.ink.bottom - 2);
    // The gradient runs over the whole line, the stem over its middle: the
    // stem's ends lean to the two colours.
    EXPECT_TRUE(closeTo(top, c.top, 110)) << std::hex << top;
    EXPECT_TRUE(closeTo(bottom, c.bottom, 110)) << std::hex << bottom;
    if (c.end == fw::clNone) {
      EXPECT_EQ(top, bottom);
    }
  }
}

TEST(SmoothLabel, CaptionKindsWithoutABrushAndTinyLabelsDrawNothing) {
  for (TAdvGradientType kind : {gtRadial, gtAngle, gtPath, gtNone, gtTexture}) {
    SCOPED_TRACE(testing::Message() << "kind " << kind);
    EXPECT_TRUE(Painted([&](TAdvSmoothLabel& l) { l.Caption().set(&CaptionValues::GradientType, kind); }).blank());
  }
  EXPECT_FALSE(Painted([](TAdvSmoothLabel& l) { l.Caption().set(&CaptionValues::GradientType, gtHatch); }).blank());
  EXPECT_TRUE(Painted([](TAdvSmoothLabel& l) { l.setBounds(0, 0, 1, kHeight); }).blank());
}

TEST(SmoothLabel, CaptionTextReachesTheShadowAndAutoSizeFitsTheCaption) {
  TAdvSmoothLabel label;
  label.Caption().setText(L"un");
  EXPECT_EQ(label.CaptionShadow().values().Text, L"un");
  label.CaptionShadow().setText(L"deux");
  EXPECT_EQ(label.Caption().values().Text, L"un");
  label.set(&LabelValues::AutoShadowCaption, false);
  label.Caption().setText(L"trois");
  EXPECT_EQ(label.CaptionShadow().values().Text, L"deux");
  // Sizing follows the caption once AutoSize changes, either way.
  label.setAutoSize(true);
  const int fitted = label.width();
  EXPECT_GT(fitted, 10);
  EXPECT_LT(fitted, 280);
  label.setBounds(0, 0, 280, 50);
  EXPECT_EQ(label.width(), fitted) << "AutoSize keeps the caption's size";
  label.setAutoSize(false);
  EXPECT_EQ(label.width(), fitted);
  EXPECT_EQ(TAdvSmoothLabel::Version(), L"1.6.0.2");
}

}  // namespace
