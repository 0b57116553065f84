#include "ruler/ruler_layout.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ruler/scale_catalogue.h"

namespace {

using namespace ruler;

// The PDF printer: A4 at 300 dpi, 2479 × 3508 pixels over 209 × 297 mm.
constexpr PageMetrics a4Portrait{2479, 3508, 209, 297};

const Graduation& scale(int index) { return scaleAt(index)->graduation; }

struct Marks {
  std::vector<Line> ticks, labelled;
  std::vector<Text> labels;
};

// Sorts the page's lines by their length: ticks end at 70 mm, labelled marks
// at 75 mm.
Marks marksOf(const RulerPage& page) {
  Marks m;
  const int tickEnd = roundHalfEven(700 * static_cast<long double>(page.xScale));
  for (std::size_t i = 1; i < page.ops.size(); ++i) {
    if (const auto* line = std::get_if<Line>(&page.ops[i])) {
      (line->to.x == tickEnd ? m.ticks : m.labelled).push_back(*line);
    } else {
      m.labels.push_back(std::get<Text>(page.ops[i]));
    }
  }
  return m;
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(roundHalfEven(2.5L), 2);
  EXPECT_EQ(roundHalfEven(3.5L), 4);
  EXPECT_EQ(roundHalfEven(-2.5L), -2);
  EXPECT_EQ(roundHalfEven(335.5000001L), 336);
  EXPECT_EQ(roundHalfEven(335.4999999L), 335);
}

TEST(RulerLayout, AMarkAtTenMillimetresOnTheExamplePrinter) {
  // 6614 pixels over 280 mm: YScale = 6614 / 2800, and p = 100 lies at
  // Round(100 × 6614 / 2800 + 100) = Round(336.21) = 336.
  const RulerPage page = layoutRuler({4960, 6614, 210, 280}, scale(5), 1, L',');
  EXPECT_DOUBLE_EQ(page.yScale, 6614.0 / 2800);
  EXPECT_DOUBLE_EQ(page.xScale, 4960.0 / 2100);
  const Marks m = marksOf(page);
  ASSERT_GE(m.labelled.size(), 2u);
  EXPECT_EQ(m.labelled[1].from.y, 336);
  EXPECT_EQ(m.ticks[10].from.y, 336);
}

TEST(RulerLayout, EveryCoordinateRoundsHalfToEvenOnItsOwn) {
  // XScale 0.125 and YScale 0.25 put many coordinates on exact halves.
  const RulerPage page = layoutRuler({250, 500, 200, 200}, {L"T", 2, 10, 1}, 1, L',');
  EXPECT_EQ(std::get<Text>(page.ops[0]).at, (Point{112, 50}));           // 112.5
  const Marks m = marksOf(page);
  EXPECT_EQ(m.ticks[1], (Line{{62, 100}, {88, 100}}));                    // 62.5, 87.5, 100.5
  EXPECT_EQ(m.ticks[3].from.y, 102);                                      // 101.5
  EXPECT_EQ(m.labelled[1], (Line{{62, 102}, {94, 102}}));                 // 102.5, 93.75
  EXPECT_EQ(m.labelled[3].from.y, 108);                                   // 107.5
  EXPECT_EQ(m.labels[1].at, (Point{100, 82}));
}

TEST(RulerLayout, TitleFirstThenTickBeforeLabelledMarkBeforeLabel) {
  const RulerPage page = layoutRuler(a4Portrait, scale(3), 1, L',');
  ASSERT_GE(page.ops.size(), 4u);
  const Text& title = std::get<Text>(page.ops[0]);
  EXPECT_EQ(title.text, L"Echelle 1:50 ");
  EXPECT_EQ(title.at, (Point{roundHalfEven(900 * 2479.0L / 2090), 50}));
  const Line& tick = std::get<Line>(page.ops[1]);
  const Line& mark = std::get<Line>(page.ops[2]);
  EXPECT_EQ(std::get<Text>(page.ops[3]).text, L"0m");
  EXPECT_EQ(tick.from, mark.from) << "the first tick and the first mark share their line";
  EXPECT_EQ(tick.from.y, 100);
  EXPECT_LT(tick.to.x, mark.to.x);
  // Between two labelled marks only ticks; a label always follows its mark.
  for (std::size_t i = 1; i < page.ops.size(); ++i) {
    if (std::holds_alternative<Text>(page.ops[i])) {
      const Line& before = std::get<Line>(page.ops[i - 1]);
      EXPECT_EQ(std::get<Text>(page.ops[i]).at.y, before.from.y - 20);
      EXPECT_GT(before.to.x, tick.to.x);
    }
  }
}

TEST(RulerLayout, CountsOfTicksAndLabelsOverTheWholeRange) {
  struct Expected { int index, ticks, labels; };
  for (const auto& e : {Expected{0, 251, 11}, Expected{1, 313, 32}, Expected{2, 167, 16}, Expected{4, 193, 20},
                        Expected{8, 251, 51}, Expected{12, 251, 13}, Expected{16, 313, 32}}) {
    const Marks m = marksOf(layoutRuler(a4Portrait, scale(e.index), 1, L','));
    EXPECT_EQ(m.ticks.size(), static_cast<std::size_t>(e.ticks)) << scaleAt(e.index)->itemText.data();
    EXPECT_EQ(m.labelled.size(), static_cast<std::size_t>(e.labels)) << e.index;
    EXPECT_EQ(m.labels.size(), static_cast<std::size_t>(e.labels)) << e.index;
  }
}

TEST(RulerLayout, LabelsReadInMetresWithTheLocaleSeparator) {
  const Marks at25 = marksOf(layoutRuler(a4Portrait, scale(1), 1, L','));
  EXPECT_EQ(at25.labels[0].text, L"0m");
  EXPECT_EQ(at25.labels[6].text, L"1,2m");
  EXPECT_EQ(at25.labels.back().text, L"6,2m");

  const RulerPage at300 = layoutRuler(a4Portrait, scale(10), 1, L',');
  const Marks m300 = marksOf(at300);
  EXPECT_EQ(m300.labels.back().text, L"76m");
  EXPECT_EQ(m300.labelled.back().from.y, roundHalfEven(2470 * static_cast<long double>(at300.yScale) + 100));

  const Marks at20 = marksOf(layoutRuler(a4Portrait, scale(0), 1, L'.'));
  EXPECT_EQ(at20.labels[1].text, L"0.5m");
  EXPECT_EQ(at20.labels.back().text, L"5m");
  EXPECT_EQ(at20.labelled.back().from.y, at20.ticks.back().from.y) << "the last label is at 2500";

  EXPECT_EQ(marksOf(layoutRuler(a4Portrait, scale(15), 1, L',')).labels[3].text, L"150m");
}

TEST(RulerLayout, OnlyIntervalOneHundredThirtyRaisesTheCoefficient) {
  for (int i = 0; i < 17; ++i) {
    const RulerPage page = layoutRuler(a4Portrait, scale(i), 1.007L, L',');
    const bool raised = i == 4 || i == 7 || i == 10;
    EXPECT_EQ(page.printCoef, raised ? 1.007L + 0.03L : 1.007L) << i;
    EXPECT_DOUBLE_EQ(page.yScale, static_cast<double>(3508.0L / 2970 * page.printCoef)) << i;
    EXPECT_DOUBLE_EQ(page.xScale, 2479.0 / 2090) << "the coefficient never stretches across";
  }
}

TEST(RulerLayout, CalibrationStretchesTheRulerDownThePageOnly) {
  // 250 mm between the first and the last possible mark at coefficient 1, on
  // a page of 300 dpi; each mark within one pixel of its true place.
  const double pixelsPerMm = 3508.0 / 297;
  for (const long double coef : {0.9L, 1.0L, 1.037L, 1.1L}) {
    const RulerPage page = layoutRuler(a4Portrait, scale(0), coef, L',');
    const Marks m = marksOf(page);
    const double span = m.labelled.back().from.y - m.labelled.front().from.y;
    EXPECT_NEAR(span, 250 * pixelsPerMm * static_cast<double>(coef), 1.0) << static_cast<double>(coef);
    EXPECT_EQ(m.ticks.front().from.x, roundHalfEven(500 * 2479.0L / 2090));
    EXPECT_EQ(m.ticks.front().to.x, roundHalfEven(700 * 2479.0L / 2090));
    EXPECT_EQ(m.labelled.front().to.x, roundHalfEven(750 * 2479.0L / 2090));
  }
}

TEST(RulerLayout, LandscapeKeepsTheRawPixelOffsets) {
  // Landscape swaps the page: the ruler runs past the short side, unclipped
  // here; the printer cuts what falls off the sheet.
  const RulerPage page = layoutRuler({3508, 2479, 297, 209}, scale(5), 1, L',');
  const Marks m = marksOf(page);
  EXPECT_EQ(std::get<Text>(page.ops[0]).at.y, 50);
  EXPECT_EQ(m.labelled.front().from.y, 100);
  EXPECT_GT(m.labelled.back().from.y, 2479);
  EXPECT_NEAR(m.labelled.back().from.y - 100, 250 * 2479.0 / 209, 0.5);
}

TEST(RulerLayout, RefusesAZeroStep) {
  EXPECT_THROW(layoutRuler(a4Portrait, {L"T", 0, 10, 1}, 1, L','), std::invalid_argument);
}

}  // namespace
