// The ruler on screen: the pixel size from a measured bar or from the
// monitor's EDID, the scale set on a dimension, the reading and its
// precision, and the graduation in pixels.
#include "ruler/screen_ruler.h"

#include "ruler/screen_band.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using namespace ruler;

TEST(ScreenRuler, TakesThePixelSizeFromTheMeasuredBar) {
  EXPECT_EQ(screenBarPixels(uncalibratedPitch.pixelsPerMm), 378);  // 377,95
  EXPECT_EQ(screenBarPixels(4.2), 420);
  struct Case {
    std::optional<long double> measured;
    std::optional<double> pixelsPerMm;
  };
  const Case cases[] = {{100, 3.78}, {105, 3.6}, {50, 7.56},      {200, 1.89},
                        {49.9, {}},  {200.1, {}}, {-100, {}},     {std::nullopt, {}}};
  for (const Case& c : cases) {
    const std::optional<double> pitch = pitchFromBar(378, c.measured);
    ASSERT_EQ(pitch.has_value(), c.pixelsPerMm.has_value()) << double(c.measured.value_or(-1));
    if (pitch) {
      EXPECT_DOUBLE_EQ(*pitch, *c.pixelsPerMm);
    }
    EXPECT_EQ(barFault(c.measured).empty(), c.pixelsPerMm.has_value());
  }
}

TEST(ScreenRuler, ReadsTheImageSizeOfAnEdid) {
  std::vector<std::uint8_t> edid(128, 0);
  const std::uint8_t header[] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
  std::copy(std::begin(header), std::end(header), edid.begin());
  edid[21] = 53, edid[22] = 30;                     // centimetres
  edid[66] = 0x0F, edid[67] = 0x28, edid[68] = 0x21;  // 0x20F × 0x128 mm
  EXPECT_EQ(edidImageSize(edid), (SizeMm{530, 300})) << "no detailed timing: its pixel clock is 0";
  edid[54] = 0x01;
  EXPECT_EQ(edidImageSize(edid), (SizeMm{527, 296}));
  edid[54] = 0, edid[55] = 0x3A;
  EXPECT_EQ(edidImageSize(edid), (SizeMm{527, 296}));
  edid[66] = edid[67] = edid[68] = 0;
  EXPECT_EQ(edidImageSize(edid), (SizeMm{530, 300})) << "the basic block's centimetres";
  edid[21] = 0;
  EXPECT_EQ(edidImageSize(edid), std::nullopt) << "a projector";
  edid[21] = 53, edid[1] = 0;
  EXPECT_EQ(edidImageSize(edid), std::nullopt) << "no EDID header";
  edid[1] = 0xFF;
  EXPECT_EQ(edidImageSize(std::span(edid).first(127)), std::nullopt);
  EXPECT_DOUBLE_EQ(pitchOfSize(1920, 1080, {480, 270}), 4);
  EXPECT_DOUBLE_EQ(pitchOfSize(1920, 1080, {480, 300}), (4 + 3.6) / 2);
}

TEST(ScreenRuler, ReadsNoDigitFinerThanAPixel) {
  struct Case {
    int pixels;
    double pixelsPerMm, n;
    int decimals;
    const wchar_t* text;
  };
  const double p96 = uncalibratedPitch.pixelsPerMm;  // one pixel is 0,2646 mm
  const Case cases[] = {
      {378, p96, 100, 1, L"10,0 m"},      // a pixel is 2,6 cm of the plan
      {89, p96, 20, 2, L"0,47 m"},        // 5,3 mm
      {89, p96, 1, 3, L"0,024 m"},        // 0,26 mm
      {378, p96, 1000, 0, L"100 m"},      // 26 cm
      {378, p96, 100000, -2, L"10000 m"},  // 26 m: hundreds
      // On 2,8 pixels to the millimetre a pixel is 35,7 m at 1:100 000 (hundreds), 3,6 m at 1:10 000 (tens).
      {1, 2.8, 100000, -2, L"0 m"}, {2, 2.8, 100000, -2, L"100 m"}, {3, 2.8, 100000, -2, L"100 m"},
      {28, 2.8, 100000, -2, L"1000 m"}, {100, 2.8, 10000, -1, L"360 m"},
      {250, 10, 100, 2, L"2,50 m"},       // exactly a centimetre
      {251, 10, 100.1, 1, L"2,5 m"},      // a hair more
      {0, p96, 137.2, 1, L"0,0 m"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(readingDecimals(c.pixelsPerMm, c.n), c.decimals) << c.pixels << " at 1:" << c.n;
    EXPECT_EQ(readingText(c.pixels, c.pixelsPerMm, c.n, L','), c.text) << c.pixels << " at 1:" << c.n;
  }
}

TEST(ScreenRuler, SetsTheScaleAtWhichAPointReadsALength) {
  struct Case {
    int pixels;
    std::optional<long double> metres;
    std::optional<long long> tenths;
  };
  // 4 pixels to the millimetre: 400 pixels are 100 mm.
  const Case cases[] = {
      {400, 10, 1000},       {400, 13.72, 1372},   {400, 13.7249, 1372}, {400, 13.7251, 1373},
      {400, 0.1, 10},        {400, 10000, 1000000}, {10, 1, 4000},       {400, 0.0949, {}},
      {400, 10000.01, {}},   {9, 1, {}},            {400, 0, {}},        {400, -2, {}},
      {400, std::nullopt, {}}, {400, 1e300L, {}},
  };
  for (const Case& c : cases) {
    const SetScale set = scaleOnDimension(c.pixels, c.metres, 4);
    EXPECT_EQ(set.n ? std::optional(set.n->tenths()) : std::nullopt, c.tenths)
        << c.pixels << " px, " << double(c.metres.value_or(-1)) << " m";
    EXPECT_EQ(set.fault.empty(), c.tenths.has_value());
  }
  EXPECT_NE(scaleOnDimension(9, 1, 4).fault, scaleOnDimension(400, 0, 4).fault) << "each fault says its own";
}

TEST(ScreenRuler, SaysItsScaleAndReadingInTheWindowText) {
  const ScaleDenominator set = *ScaleDenominator::ofTenths(1372);
  struct Case {
    std::wstring scale;
    bool set;
    std::wstring reading;
    bool calibrated;
    const wchar_t* title;
  };
  const Case cases[] = {
      {scaleName(*scaleAt(5)), false, L"2,35 m", true, L"Règle à l'écran — 1:100 — 2,35 m"},
      {scaleName(set, L','), true, L"2,35 m", true, L"Règle à l'écran — 1:137,2 calée — 2,35 m"},
      {scaleName(*scaleAt(16)), false, L"", false, L"Règle à l'écran — 1:2500 — écran non étalonné"},
      {scaleName(set, L','), true, L"0,0 m", false, L"Règle à l'écran — 1:137,2 calée — 0,0 m — écran non étalonné"},
  };
  for (const Case& c : cases) EXPECT_EQ(screenRulerTitle(c.scale, c.set, c.reading, c.calibrated), c.title);
}

// The labelled marks, where they must stand: zero plus k label intervals of
// the scale's exact length, at the pixels' true size.
TEST(ScreenRuler, GraduatesTheBandAsThePrintedRulerAtTheTrueSizeOfThePixels) {
  const ScaleDenominator set = *ScaleDenominator::ofTenths(1372);
  struct Case {
    Graduation graduation;
    double pixelsPerMm;
    int charWidth;  // of a label, in pixels
    double labelMetres;
    std::vector<std::wstring> labels;  // every labelled position; empty where its label is left out
    int ticksPerLabel;
    int labelGap = screenLabelGap;  // grown with the display scale
  };
  const Case cases[] = {
      {scaleAt(5)->graduation, 4, 6, 1, {L"0m", L"1m", L"2m", L"3m", L"4m"}, 10},
      // "5m" would stand past the band's end.
      {scaleAt(5)->graduation, 96 / 25.4, 6, 1, {L"0m", L"1m", L"2m", L"3m", L"4m", L""}, 10},
      // 1:200 labels every 5 mm: "1m" 20 pixels wide leaves no room for the next.
      {scaleAt(8)->graduation, 4, 10, 1, {L"0m", L"", L"2m", L"", L"4m", L"", L"6m", L"", L"8m", L""}, 5},
      {scaleAt(8)->graduation, 4, 6, 1, {L"0m", L"", L"2m", L"", L"4m", L"", L"6m", L"", L"8m", L""}, 5, 9},
      {scaleAt(2)->graduation, 4, 6, 0.5, {L"0m", L"0,5m", L"1m"}, 11},  // 1:30, stretched to true
      {graduationOf(set, L""), 4, 6, 2, {L"0m", L"2m", L"4m", L"6m"}, 10},
      {graduationOf(set, L""), 5.5, 6, 2, {L"0m", L"2m", L"4m"}, 10},
  };
  constexpr int length = 200, zero = 10;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "1:" << c.graduation.scaleDenominator << " at " << c.pixelsPerMm);
    const ScreenBand band{length, zero, [&](const std::wstring& t) { return c.charWidth * int(t.size()); },
                          c.labelGap};
    const std::vector<ScreenMark> marks = screenGraduation(c.graduation, c.pixelsPerMm, band, L',');
    const double labelPixels = c.labelMetres * 1000 / c.graduation.scaleDenominator * c.pixelsPerMm;
    ASSERT_EQ((marks.size() - 1) / c.ticksPerLabel + 1, c.labels.size());
    for (std::size_t i = 0; i < marks.size(); ++i) {
      const std::size_t k = i / c.ticksPerLabel;
      if (i % c.ticksPerLabel != 0) {
        EXPECT_FALSE(marks[i].labelled) << i;
        continue;
      }
      EXPECT_NEAR(marks[i].along, zero + k * labelPixels, 0.5) << k;
      EXPECT_EQ(marks[i].label, c.labels[k]) << k;
      EXPECT_EQ(marks[i].labelled, !c.labels[k].empty()) << k;
    }
    // The ticks run to the band's end and stop there.
    EXPECT_LT(marks.back().along, length);
    EXPECT_GE(marks.back().along + labelPixels / c.ticksPerLabel + 0.5, length);
  }
}

// The band's texts at every thickness, from 18 mm at 96 dpi to a screen
// calibrated at 200 mm for its 100 mm bar shown at 200 %, both ways: each
// label, the scale name and the reading (at zero, midway, at the end) whole
// on the band, clear of the marks and of one another.
TEST(ScreenRuler, WritesTheBandsTextsWholeAndApart) {
  const std::pair<Graduation, std::wstring> scales[] = {
      {scaleAt(5)->graduation, L"1:100"}, {scaleAt(16)->graduation, L"1:2500"},
      {graduationOf(*ScaleDenominator::ofTenths(1372), L""), L"1:137,2 calée"},
      {graduationOf(*ScaleDenominator::ofTenths(1000000), L""), L"1:100000"}};
  constexpr int length = 1000;
  for (const double pitch : {uncalibratedPitch.pixelsPerMm, uncalibratedPitch.pixelsPerMm / 2})
    for (const int dpi : {96, 144, 192})
      for (const bool vertical : {false, true})
        for (const auto& [graduation, name] : scales) {
          SCOPED_TRACE(testing::Message() << pitch << " px/mm " << dpi << " dpi " << name << (vertical ? " V" : " H"));
          // Segoe UI 8 points: about 6 pixels a character and 14 a line at 96 dpi.
          const MeasureText measure = [&](const std::wstring& t) {
            return TextSize{int(t.size()) * 6 * dpi / 96, 14 * dpi / 96};
          };
          const BandLayout band = layoutBand(graduation, name, pitch, length, vertical, measure, 4 * dpi / 96, L',');
          EXPECT_EQ(band.marks.front().label, L"0m");
          std::vector<PixelRect> texts;  // left and right along the band, top and bottom across it
          const auto add = [&](const std::wstring& text, TextPlace at, bool centred = false) {
            auto [along, across] = measure(text);
            if (vertical) std::swap(along, across);
            at.along -= centred ? along / 2 : 0;
            texts.push_back({at.along, at.across, at.along + along, at.across + across});
          };
          for (const ScreenMark& m : band.marks)
            if (!m.label.empty()) add(m.label, {m.along, band.labelAcross}, true);
          ASSERT_GE(texts.size(), 3u) << "labels left out";
          add(name, {band.nameAlong, band.nameAcross});
          for (const int at : {band.zero, length / 2, length - 2}) {
            const std::wstring reading = readingText(at - band.zero, pitch, graduation.scaleDenominator, L',');
            add(reading, readingPlace(band, at, measure(reading)));
          }
          for (std::size_t i = 0; i < texts.size(); ++i) {
            const PixelRect& t = texts[i];
            EXPECT_TRUE(t.left > 0 && t.right < length && t.top > band.markDepth + 1 && t.bottom < band.thickness) << i;
            for (std::size_t j = 0; j < i; ++j)
              EXPECT_TRUE(t.right <= texts[j].left || texts[j].right <= t.left || t.bottom <= texts[j].top ||
                          texts[j].bottom <= t.top)
                  << j << " over " << i;
          }
        }
}

}  // namespace
