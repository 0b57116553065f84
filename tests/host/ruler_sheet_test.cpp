#include "ruler/ruler_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "ruler/check_bar.h"

namespace {

using namespace ruler;

// A fixed-pitch stand-in for the printer's 8-point font at 300 dpi: 20
// pixels a letter (wider than the real one), 38 high.
TextSize fixedPitch(std::wstring_view text) { return {static_cast<int>(text.size()) * 20, 38}; }

struct Paper {
  const char* name;
  PrintablePage page;
};
const Paper papers[] = {
    {"A4 portrait", {{300, 300}, 3508, 2479, {2479, 3508, 0, 0}}},
    {"A4 landscape", {{300, 300}, 2479, 3508, {3508, 2479, 0, 0}}},
    {"Letter portrait", {{300, 300}, 3300, 2550, {2550, 3300, 0, 0}}},
    {"Letter landscape", {{300, 300}, 2550, 3300, {3300, 2550, 0, 0}}},
};

bool overlap(const InkBox& a, const InkBox& b) {
  return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

// The bar measures 100 × (1 + c/1000) mm to the pixel, its cross marks stand
// where their share of it says, and all of it is drawn whole, clear of every
// graduation, label and the title, on every paper and in both orientations.
TEST(CheckBar, MeasuresTheCalibratedHundredMillimetresClearOfTheGraduations) {
  for (const Paper& paper : papers) {
    for (const int permille : {0, 20, -35, 100, -100}) {
      SCOPED_TRACE(testing::Message() << paper.name << ", " << permille << " permille");
      const Calibration calibration = *Calibration::exactly(permille);
      const std::vector<DrawOp> bar = layoutCheckBar(paper.page.resolution, calibration, fixedPitch);
      const RulerPage sheet = layoutRulerSheet(paper.page, scaleAt(5)->graduation, calibration, L',', fixedPitch);

      const long double pixelsPerMm = 300 / 25.4L * calibration.coefficient();
      const auto& line = std::get<Line>(bar[0]);
      EXPECT_EQ(line.from.x, line.to.x);  // down the page, as the graduations
      const int top = line.from.y;
      EXPECT_EQ(top, 354);  // 30 mm
      EXPECT_EQ(line.to.y - top, roundHalfEven(100 * pixelsPerMm));
      const int crossAt[] = {0, 1000, 990, 995, 1005, 1010};
      ASSERT_EQ(bar.size(), 1 + std::size(crossAt) + std::size(checkBarText));
      for (std::size_t i = 0; i < std::size(crossAt); ++i) {
        const auto& cross = std::get<Line>(bar[1 + i]);
        EXPECT_EQ(cross.from.y, cross.to.y);
        EXPECT_EQ(cross.from.y - top, roundHalfEven(crossAt[i] / 10.0L * pixelsPerMm)) << "cross mark " << i;
        EXPECT_LE(cross.from.x, line.from.x);
        EXPECT_GT(cross.to.x, line.from.x);
      }

      for (const DrawOp& op : bar) {
        EXPECT_NE(std::find(sheet.ops.begin(), sheet.ops.end(), op), sheet.ops.end()) << "left out";
        const InkBox ink = extentOf(op, fixedPitch);
        for (const DrawOp& graduation : sheet.ops) {
          if (std::find(bar.begin(), bar.end(), graduation) != bar.end()) continue;
          EXPECT_FALSE(overlap(ink, extentOf(graduation, fixedPitch)));
        }
      }
    }
  }
}

}  // namespace
