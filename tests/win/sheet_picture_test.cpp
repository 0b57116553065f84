// The confirmation's preview of a known page, painted into a bitmap: each
// labelled mark of the ruler where the layout put it on the page, reduced
// into the box, and white paper between them.
#include "ruler/sheet_picture.h"

#include <gtest/gtest.h>

#include <variant>
#include <vector>

#include "ruler/scale_catalogue.h"
#include "tests/support/canvas.h"

namespace {

TEST(SheetPicture, TheRulersMarksStandWhereTheLayoutPutsThemScaled) {
  // A4 upright at 300 dpi, no margin, in a square box of 300 pixels: the
  // paper's height fills it, 300 / 3508 box pixels a device pixel, centred across.
  const ruler::PrintablePage a4{{300, 300}, 3508, 2480, {2480, 3508, 0, 0}};
  constexpr int side = 300;
  const double scale = double(side) / 3508, left = (side - 2480 * scale) / 2;
  const ruler::RulerPage ruler = ruler::layoutRuler(a4.resolution, ruler::scaleAt(5)->graduation, 1.0L, L',');
  testcanvas::Canvas canvas(side, side);
  ruler::paintSheet(canvas.dc(), {0, 0, side, side}, {a4, ruler.ops});

  // Between a tick's end (70 mm) and a labelled mark's (75 mm) only the
  // labelled marks ink; halfway down between two of them, the paper.
  const int across = int(left + 72.5 * 300 / 25.4 * scale);
  std::vector<int> rows;  // the labelled marks': the lines that end at 75 mm, 886 pixels at 300 dpi
  for (const ruler::DrawOp& op : ruler.ops)
    if (const auto* line = std::get_if<ruler::Line>(&op); line && line->to.x == 886) rows.push_back(line->from.y);
  ASSERT_GT(rows.size(), 20u);
  for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "labelled mark " << i);
    const int y = int(rows[i] * scale + 0.5), between = int((rows[i] + rows[i + 1]) / 2 * scale + 0.5);
    EXPECT_LT(canvas.at(across, y) & 0xFF, 0xC0u) << "no mark at (" << across << ", " << y << ")";
    EXPECT_TRUE(testcanvas::closeTo(canvas.at(across, between), 0xFFFFFF)) << "ink between the marks";
  }
  // Left of the paper, the box's own background.
  EXPECT_EQ(canvas.at(int(left) - 2, side / 2), testcanvas::kGrey);
}

}  // namespace
