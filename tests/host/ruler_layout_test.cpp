#include "ruler/ruler_layout.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ruler/other_scale.h"
#include "ruler/scale_catalogue.h"

namespace {

using namespace ruler;

// The PDF printer of the tests: 300 dpi across and down.
constexpr Resolution testPrinter{300, 300};

const Graduation& scale(int index) { return scaleAt(index)->graduation; }

// Where the stored label interval is the exact one: every scale but 1:30,
// 1:75, 1:150 and 1:300.
bool exactInterval(const Graduation& g) {
  return static_cast<double>(g.labelInterval) * g.scaleDenominator == g.labelStep * 10000;
}

int yOf(const Line& line) { return line.from.y; }
int yOf(const Text& text) { return text.at.y; }

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

TEST(RulerLayout, AMarkAtTenMillimetresAtSixHundredDotsPerInch) {
  // p = 100 lies at Round(100 × 600 / 254 + 100) = Round(336.22) = 336.
  const RulerPage page = layoutRuler({600, 600}, scale(5), 1, L',');
  EXPECT_DOUBLE_EQ(page.yScale, 600.0 / 254);
  EXPECT_DOUBLE_EQ(page.xScale, 600.0 / 254);
  const Marks m = marksOf(page);
  ASSERT_GE(m.labelled.size(), 2u);
  EXPECT_EQ(m.labelled[1].from.y, 336);
  EXPECT_EQ(m.ticks[10].from.y, 336);
}

TEST(RulerLayout, EveryCoordinateRoundsHalfToEvenOnItsOwn) {
  // 127 dpi is half a pixel a tenth: odd positions fall on exact halves.
  const RulerPage page = layoutRuler({127, 127}, {L"T", 1, 5, 1, 2000}, 1, L',');
  EXPECT_EQ(std::get<Text>(page.ops[0]).at, (Point{450, 50}));
  const Marks m = marksOf(page);
  EXPECT_EQ(m.ticks[1], (Line{{250, 100}, {350, 100}}));     // 100.5
  EXPECT_EQ(m.ticks[3].from.y, 102);                         // 101.5
  EXPECT_EQ(m.labelled[1], (Line{{250, 102}, {375, 102}}));  // 102.5
  EXPECT_EQ(m.labelled[3].from.y, 108);                      // 107.5
  EXPECT_EQ(m.labels[1].at, (Point{400, 82}));
}

TEST(RulerLayout, TitleFirstThenTickBeforeLabelledMarkBeforeLabel) {
  const RulerPage page = layoutRuler(testPrinter, scale(3), 1, L',');
  ASSERT_GE(page.ops.size(), 4u);
  const Text& title = std::get<Text>(page.ops[0]);
  EXPECT_EQ(title.text, L"Echelle 1:50 ");
  EXPECT_EQ(title.at, (Point{roundHalfEven(900 * 300 / 254.0L), 50}));
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
    const Marks m = marksOf(layoutRuler(testPrinter, scale(e.index), 1, L','));
    EXPECT_EQ(m.ticks.size(), static_cast<std::size_t>(e.ticks)) << scaleAt(e.index)->itemText.data();
    EXPECT_EQ(m.labelled.size(), static_cast<std::size_t>(e.labels)) << e.index;
    EXPECT_EQ(m.labels.size(), static_cast<std::size_t>(e.labels)) << e.index;
  }
}

TEST(RulerLayout, LabelsReadInMetresWithTheLocaleSeparator) {
  const Marks at25 = marksOf(layoutRuler(testPrinter, scale(1), 1, L','));
  EXPECT_EQ(at25.labels[0].text, L"0m");
  EXPECT_EQ(at25.labels[6].text, L"1,2m");
  EXPECT_EQ(at25.labels.back().text, L"6,2m");

  const RulerPage at300 = layoutRuler(testPrinter, scale(10), 1, L',');
  const Marks m300 = marksOf(at300);
  EXPECT_EQ(m300.labels.back().text, L"76m");
  EXPECT_EQ(m300.labelled.back().from.y, roundHalfEven(2470 * static_cast<long double>(at300.yScale) + 100));

  const Marks at20 = marksOf(layoutRuler(testPrinter, scale(0), 1, L'.'));
  EXPECT_EQ(at20.labels[1].text, L"0.5m");
  EXPECT_EQ(at20.labels.back().text, L"5m");
  EXPECT_EQ(at20.labelled.back().from.y, at20.ticks.back().from.y) << "the last label is at 2500";

  EXPECT_EQ(marksOf(layoutRuler(testPrinter, scale(15), 1, L',')).labels[3].text, L"150m");
}

TEST(RulerLayout, EachPageIsStretchedByItsExactIntervalOverItsStoredOne) {
  for (int i = 0; i < 17; ++i) {
    const Graduation& g = scale(i);
    const RulerPage page = layoutRuler(testPrinter, g, 1.005L, L',');
    const long double stretch = g.labelStep * 10000 / g.scaleDenominator / g.labelInterval;
    if (exactInterval(g)) {
      EXPECT_EQ(page.printCoef, 1.005L) << i;
    } else {
      EXPECT_GT(stretch, 1.01L) << i;  // 1:30 by 1.0101, 1:75, 1:150 and 1:300 by 1.0256
      EXPECT_NEAR(static_cast<double>(page.printCoef), static_cast<double>(1.005L * stretch), 1e-15) << i;
    }
    EXPECT_DOUBLE_EQ(page.yScale, static_cast<double>(300 / 254.0L * page.printCoef)) << i;
    EXPECT_DOUBLE_EQ(page.xScale, 300 / 254.0) << "the coefficient never stretches across";
  }
}

// Only the printer's resolution counts, not its paper: A4 or Letter,
// portrait or landscape.
constexpr Resolution kResolutions[] = {{300, 300}, {600, 600}, {600, 1200}, {150, 150}, {1200, 1200}};

// Mark k stands for k × LabelStep metres at 1:N: it lies within half a
// pixel of its true place from the zero, stretched by the calibration; the
// ruler ends where its place does, within a tick.
void expectLabelledMarksTrue(const Resolution& r, const Graduation& g, long double coef, const RulerPlace& place = {}) {
  const Marks m = marksOf(layoutRuler(r, g, coef, L',', {}, place));
  const int last = m.ticks.back().from.y + 1;  // the last line's lowest row
  EXPECT_TRUE(last <= place.bottom && (place.bottom > 9000 || last + g.tickStep * r.dpiY / 254 * coef * 1.03 > place.bottom));
  SCOPED_TRACE(testing::Message() << "1:" << g.scaleDenominator << " at " << r.dpiX << " x " << r.dpiY
                                  << " dpi, coefficient " << static_cast<double>(coef));
  const double pixelsPerMmDown = r.dpiY / 25.4, pixelsPerMmAcross = r.dpiX / 25.4;
  for (std::size_t k = 0; k < m.labelled.size(); ++k) {
    const double mm = k * g.labelStep * 1000 / g.scaleDenominator * static_cast<double>(coef);
    EXPECT_NEAR(m.labelled[k].from.y, place.top + mm * pixelsPerMmDown, 0.5 + 1e-9) << "mark " << k;
  }
  EXPECT_NEAR(m.labelled[0].from.x, 50 * pixelsPerMmAcross, 0.5);
  EXPECT_NEAR(m.labelled[0].to.x, 75 * pixelsPerMmAcross, 0.5);
  EXPECT_NEAR(m.labels[0].at.x, 80 * pixelsPerMmAcross, 0.5);
}

TEST(RulerLayout, EveryLabelledMarkLiesWithinHalfAPixelOfItsTruePlace) {
  for (const Resolution r : kResolutions) {
    for (const long double coef : {1.0L, 1.005L, 0.9L}) {
      for (int i = 0; i < 17; ++i) expectLabelledMarksTrue(r, scale(i), coef);
      // Moved down out of the top band, ending 120 mm down.
      for (int i = 0; i < 17; ++i) expectLabelledMarksTrue(r, scale(i), coef, {0, 50, 162, roundHalfEven(1200 * r.dpiY / 254.0L)});
    }
  }
}

TEST(RulerLayout, AnyScaleLabelledMarksLieWithinHalfAPixelOfTheirTruePlace) {
  for (const Resolution r : kResolutions) {
    for (const long double coef : {1.0L, 0.9L, 1.037L, 1.1L}) {
      for (const long long tenths : {10, 333, 1410, 1414, 50000, 1000000}) {
        const ScaleDenominator n = *ScaleDenominator::ofTenths(tenths);
        expectLabelledMarksTrue(r, graduationFor(n, L"T"), coef);
      }
    }
  }
}

TEST(RulerLayout, ExactScalesMoveAtMostOnePixelDownTheTestPrintersPage) {
  // The page was drawn with 3508 pixels over 297 mm down before, 3508 / 2970
  // pixels a tenth: every element of the exact scales stays within a pixel
  // of where it was, in the same order.
  const auto before = [](std::int32_t p) { return roundHalfEven(p * 3508.0L / 2970 + 100); };
  for (int i = 0; i < 17; ++i) {
    const Graduation& g = scale(i);
    if (!exactInterval(g)) continue;
    std::vector<int> rows{50};
    for (std::int32_t p = 0; p <= 2500; ++p) {
      if (p % g.tickStep == 0) rows.push_back(before(p));
      if (p % g.labelInterval == 0) rows.insert(rows.end(), {before(p), before(p) - 20});
    }
    const RulerPage page = layoutRuler(testPrinter, g, 1, L',');
    ASSERT_EQ(page.ops.size(), rows.size()) << i;
    for (std::size_t k = 0; k < rows.size(); ++k) {
      const int y = std::visit([](const auto& op) { return yOf(op); }, page.ops[k]);
      EXPECT_LE(std::abs(y - rows[k]), 1) << "1:" << g.scaleDenominator << ", element " << k;
    }
  }
}

TEST(RulerLayout, CalibrationStretchesTheRulerDownThePageOnly) {
  // 250 mm between the first and the last possible mark at coefficient 1, on
  // a page of 300 dpi; each mark within one pixel of its true place.
  const double pixelsPerMm = 300 / 25.4;
  for (const long double coef : {0.9L, 1.0L, 1.037L, 1.1L}) {
    const RulerPage page = layoutRuler(testPrinter, scale(0), coef, L',');
    const Marks m = marksOf(page);
    const double span = m.labelled.back().from.y - m.labelled.front().from.y;
    EXPECT_NEAR(span, 250 * pixelsPerMm * static_cast<double>(coef), 1.0) << static_cast<double>(coef);
    EXPECT_EQ(m.ticks.front().from.x, roundHalfEven(500 * 300 / 254.0L));
    EXPECT_EQ(m.ticks.front().to.x, roundHalfEven(700 * 300 / 254.0L));
    EXPECT_EQ(m.labelled.front().to.x, roundHalfEven(750 * 300 / 254.0L));
  }
}

TEST(RulerLayout, RefusesAZeroStep) {
  EXPECT_THROW(layoutRuler(testPrinter, {L"T", 0, 10, 1, 1000}, 1, L','), std::invalid_argument);
  EXPECT_THROW(layoutRuler(testPrinter, {L"T", 1, 10, 1, 0}, 1, L','), std::invalid_argument);
}

}  // namespace
