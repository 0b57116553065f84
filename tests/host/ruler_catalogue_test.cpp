#include "ruler/scale_catalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using ruler::scaleAt;
using ruler::scaleCatalogue;

int denominator(std::wstring_view itemText) { return std::stoi(std::wstring(itemText.substr(3))); }

TEST(ScaleCatalogue, SeventeenItemsFromOneToTwentyToOneToTwentyFiveHundred) {
  ASSERT_EQ(scaleCatalogue().size(), 17u);
  EXPECT_EQ(scaleCatalogue().front().itemText, L" 1:20");
  EXPECT_EQ(scaleCatalogue().back().itemText, L" 1:2500");
  int previous = 0;
  for (const auto& entry : scaleCatalogue()) {
    EXPECT_EQ(entry.itemText.substr(0, 3), L" 1:") << "the leading blank is part of the item";
    EXPECT_GT(denominator(entry.itemText), previous) << "items are in ascending scale order";
    EXPECT_EQ(entry.graduation.scaleDenominator, denominator(entry.itemText)) << "the item names its own scale";
    previous = denominator(entry.itemText);
  }
}

TEST(ScaleCatalogue, TitlesNameTheirScaleAndOnlyOneToFiftyKeepsATrailingBlank) {
  for (int i = 0; i < 17; ++i) {
    const auto& entry = *scaleAt(i);
    EXPECT_EQ(entry.graduation.title, L"Echelle " + std::wstring(entry.itemText.substr(1)) + (i == 3 ? L" " : L""))
        << i;
  }
}

TEST(ScaleCatalogue, LabelIntervalsStandForTheirStepExceptTheFourRoundedScales) {
  // An interval of LabelInterval tenths of a millimetre on the sheet is
  // LabelStep metres on the object at 1:N exactly when LabelInterval × N =
  // LabelStep × 10000. 1:30 rounds 166.7 to 165; 1:75, 1:150 and 1:300 round
  // 133.3 to 130.
  for (int i = 0; i < 17; ++i) {
    const auto& entry = *scaleAt(i);
    const int n = denominator(entry.itemText);
    const double exact = entry.graduation.labelStep * 10000 / n;
    if (n == 30) {
      EXPECT_EQ(entry.graduation.labelInterval, 165);
      EXPECT_NEAR(exact, 166.67, 0.01);
    } else if (n == 75 || n == 150 || n == 300) {
      EXPECT_EQ(entry.graduation.labelInterval, 130) << n;
      EXPECT_NEAR(exact, 133.33, 0.01) << n;
    } else {
      EXPECT_DOUBLE_EQ(entry.graduation.labelInterval, exact) << n;
    }
    EXPECT_EQ(entry.graduation.labelInterval % entry.graduation.tickStep, 0) << "labels fall on ticks at 1:" << n;
  }
}

TEST(ScaleCatalogue, TheNumbersOfEachEntry) {
  struct Row { int tickStep, labelInterval; double labelStep; };
  const Row rows[17] = {{10, 250, 0.5}, {8, 80, 0.2},  {15, 165, 0.5}, {10, 100, 0.5}, {13, 130, 1},  {10, 100, 1},
                        {8, 80, 1},     {13, 130, 2},  {10, 50, 1},    {8, 80, 2},     {13, 130, 4},  {10, 50, 2},
                        {10, 200, 10},  {10, 100, 10}, {8, 80, 10},    {10, 250, 50},  {8, 80, 20}};
  for (int i = 0; i < 17; ++i) {
    EXPECT_EQ(scaleAt(i)->graduation.tickStep, rows[i].tickStep) << i;
    EXPECT_EQ(scaleAt(i)->graduation.labelInterval, rows[i].labelInterval) << i;
    EXPECT_EQ(scaleAt(i)->graduation.labelStep, rows[i].labelStep) << i;
  }
}

TEST(ScaleCatalogue, NoEntryOutsideTheItems) {
  EXPECT_EQ(scaleAt(-1), nullptr);
  EXPECT_EQ(scaleAt(17), nullptr);
  EXPECT_EQ(scaleAt(5)->itemText, L" 1:100");
}

}  // namespace
