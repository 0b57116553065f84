#include "ruler/printable_area.h"

#include <gtest/gtest.h>

#include "ruler/scale_catalogue.h"

namespace {

using namespace ruler;

// A fixed-pitch stand-in for the printer's font: 20 pixels a letter, 38 high.
TextSize fixedPitch(std::wstring_view text) { return {static_cast<int>(text.size()) * 20, 38}; }

// At 300 dpi 3 mm are 35.4 pixels, rounded up to 36.
TEST(PrintableArea, InkStaysThreeMillimetresFromThePaperAndInsideThePrintableArea) {
  struct Case {
    const char* name;
    PrintablePage page;
    InkBox expected;
  };
  const Case cases[] = {
      {"A4 portrait", {{300, 300}, 3508, 2479, {2479, 3508, 0, 0}}, {36, 36, 2442, 3471}},
      {"A4 landscape", {{300, 300}, 2479, 3508, {3508, 2479, 0, 0}}, {36, 36, 3471, 2442}},
      {"Letter portrait", {{300, 300}, 3300, 2550, {2550, 3300, 0, 0}}, {36, 36, 2513, 3263}},
      {"Letter landscape", {{300, 300}, 2550, 3300, {3300, 2550, 0, 0}}, {36, 36, 3263, 2513}},
      // Margins wider than 3 mm: the printable area is the limit.
      {"Letter, quarter-inch margins", {{300, 300}, 3150, 2400, {2550, 3300, 75, 75}}, {0, 0, 2399, 3149}},
      // A margin of 1.5 mm: the paper's edge is.
      {"A4 portrait, 18-pixel margins", {{300, 300}, 3472, 2443, {2479, 3508, 18, 18}}, {18, 18, 2424, 3453}},
      {"A4 landscape at 600 by 300 dpi", {{600, 300}, 2479, 7016, {7016, 2479, 0, 0}}, {71, 36, 6944, 2442}},
      {"no paper given", {{300, 300}, 3508, 2479}, {36, 36, 2442, 3471}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(inkBox(c.page), c.expected) << c.name;
  }
}

TEST(PrintableArea, WhatWouldComeCloserIsLeftOutWholeAndTheRestKeepsItsOrder) {
  const PrintablePage a4Landscape{{300, 300}, 2479, 3508, {3508, 2479, 0, 0}};
  const std::vector<DrawOp> ops = {
      Text{{1063, 50}, L"Echelle 1:100"},
      Line{{591, 2441}, {827, 2441}},  // its pen's last row is 2442: kept
      Line{{591, 2442}, {827, 2442}},  // one row lower: left out
      Text{{945, 2404}, L"19m"},       // bottom row 2441: kept
      Text{{945, 2405}, L"20m"},       // bottom row 2442: kept
      Text{{945, 2406}, L"21m"},       // one row lower: left out
      Line{{35, 100}, {35, 200}},      // too near the left edge
      Text{{3000, 100}, L"abcdefghijklmnopqrstuvwxyz"},  // runs past the right margin
  };
  const std::vector<DrawOp> kept = keepPrintable(ops, a4Landscape, fixedPitch);
  EXPECT_EQ(kept, (std::vector<DrawOp>{ops[0], ops[1], ops[3], ops[4]}));
}

// Today's landscape 1:100 page reaches the paper's foot: its 20 m mark came
// 1.5 mm from the edge with its label cut. Everything kept is whole and clear.
TEST(PrintableArea, TheLandscapeRulerKeepsOnlyWhatFits) {
  const PrintablePage a4Landscape{{300, 300}, 2479, 3508, {3508, 2479, 0, 0}};
  const RulerPage page = layoutRuler(a4Landscape.resolution, scaleAt(5)->graduation, 1, L',');
  const std::vector<DrawOp> kept = keepPrintable(page.ops, a4Landscape, fixedPitch);
  EXPECT_LT(kept.size(), page.ops.size());
  bool twentyMetres = false;
  for (const DrawOp& op : kept) {
    EXPECT_TRUE(fitsWithin(extentOf(op, fixedPitch), inkBox(a4Landscape)));
    if (const auto* text = std::get_if<Text>(&op)) twentyMetres |= text->text == L"20m";
  }
  EXPECT_FALSE(twentyMetres);
}

}  // namespace
